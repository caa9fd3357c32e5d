// Writing a program so that it reads back as the same statements.
//
// Each line is one statement: its code (left out where the reader's carried
// code supplies it) and its words, exactly as stored, without separators.
// The reader fills absent words from earlier lines and picks some codes out
// of the words themselves, so a line is only written once the line checker,
// run on the state the reader will have at that point, turns it back into
// the same statement. The first candidate that does is taken.
#include "app/LineChecker.h"
#include "app/ProgramFile.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <vector>

namespace {

// Codes whose words an M code on the same line keeps.
constexpr const char* kMoveCodes[] = {"G00", "G01", "G32", "G02", "G03", "G90", "G94", "G71"};

bool IsBare(std::string_view word) { return word.size() <= 1; }

// The reader's carried text that fills an absent word of a statement with
// this code, or null where nothing is filled in.
const std::string* CarriedWord(const SCarriedState& state, std::string_view code, EWord word)
{
    const bool cycle = code == "G90" || code == "G94";
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

// How a statement's words are put into a line.
struct SWordStyle {
    // With a carried state, words the reader would fill in from it anyway
    // are left out: all of them, or only those at the end of the line.
    const SCarriedState* carried = nullptr;
    bool onlyTrailing = false;
    // Words cut from letters out of order can overlap (a Z word running on
    // to an R that stands after the F) or stand inside one another: such a
    // word joins the line where its start already ends it.
    bool mergeOverlaps = false;
};

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
    bool HeldByLongerWord(std::string_view word) const;
    void Append(std::string& line, std::string_view word) const;

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
            Append(line, m_words[n].text);
    }
    return line;
}

// A word that another, longer word holds whole stood inside it.
bool CWordLine::HeldByLongerWord(std::string_view word) const
{
    for (std::size_t n = 1; n < CProcess::kTexts; ++n) {
        const std::string_view other = m_record.Get(static_cast<EWord>(n));
        if (other.size() > word.size() && other.find(word) != std::string_view::npos)
            return true;
    }
    return false;
}

void CWordLine::Append(std::string& line, std::string_view word) const
{
    std::size_t overlap = 0;
    if (m_style.mergeOverlaps) {
        if (word.empty() || HeldByLongerWord(word))
            return;
        for (std::size_t k = std::min(word.size(), line.size()); k > 0 && overlap == 0; --k)
            overlap = std::string_view(line).ends_with(word.substr(0, k)) ? k : 0;
    }
    line.append(word.substr(overlap));
}

void AddWordsFor(std::string_view code, CWordLine& line)
{
    const CProcess& r = line.Record();
    if (code == "G00") {
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
    } else if (code == "G90" || code == "G94") {
        line.Add({EWord::X, EWord::Z, EWord::R, EWord::F});
    } else if (code == "G71(1)") {
        line.Add({EWord::X, EWord::R});
    } else if (code == "G73(1)") {
        line.Add({EWord::X, EWord::Z, EWord::R});
    } else if (code == "G71(2)" || code == "G73(2)") {
        line.Add({EWord::P, EWord::Q, EWord::X, EWord::Z, EWord::F, EWord::S, EWord::T});
    } else if (code == "G71" || code == "G73") {
        // The editor stores both cycle lines under the bare code.
        const bool second = !IsBare(r.Get(EWord::P));
        AddWordsFor(code == "G71" ? (second ? "G71(2)" : "G71(1)") : (second ? "G73(2)" : "G73(1)"), line);
    } else if (code == "M03" || code == "M04") {
        line.Add({EWord::S});
    }
}

// The words of a statement in the order the reader takes them apart.
std::string WordsFor(std::string_view code, const CProcess& r, SWordStyle style = {})
{
    CWordLine line(code, r, style);
    AddWordsFor(code, line);
    return line.Take();
}

// With overlaps merged this rebuilds a line whose letters stand out of
// order, as long as each word's text still shows where it stood. A cycle's
// "R0" stands for an absent R and is left out on request.
std::string AllWords(const CProcess& r, bool mergeOverlaps = false, bool dropR0 = false)
{
    CWordLine line(r.Code(), r, {nullptr, false, mergeOverlaps});
    for (EWord word : {EWord::P, EWord::Q, EWord::X, EWord::Z, EWord::I, EWord::K, EWord::R, EWord::F, EWord::S,
                       EWord::T}) {
        if (!(dropR0 && word == EWord::R && r.Get(word) == "R0"))
            line.Add({word});
    }
    return line.Take();
}

bool SameCodeAndWords(const CProcess& a, const CProcess& b)
{
    for (std::size_t n = 0; n < CProcess::kTexts; ++n) {
        const auto word = static_cast<EWord>(n);
        if (a.Get(word) != b.Get(word))
            return false;
    }
    return true;
}

// The statement in the line format: its code (or, without one, its
// auxiliary code or its tool word) followed by its words.
std::string PlainLine(const CProcess& r)
{
    if (!r.Code().empty())
        return std::string(r.Code()) + WordsFor(r.Code(), r);
    if (!r.AuxCode().empty())
        return std::string(r.AuxCode()) + WordsFor(r.AuxCode(), r);
    return std::string(r.Get(EWord::T));
}

using FTryLine = std::function<bool(const std::string&)>;

