#include "program/Codes.h"

#include <algorithm>

namespace {

constexpr unsigned Bit(EWord word) { return 1u << static_cast<unsigned>(word); }

constexpr unsigned kFeed = Bit(EWord::F);
constexpr unsigned kArc = Bit(EWord::I) | Bit(EWord::K) | Bit(EWord::R) | Bit(EWord::F);
constexpr unsigned kCycle = Bit(EWord::R) | Bit(EWord::F);
constexpr unsigned kSpindle = Bit(EWord::S) | Bit(EWord::T);
constexpr unsigned kFirstLine = Bit(EWord::X) | Bit(EWord::R);
// G73's first line also gives the material to remove along Z.
constexpr unsigned kPatternFirstLine = kFirstLine | Bit(EWord::Z);
constexpr unsigned kContour = Bit(EWord::P) | Bit(EWord::Q);
constexpr unsigned kSecondLine = Bit(EWord::P) | Bit(EWord::Q) | Bit(EWord::X) | Bit(EWord::Z) |
                                 Bit(EWord::F) | Bit(EWord::S) | Bit(EWord::T);

// In the order of ECode, so that a code is its own index.
constexpr SCodeInfo kCodes[] = {
    {ECode::None, "", '\0', -1, false, false, 0, 0},
    {ECode::G00, "G00", 'G', 0, true, true, 0, 0},
    {ECode::G01, "G01", 'G', 1, true, true, kFeed, 0},
    {ECode::G02, "G02", 'G', 2, true, true, kArc, 0},
    {ECode::G03, "G03", 'G', 3, true, true, kArc, 0},
    {ECode::G04, "G04", 'G', 4, false, false, 0, 0},
    {ECode::G32, "G32", 'G', 32, true, true, kFeed, 0},
    {ECode::G40, "G40", 'G', 40, true, false, 0, 0},
    {ECode::G41, "G41", 'G', 41, true, false, 0, 0},
    {ECode::G42, "G42", 'G', 42, true, false, 0, 0},
    {ECode::G50, "G50", 'G', 50, true, false, 0, 0},
    {ECode::G70, "G70", 'G', 70, true, false, kContour, 0},
    {ECode::G71, "G71", 'G', 71, true, false, kFirstLine, kSecondLine},
    {ECode::G72, "G72", 'G', 72, false, false, 0, 0},
    {ECode::G73, "G73", 'G', 73, true, false, kPatternFirstLine, kSecondLine},
    {ECode::G76, "G76", 'G', 76, true, false, 0, 0},
    {ECode::G90, "G90", 'G', 90, true, true, kCycle, 0},
    {ECode::G92, "G92", 'G', 92, true, true, kCycle, 0},
    {ECode::G94, "G94", 'G', 94, true, true, kCycle, 0},
    {ECode::G96, "G96", 'G', 96, true, false, 0, 0},
    {ECode::G97, "G97", 'G', 97, true, false, 0, 0},
    {ECode::G98, "G98", 'G', 98, true, false, 0, 0},
    {ECode::G99, "G99", 'G', 99, true, false, 0, 0},
    {ECode::M02, "M02", 'M', 2, true, false, 0, 0},
    {ECode::M03, "M03", 'M', 3, true, false, kSpindle, 0},
    {ECode::M04, "M04", 'M', 4, true, false, kSpindle, 0},
    {ECode::M05, "M05", 'M', 5, true, false, 0, 0},
    {ECode::M08, "M08", 'M', 8, true, false, 0, 0},
    {ECode::M09, "M09", 'M', 9, true, false, 0, 0},
    {ECode::M06, "M06", 'M', 6, true, false, 0, 0},
    {ECode::M30, "M30", 'M', 30, true, false, 0, 0},
};

static_assert(std::size(kCodes) == static_cast<std::size_t>(ECode::M30) + 1);

template <typename Match>
const SCodeInfo& Find(Match match)
{
    const auto* row = std::find_if(std::begin(kCodes) + 1, std::end(kCodes), match);
    return row == std::end(kCodes) ? kCodes[0] : *row;
}

} // namespace

std::span<const SCodeInfo> CodeTable() { return {std::begin(kCodes) + 1, std::end(kCodes)}; }

const SCodeInfo& CodeInfo(ECode code) { return kCodes[static_cast<std::size_t>(code)]; }

const SCodeInfo& FindCode(std::string_view text)
{
    return Find([text](const SCodeInfo& row) { return row.text == text; });
}

const SCodeInfo& FindCode(char letter, int number)
{
    return Find([=](const SCodeInfo& row) { return row.letter == letter && row.number == number; });
}
