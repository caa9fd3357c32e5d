#pragma once
// One program statement. Words are kept as text, address letter included
// (X20.5, U-2), exactly as read or typed; numbers are taken from them only
// where needed.
//
// All texts share one buffer: a program of a million statements must stay
// within a few hundred bytes per statement, and twelve separate strings
// alone would take that.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

enum class EWord : std::uint8_t { Code, P, Q, X, Z, I, K, R, F, S, T, AuxCode, Count };

struct SPoint {
    double x = 0.0;
    double z = 0.0;
    bool operator==(const SPoint&) const = default;
};

class CProcess {
public:
    static constexpr std::size_t kTexts = static_cast<std::size_t>(EWord::Count);

    CProcess();
    // Fields in the order programs and the editor give them.
    CProcess(int lineNumber, std::string_view code, std::string_view p, std::string_view q,
             std::string_view x, std::string_view z, std::string_view i, std::string_view k,
             std::string_view r, std::string_view f, std::string_view s, std::string_view t,
             std::string_view auxCode, int listIndex, std::string_view sourceLine = {});

    std::string_view Get(EWord word) const;
    void Set(EWord word, std::string_view text);
    // The F word's value, read once when the word is set, since every start
    // times the moves by it; NaN without an F word.
    double FeedValue() const { return static_cast<double>(m_feed); }

    std::string_view Code() const { return Get(EWord::Code); }
    // The cleaned program line a statement was read from (empty for
    // statements made in the editor): saving writes it back where no plainer
    // line reads back the same.
    std::string_view SourceLine() const;
    std::string_view AuxCode() const { return Get(EWord::AuxCode); }

    // How the statement stood in its file, so that a save gives the student
    // back their comments and numbering: the whole lines before it
    // (comments, blank lines, program number lines), each ending in a line
    // feed; its sequence number word as typed; and what followed it on its
    // line (end-of-block mark, comments). None of them is read as words.
    std::string_view KeptBefore() const { return Segment(kBefore); }
    std::string_view NumberWord() const { return Segment(kNumber); }
    std::string_view LineEnd() const { return Segment(kLineEnd); }
    void SetLayout(std::string_view before, std::string_view number, std::string_view lineEnd);
    void CopyLayout(const CProcess& from) { SetLayout(from.KeptBefore(), from.NumberWord(), from.LineEnd()); }

    // Same codes and words; a same statement also has the same number.
    // Neither looks at the list index, the points or the source line.
    bool SameWords(const CProcess& other) const;
    bool SameStatement(const CProcess& other) const
    {
        return m_nLineNumber == other.m_nLineNumber && SameWords(other);
    }

    int m_nLineNumber = 0;
    int m_nListIndex = 0;
    SPoint m_ptStart; // programmed start point, mm
    SPoint m_ptEnd;   // programmed end point, mm

private:
    // The words, then the source line and the layout.
    static constexpr std::size_t kSource = kTexts, kBefore = kTexts + 1, kNumber = kTexts + 2,
                                 kLineEnd = kTexts + 3, kSegments = kTexts + 4;
    std::string_view Segment(std::size_t n) const;
    void SetSegment(std::size_t n, std::string_view text);

    // The end of segment n in m_text. The last segment ends with the text,
    // so its end is not kept: that room holds the feed value, and the
    // statement stays at its size, which a million of them feel.
    std::size_t End(std::size_t n) const { return n + 1 == kSegments ? m_text.size() : m_end[n]; }

    std::string m_text;
    std::array<std::uint32_t, kSegments - 1> m_end; // end offset of each text but the last in m_text
    float m_feed; // F values have a few digits; a float keeps them in the room above
};

// The value of a word: the text after its letter read as a decimal number,
// longest numeric prefix; empty or non-numeric text gives 0.
double WordValue(std::string_view word);
// The same, quickly for the plain decimals that F words are; NaN for an
// empty word.
double FeedWordValue(std::string_view word);
