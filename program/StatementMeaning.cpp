#include "program/StatementMeaning.h"

#include "program/Codes.h"
#include "program/VelmoraDoc.h"

#include <cmath>

namespace {

// The words a kind keeps besides the X and Z of a move, which count by the
// points they give.
unsigned WordsTaken(std::string_view kind, const CProcess& record)
{
    if (kind.empty())
        return 1u << static_cast<unsigned>(EWord::T);
    const SCodeInfo& code = FindCode(kind);
    // The P tells a cycle's two lines apart, as it does for the reader.
    if (code.secondLine != 0 && !NormalWord(EWord::P, record.Get(EWord::P)).empty())
        return code.secondLine;
    return code.words;
}

} // namespace

bool SStatementMeaning::operator==(const SStatementMeaning& other) const
{
    return kind == other.kind && taken == other.taken && words == other.words && motion == other.motion;
}

bool SStatementMeaning::ShownAgainBy(const SStatementMeaning& back) const
{
    for (std::size_t n = 0; n < shown.size(); ++n)
        if (!shown[n].empty() && shown[n] != back.shown[n])
            return false;
    return true;
}

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
    // The X and Z a statement that does not move brings along are used by
    // nothing, but the editor's table shows them: a save that changes them
    // is named like any other change.
    if (!meaning.motion)
        for (const EWord word : {EWord::X, EWord::Z})
            meaning.shown[static_cast<std::size_t>(word)] = NormalWord(word, record.Get(word));
    return meaning;
}

SPoint EndPointFrom(const CProcess& record, SPoint start)
{
    return CVelmoraDoc::EndPointFrom(record, start, {}); // a new statement's end is (0, 0)
}

SPoint TargetFrom(const CProcess& record, SPoint start)
{
    return CVelmoraDoc::TargetFrom(record, start, {});
}

bool SamePlace(SPoint a, SPoint b)
{
    constexpr double kMillionth = 1e-6; // mm
    auto same = [](double u, double v) { return u == v || std::fabs(u - v) <= kMillionth; };
    return same(a.x, b.x) && same(a.z, b.z);
}
