#include "program/ProgramLines.h"

#include "common/NumberText.h"
#include "program/StatementMeaning.h"
#include "program/VelmoraDoc.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace {

bool IsBare(std::string_view word) { return word.size() <= 1; }

// The reader's carried text that fills an absent word of a statement with
// this code, or null where nothing is filled in.
const std::string* CarriedWord(const SCarriedState& state, std::string_view code, EWord word)
{
    const bool cycle = code == "G90" || code == "G92" || code == "G94";
    if (code.starts_with("G7") || (cycle && word != EWord::X && word != EWord::Z))
        return nullptr;
    switch (word) {
    case EWord::X: return &state.x;
    case EWord::Z: return &state.z;
    case EWord::F: return &state.f;
    case EWord::I: return &state.i;
    case EWord::K: return &state.k;
    case EWord::R: return &state.r;
    default: return nullptr;
    }
}

// Collects a statement's words into a line.
class CWordLine {
public:
    CWordLine(std::string_view code, const CProcess& record, SWordStyle style)
        : m_code(code), m_record(record), m_style(style) {}

    void Add(std::initializer_list<EWord> words)
    {
        for (EWord word : words) {
            const std::string* carried = m_style.carried ? CarriedWord(*m_style.carried, m_code, word) : nullptr;
            m_words.push_back({m_record.Get(word), carried && *carried == m_record.Get(word)});
        }
    }
    const CProcess& Record() const { return m_record; }
    std::string Take();

private:
    struct SPiece {
        std::string_view text;
        bool carriedAnyway;
    };

    std::string_view m_code;
    const CProcess& m_record;
    SWordStyle m_style;
    std::vector<SPiece> m_words;
};

std::string CWordLine::Take()
{
    std::size_t keep = m_words.size(); // words from here on may be left out
    if (m_style.onlyTrailing) {
        while (keep > 0 && m_words[keep - 1].carriedAnyway)
            --keep;
    } else {
        keep = 0;
    }
    std::string line;
    for (std::size_t n = 0; n < m_words.size(); ++n) {
        if (n < keep || !m_words[n].carriedAnyway)
            line.append(m_words[n].text);
    }
    return line;
}

void AddWordsFor(std::string_view code, CWordLine& line)
{
    const CProcess& r = line.Record();
    if (code == "G00" || code == "G40" || code == "G41" || code == "G42") {
        line.Add({EWord::X, EWord::Z});
    } else if (code == "G01" || code == "G32") {
        line.Add({EWord::X, EWord::Z, EWord::F});
    } else if (code == "G02" || code == "G03") {
        line.Add({EWord::X, EWord::Z});
        // The centre is I and K, or R when I and K carry no value and R has.
        if (IsBare(r.Get(EWord::I)) && IsBare(r.Get(EWord::K)) && !r.Get(EWord::R).empty())
            line.Add({EWord::R});
        else
            line.Add({EWord::I, EWord::K});
        line.Add({EWord::F});
    } else if (code == "G90" || code == "G94" || code == "G92") {
        line.Add({EWord::X, EWord::Z, EWord::R, EWord::F});
    } else if (code == "G71(1)") {
        line.Add({EWord::X, EWord::R});
    } else if (code == "G73(1)" || code == "G72") {
        line.Add({EWord::X, EWord::Z, EWord::R});
    } else if (code == "G71(2)" || code == "G73(2)") {
        line.Add({EWord::P, EWord::Q, EWord::X, EWord::Z, EWord::F, EWord::S, EWord::T});
    } else if (code == "G71" || code == "G73") {
        // The editor stores both cycle lines under the bare code.
        const bool second = !IsBare(r.Get(EWord::P));
        AddWordsFor(code == "G71" ? (second ? "G71(2)" : "G71(1)") : (second ? "G73(2)" : "G73(1)"), line);
    } else if (code == "G76") {
        line.Add({EWord::X, EWord::Z, EWord::I, EWord::K, EWord::R, EWord::F});
    } else if (code == "G04") {
        line.Add({EWord::P, EWord::X});
    } else if (code == "G70") {
        line.Add({EWord::P, EWord::Q});
    } else if (code == "M03" || code == "M04" || code == "M08" || code == "G50" || code == "G96" || code == "G97") {
        line.Add({EWord::S});
    }
}

