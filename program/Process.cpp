#include "program/Process.h"

#include "common/NumberParsing.h"

namespace {
constexpr std::size_t Index(EWord word) { return static_cast<std::size_t>(word); }
} // namespace

CProcess::CProcess(int lineNumber, std::string_view code, std::string_view p, std::string_view q,
                   std::string_view x, std::string_view z, std::string_view i, std::string_view k,
                   std::string_view r, std::string_view f, std::string_view s, std::string_view t,
                   std::string_view auxCode, int listIndex, std::string_view sourceLine)
    : m_nLineNumber(lineNumber), m_nListIndex(listIndex)
{
    const std::array<std::string_view, kSegments> texts{code, p, q, x, z, i, k, r, f, s, t, auxCode, sourceLine,
                                                        {}, {}, {}};
    std::size_t total = 0;
    for (auto text : texts)
        total += text.size();
    m_text.reserve(total);
    for (std::size_t n = 0; n < kSegments; ++n) {
        m_text.append(texts[n]);
        m_end[n] = static_cast<std::uint32_t>(m_text.size());
    }
}

std::string_view CProcess::Get(EWord word) const
{
    return Segment(Index(word));
}

std::string_view CProcess::Segment(std::size_t n) const
{
    std::size_t begin = n == 0 ? 0 : m_end[n - 1];
    return std::string_view(m_text).substr(begin, m_end[n] - begin);
}

void CProcess::Set(EWord word, std::string_view text)
{
    SetSegment(Index(word), text);
}

void CProcess::SetLayout(std::string_view before, std::string_view number, std::string_view lineEnd)
{
    SetSegment(kBefore, before);
    SetSegment(kNumber, number);
    SetSegment(kLineEnd, lineEnd);
}

void CProcess::SetSegment(std::size_t n, std::string_view text)
{
    std::size_t begin = n == 0 ? 0 : m_end[n - 1];
    std::size_t oldSize = m_end[n] - begin;
    m_text.replace(begin, oldSize, text);
    const auto delta = static_cast<std::int64_t>(text.size()) - static_cast<std::int64_t>(oldSize);
    for (std::size_t m = n; m < kSegments; ++m)
        m_end[m] = static_cast<std::uint32_t>(m_end[m] + delta);
}

std::string_view CProcess::SourceLine() const
{
    return Segment(kSource);
}

bool CProcess::SameWords(const CProcess& other) const
{
    for (std::size_t n = 0; n < kTexts; ++n) {
        if (Get(static_cast<EWord>(n)) != other.Get(static_cast<EWord>(n)))
            return false;
    }
    return true;
}

double WordValue(std::string_view word)
{
    return word.size() <= 1 ? 0.0 : LeadingDouble(word.substr(1));
}