class CProgramWriter {
public:
    std::string Line(const CProcess& record);

private:
    // Each offers lines in order of preference until tryLine accepts one.
    bool TryCandidates(const CProcess& record, const FTryLine& tryLine) const;
    bool TryCodeAndWords(const CProcess& record, const FTryLine& tryLine) const;
    bool TryMCodeInMove(const CProcess& record, const FTryLine& tryLine) const;
    bool TryWholeLineWords(const CProcess& record, const FTryLine& tryLine) const;
    bool TryAllWords(const CProcess& record, const FTryLine& tryLine) const;
    bool ReadsBackAs(const std::string& line, const CProcess& record, SCarriedState& state) const;

    SCarriedState m_reader; // what the reader will carry at this point
};

bool CProgramWriter::TryCandidates(const CProcess& r, const FTryLine& tryLine) const
{
    // A statement that is no more than the carried code (or, at the start of
    // a file, no code at all) reads back from an unknown M code and a bare
    // word.
    if (r.Code().empty()) // a tool statement, or an M statement the editor keeps apart
        return tryLine(PlainLine(r)) || tryLine("M00X");
    if (r.Code() == "G71" && r.Get(EWord::T).find('P') != std::string_view::npos &&
        tryLine(std::string(r.Get(EWord::T)))) // the reader kept the whole line there
        return true;
    return TryCodeAndWords(r, tryLine) || TryMCodeInMove(r, tryLine) || TryAllWords(r, tryLine) ||
           TryWholeLineWords(r, tryLine) || tryLine("M00X");
}

// The plain words; without the words the reader carries anyway (a word that
// ran to the end of its line only reads back so); and with words that
// overlap in their line joined. Each without the code where the reader
// carries it, then with it.
bool CProgramWriter::TryCodeAndWords(const CProcess& r, const FTryLine& tryLine) const
{
    const std::string code(r.Code());
    const bool carried = code == m_reader.code;
    const std::string words = WordsFor(code, r);
    if ((carried && tryLine(words)) || tryLine(code + words))
        return true;
    for (const std::string& variant : {WordsFor(code, r, {&m_reader}), WordsFor(code, r, {&m_reader, true}),
                                       WordsFor(code, r, {nullptr, false, true}),
                                       WordsFor(code, r, {&m_reader, false, true})}) {
        if ((carried && tryLine(variant)) || tryLine(code + variant))
            return true;
    }
    return false;
}

// The words of an M statement come from the G code of its line; the M code
// stands inside a word, after the G words or before them.
bool CProgramWriter::TryMCodeInMove(const CProcess& r, const FTryLine& tryLine) const
{
    const std::string code(r.Code());
    if (code.front() != 'M')
        return false;
    const std::string words = WordsFor(code, r);
    // A word-less G code in front, or the G words inside the S word, or
    // inside one another.
    if (tryLine("G40" + code + words))
        return true;
    const std::string merged = AllWords(r, true, true);
    for (const char* g : kMoveCodes) {
        if (tryLine(g + code + words) || tryLine(g + code + merged))
            return true;
        for (const SCarriedState* omit : {static_cast<const SCarriedState*>(nullptr), &m_reader}) {
            const std::string gWords = g + WordsFor(g, r, {omit});
            if (tryLine(gWords) || tryLine(gWords + code + words) || tryLine(code + gWords))
                return true;
        }
    }
    return false;
}

// Every word, the code inside one of them or in front.
bool CProgramWriter::TryAllWords(const CProcess& r, const FTryLine& tryLine) const
{
    const std::string code(r.Code());
    if (tryLine(code + AllWords(r)))
        return true;
    // An unknown M code in front keeps an M code inside a word from
    // counting.
    for (bool dropR0 : {false, true}) {
        const std::string merged = AllWords(r, true, dropR0);
        if (tryLine(merged) || tryLine(code + merged) || tryLine("M00" + code + merged))
            return true;
    }
    return false;
}

// Where a letter is missing or out of order, a word reaches back to the
// start of its line, or on to its end, and so holds the rest of it.
bool CProgramWriter::TryWholeLineWords(const CProcess& r, const FTryLine& tryLine) const
{
    const std::string code(r.Code());
    for (std::size_t n = 1; n < CProcess::kTexts; ++n) {
        const std::string word(r.Get(static_cast<EWord>(n)));
        if (word.size() <= 1)
            continue;
        if (tryLine(word) || tryLine(code + word))
            return true;
        if (code.front() == 'M') {
            for (const char* g : kMoveCodes) {
                if (tryLine(g + word))
                    return true;
            }
        }
    }
    return false;
}

bool CProgramWriter::ReadsBackAs(const std::string& line, const CProcess& record, SCarriedState& state) const
{
    const auto back = CLineChecker::CheckQuietly(line, state);
    return back && SameCodeAndWords(*back, record);
}

std::string CProgramWriter::Line(const CProcess& record)
{
    std::string chosen;
    const bool found = TryCandidates(record, [&](const std::string& line) {
        SCarriedState trial = m_reader;
        if (!ReadsBackAs(line, record, trial))
            return false;
        m_reader = std::move(trial);
        chosen = line;
        return true;
    });
    if (found)
        return chosen;
    // No line reads back exactly (statements the reader cannot produce, such
    // as the editor's cycle codes): write the plain form, and follow what
    // the reader will make of it.
    chosen = PlainLine(record);
    CLineChecker::CheckQuietly(chosen, m_reader);
    return chosen;
}

} // namespace

std::string FormatProgram(const CVelmoraDoc& doc)
{
    CProgramWriter writer;
    std::string text;
    for (const auto& record : doc.Statements()) {
        text += writer.Line(*record);
        text += '\n';
    }
    return text;
}