// The bare letter of a word that has no value: a cycle's U stays a U.
std::string BareLetter(EWord word, std::string_view clean)
{
    const char first = clean.empty() ? '\0' : clean[0];
    if (word == EWord::X)
        return first == 'U' ? "U" : "X";
    if (word == EWord::Z)
        return first == 'W' ? "W" : "Z";
    static constexpr std::string_view kLetters = "?PQXZIKRFST";
    return std::string(1, kLetters[static_cast<std::size_t>(word)]);
}

char LetterOf(std::string_view word)
{
    const char c = word.empty() ? '\0' : word[0];
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The X and Z of a move: absolute ones as they are (unless both are to go),
// the others replaced by the end point they lead to. Letters count as the
// end point's rule reads them, from the word's first character.
void AbsoluteMove(const CProcess& record, std::array<std::string, CProcess::kTexts>& texts, SPoint end,
                  EMoveWords words)
{
    const char xLetter = LetterOf(record.Get(EWord::X)), zLetter = LetterOf(record.Get(EWord::Z));
    const bool usable = (xLetter == 'X' || xLetter == 'U') && (zLetter == 'Z' || zLetter == 'W');
    const bool both = !usable || words == EMoveWords::EndPoint;
    const std::string endX = LengthText(end.x), endZ = LengthText(end.z);
    if (endX.empty() || endZ.empty())
        return;
    if (both || xLetter != 'X')
        texts[static_cast<std::size_t>(EWord::X)] = "X" + endX;
    if (both || zLetter != 'Z')
        texts[static_cast<std::size_t>(EWord::Z)] = "Z" + endZ;
}

} // namespace

std::string WordsFor(std::string_view code, const CProcess& record, SWordStyle style)
{
    CWordLine line(code, record, style);
    AddWordsFor(code, line);
    return line.Take();
}

std::string PlainLine(const CProcess& record)
{
    if (!record.Code().empty())
        return std::string(record.Code()) + WordsFor(record.Code(), record);
    if (!record.AuxCode().empty())
        return std::string(record.AuxCode()) + WordsFor(record.AuxCode(), record);
    return std::string(record.Get(EWord::T));
}

CProcess ReadableForm(const CProcess& record, SPoint end, EMoveWords words)
{
    const SStatementMeaning meaning = MeaningOf(record);
    const bool motion = meaning.motion;
    std::array<std::string, CProcess::kTexts> texts;
    for (std::size_t n = static_cast<std::size_t>(EWord::P); n <= static_cast<std::size_t>(EWord::T); ++n) {
        const auto word = static_cast<EWord>(n);
        const std::string clean = CleanedText(record.Get(word));
        if (motion && (word == EWord::X || word == EWord::Z)) {
            texts[n] = clean;
            continue;
        }
        texts[n] = NormalWord(word, clean);
        if (texts[n].empty() && (word != EWord::T || meaning.kind.empty()) && meaning.Takes(word))
            texts[n] = BareLetter(word, clean);
    }
    if (motion)
        AbsoluteMove(record, texts, end, words);
    auto at = [&texts](EWord word) -> std::string_view { return texts[static_cast<std::size_t>(word)]; };
    return CProcess(record.m_nLineNumber, meaning.kind, at(EWord::P), at(EWord::Q), at(EWord::X), at(EWord::Z),
                    at(EWord::I), at(EWord::K), at(EWord::R), at(EWord::F), at(EWord::S), at(EWord::T), "",
                    record.m_nListIndex);
}

std::string LengthText(double value)
{
    if (!std::isfinite(value))
        return {};
    std::string text = FixedText(value, 6);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}
