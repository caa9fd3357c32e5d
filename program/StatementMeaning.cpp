#include "program/StatementMeaning.h"

#include "program/VelmoraDoc.h"

#include <cmath>
#include <initializer_list>

namespace {

constexpr unsigned Bit(EWord word) { return 1u << static_cast<unsigned>(word); }

// The words each kind keeps besides the X and Z of a move, which count by
// the points they give.
struct SKindWords {
    std::initializer_list<std::string_view> kinds;
    unsigned words;
};

const SKindWords kKindWords[] = {
    {{""}, Bit(EWord::T)},
    {{"G01", "G32"}, Bit(EWord::F)},
    {{"G02", "G03"}, Bit(EWord::I) | Bit(EWord::K) | Bit(EWord::R) | Bit(EWord::F)},
    {{"G90", "G94"}, Bit(EWord::R) | Bit(EWord::F)},
    {{"M03", "M04"}, Bit(EWord::S) | Bit(EWord::T)},
};
constexpr unsigned kCycleFirstLine = Bit(EWord::X) | Bit(EWord::R);
constexpr unsigned kCycleSecondLine = Bit(EWord::P) | Bit(EWord::Q) | Bit(EWord::X) | Bit(EWord::Z) |
                                      Bit(EWord::F) | Bit(EWord::S) | Bit(EWord::T);

unsigned WordsTaken(std::string_view kind, const CProcess& record)
{
    if (kind == "G71" || kind == "G73") // the P tells the two lines apart, as it does for the reader
        return NormalWord(EWord::P, record.Get(EWord::P)).empty() ? kCycleFirstLine : kCycleSecondLine;
    for (const SKindWords& entry : kKindWords) {
        for (std::string_view k : entry.kinds) {
            if (k == kind)
                return entry.words;
        }
    }
    return 0;
}

} // namespace

std::string CleanedText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (static_cast<signed char>(c) <= 32)
            continue;
        out.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
    }
    return out;
}

std::string StatementKind(const CProcess& record)
{
    std::string kind = CleanedText(record.Code().empty() ? record.AuxCode() : record.Code());
    if (kind == "T")
        return {};
    if (kind.ends_with("(1)") || kind.ends_with("(2)"))
        kind.resize(kind.size() - 3);
    return kind;
}

std::string NormalWord(EWord word, std::string_view text)
{
    std::string clean = CleanedText(text);
    if (word == EWord::T) {
        const std::size_t letter = clean.find('T');
        if (letter == std::string::npos || letter + 1 == clean.size())
            return {};
        return clean.substr(letter);
    }
    if (clean.size() <= 1)
        clean.clear();
    return clean;
}

SStatementMeaning MeaningOf(const CProcess& record)
{
    SStatementMeaning meaning;
    meaning.kind = StatementKind(record);
    meaning.motion = CVelmoraDoc::IsMotion(record);
    meaning.taken = WordsTaken(meaning.kind, record);
    for (std::size_t n = 0; n < CProcess::kTexts; ++n) {
        const auto word = static_cast<EWord>(n);
        if (meaning.Takes(word))
            meaning.words[n] = NormalWord(word, record.Get(word));
    }
    return meaning;
}

SPoint EndPointFrom(const CProcess& record, SPoint start)
{
    return CVelmoraDoc::EndPointFrom(record, start, {}); // a new statement's end is (0, 0)
}

bool SamePlace(SPoint a, SPoint b)
{
    constexpr double kMillionth = 1e-6; // mm
    auto same = [](double u, double v) { return u == v || std::fabs(u - v) <= kMillionth; };
    return same(a.x, b.x) && same(a.z, b.z);
}
