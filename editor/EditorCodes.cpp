// The code list and its two field-enabling tables: one for a code chosen in
// the list box (it also presets texts), one for a table row clicked. They differ for several codes on purpose; keep them apart.
#include "editor/EditorCodes.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr unsigned Bit(EField field) { return 1u << static_cast<int>(field); }

constexpr unsigned P = Bit(EField::P), Q = Bit(EField::Q), X = Bit(EField::X),
                   Z = Bit(EField::Z), I = Bit(EField::I), K = Bit(EField::K),
                   R = Bit(EField::R), F = Bit(EField::F), S = Bit(EField::S),
                   T = Bit(EField::T);
constexpr unsigned kAll = P | Q | X | Z | I | K | R | F | S | T;

// Enabling on choice shared by several codes.
constexpr SCodeEnabling kRapid{X | Z, R | F | S | P | Q | T | I | K,
                               {{EField::P, "0"}, {EField::Q, "0"}, {EField::R, "0"},
                                {EField::F, "0"}, {EField::S, "0"}, {EField::X, "X"},
                                {EField::Z, "Z"}, {EField::T, "0"}}};
constexpr SCodeEnabling kFeed{X | Z | F, R | S | P | Q | T | I | K,
                              {{EField::P, "0"}, {EField::Q, "0"}, {EField::R, "0"},
                               {EField::X, "X"}, {EField::Z, "Z"}, {EField::F, "F"},
                               {EField::S, "0"}, {EField::T, "0"}}};
constexpr SCodeEnabling kArc{X | Z | R | F | I | K, S | P | Q | T,
                             {{EField::P, "0"}, {EField::Q, "0"}, {EField::X, "X"},
                              {EField::Z, "Z"}, {EField::R, "R"}, {EField::F, "F"},
                              {EField::S, "0"}, {EField::T, "0"}, {EField::I, "I"},
                              {EField::K, "K"}}};
constexpr SCodeEnabling kDwell{0, X | Z | R | F | P | Q | T, {{EField::P, "0"}}};
constexpr SCodeEnabling kOnlyS{S, kAll & ~S, {}};
constexpr SCodeEnabling kNone{0, kAll, {}};
constexpr SCodeEnabling kCycleFirst{X | R, kAll & ~(X | R), {}};
constexpr SCodeEnabling kCycleSecond{X | Z | F | S | P | Q | T, R | I | K, {}};
constexpr SCodeEnabling kPatternFirst{X | Z | R, kAll & ~(X | Z | R), {}};

// In list-box order (the box sorts its entries).
const SCodeRow kCodes[] = {
    {"G00", ECode::G00, kRapid, X | Z},
    {"G01", ECode::G01, kFeed, X | Z | F},
    {"G02", ECode::G02, kArc, X | Z | R | F | I | K},
    {"G03", ECode::G03, kArc, X | Z | R | F | I | K},
    {"G04", ECode::G04, kDwell, P | X},
    {"G32", ECode::G32, kFeed, X | Z | F},
    {"G40", ECode::G40, kRapid, X | Z},
    {"G41", ECode::G41, kRapid, X | Z},
    {"G42", ECode::G42, kRapid, X | Z},
    {"G50", ECode::G50, kOnlyS, S},
    {"G70", ECode::G70, kDwell, P | Q},
    {"G71(1)", ECode::G71, kCycleFirst, X | R},
    {"G71(2)", ECode::G71, kCycleSecond, X | Z | F | S | P | Q | T},
    {"G72", ECode::G72, kDwell, X | Z | R},
    {"G73(1)", ECode::G73, kPatternFirst, X | Z | R},
    {"G73(2)", ECode::G73, kCycleSecond, X | Z | F | S | P | Q | T},
    {"G76", ECode::G76, kArc, X | Z | R | F | I | K},
    {"G90", ECode::G90, kOnlyS, X | Z | R | F},
    {"G92", ECode::G92, kOnlyS, X | Z | R | F},
    {"G96", ECode::G96, kNone, S},
    {"G97", ECode::G97, kNone, S},
    {"G98", ECode::G98, kNone, 0},
    {"G99", ECode::G99, kNone, 0},
    {"M02", ECode::M02, kNone, 0},
    {"M03", ECode::M03, kDwell, S | T},
    {"M05", ECode::M05, kDwell, 0},
    {"M08", ECode::M08, kDwell, S | T},
    {"M09", ECode::M09, kDwell, 0},
    {"T", ECode::None, kDwell, 0},
};

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (prefix.size() > text.size())
        return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) ==
               std::toupper(static_cast<unsigned char>(b));
    });
}

} // namespace

unsigned FieldBit(EField field) { return Bit(field); }
unsigned AllWordFields() { return kAll; }

std::span<const SCodeRow> CodeRows() { return kCodes; }

const SCodeRow* FindCodeRow(std::string_view code)
{
    for (const auto& row : kCodes)
        if (row.code == code)
            return &row;
    return nullptr;
}

int FindCodePrefix(std::string_view code)
{
    if (code.empty())
        return -1;
    for (std::size_t i = 0; i < std::size(kCodes); ++i)
        if (StartsWithNoCase(kCodes[i].code, code))
            return static_cast<int>(i);
    return -1;
}
