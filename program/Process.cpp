#include "program/Process.h"

#include "common/NumberParsing.h"

#include <limits>

namespace {
constexpr std::size_t Index(EWord word) { return static_cast<std::size_t>(word); }
} // namespace

CProcess::CProcess() : m_feed(std::numeric_limits<float>::quiet_NaN())
{
    m_end.fill(0);
}

CProcess::CProcess(int lineNumber, std::string_view code, std::string_view p, std::string_view q,
                   std::string_view x, std::string_view z, std::string_view i, std::string_view k,
                   std::string_view r, std::string_view f, std::string_view s, std::string_view t,
                   std::string_view auxCode, int listIndex, std::string_view sourceLine)
    : m_nLineNumber(lineNumber), m_nListIndex(listIndex), m_feed(static_cast<float>(FeedWordValue(f)))
{
    const std::array<std::string_view, kSegments> texts{code, p, q, x, z, i, k, r, f, s, t, auxCode, sourceLine,
                                                        {}, {}, {}};
    std::size_t total = 0;
    for (auto text : texts)
        total += text.size();
    m_text.reserve(total);
    for (std::size_t n = 0; n < kSegments; ++n) {
        m_text.append(texts[n]);
        if (n < m_end.size())
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
    return std::string_view(m_text).substr(begin, End(n) - begin);
}

void CProcess::Set(EWord word, std::string_view text)
{
    SetSegment(Index(word), text);
    if (word == EWord::F)
        m_feed = static_cast<float>(FeedWordValue(text));
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
    std::size_t oldSize = End(n) - begin;
    m_text.replace(begin, oldSize, text);
    const auto delta = static_cast<std::int64_t>(text.size()) - static_cast<std::int64_t>(oldSize);
    for (std::size_t m = n; m < m_end.size(); ++m)
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

// A plain decimal of up to 15 digits is the whole number of its digits over
// a power of ten, both exact, so one correctly rounded division gives what
// from_chars gives, at a fraction of the cost; anything else is read as any
// word.
double FeedWordValue(std::string_view word)
{
    if (word.empty())
        return std::numeric_limits<double>::quiet_NaN();
    static constexpr double kTens[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::size_t i = 1;
    const bool negative = i < word.size() && word[i] == '-';
    if (i < word.size() && (word[i] == '-' || word[i] == '+'))
        ++i;
    long long digits = 0;
    int count = 0, decimals = -1;
    for (; i < word.size() && count <= 15; ++i) {
        const char c = word[i];
        if (c == '.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c < '0' || c > '9')
            return WordValue(word);
        digits = digits * 10 + (c - '0');
        ++count;
        decimals += decimals >= 0 ? 1 : 0;
    }
    if (count == 0 || count > 15)
        return WordValue(word);
    const double value = static_cast<double>(digits) / kTens[decimals > 0 ? decimals : 0];
    return negative ? -value : value;
}
