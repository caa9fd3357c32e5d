// Writing a program so that it reads back as the same statements.
//
// Each line is one statement: its code (left out where the reader's carried
// code supplies it) and its words, exactly as stored, without separators.
// The reader fills absent words from earlier lines and picks some codes out
// of the words themselves, so a line is only written once the line checker,
// run on the state the reader will have at that point, turns it back into
// the same statement and leaves the reader carrying what the statement's
// own program line would have left. Where no plain line does, the cleaned
// program line the statement was read from is written back as it was.
#include "app/LineChecker.h"
#include "app/ProgramFile.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

namespace {

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
    // Offer lines in order of preference until tryLine accepts one.
    bool TryCandidates(const CProcess& record, const FTryLine& tryLine) const;
    bool TryCodeAndWords(const CProcess& record, const FTryLine& tryLine) const;

    SCarriedState m_reader; // what the reader will carry at this point
};

bool CProgramWriter::TryCandidates(const CProcess& r, const FTryLine& tryLine) const
{
    if (r.Code().empty()) // a tool statement, or an M statement the editor keeps apart
        return tryLine(PlainLine(r));
    if (r.Code() == "G71" && r.Get(EWord::T).find('P') != std::string_view::npos &&
        tryLine(std::string(r.Get(EWord::T)))) // the reader kept the whole line there
        return true;
    return TryCodeAndWords(r, tryLine);
}

// The plain words; then without the words the reader carries anyway (a word
// that ran to the end of its line only reads back so), all of them or those
// at the end. Each without the code where the reader carries it, then with.
bool CProgramWriter::TryCodeAndWords(const CProcess& r, const FTryLine& tryLine) const
{
    const std::string code(r.Code());
    const bool carried = code == m_reader.code;
    for (const SWordStyle style : {SWordStyle{}, SWordStyle{&m_reader}, SWordStyle{&m_reader, true}}) {
        const std::string words = WordsFor(code, r, style);
        if ((carried && tryLine(words)) || tryLine(code + words))
            return true;
    }
    return false;
}

// Reads line on a copy of the state; the statement it gives, if any.
std::unique_ptr<CProcess> ReadOn(std::string_view line, SCarriedState& state)
{
    return CLineChecker::CheckQuietly(line, state);
}

std::string CProgramWriter::Line(const CProcess& record)
{
    // What the statement's own line leaves the reader carrying: a plainer
    // line must leave the same, or later lines would read otherwise.
    std::optional<SCarriedState> target;
    if (!record.SourceLine().empty()) {
        SCarriedState state = m_reader;
        const auto back = ReadOn(record.SourceLine(), state);
        if (back && back->SameWords(record))
            target = std::move(state);
    }
    std::string chosen;
    const bool found = TryCandidates(record, [&](const std::string& line) {
        SCarriedState state = m_reader;
        const auto back = ReadOn(line, state);
        if (!back || !back->SameWords(record) || (target && !(state == *target)))
            return false;
        m_reader = std::move(state);
        chosen = line;
        return true;
    });
    if (found)
        return chosen;
    if (target) {
        m_reader = std::move(*target);
        return std::string(record.SourceLine());
    }
    // A statement no line reads back as (the editor's cycle codes, or one
    // whose carried words have changed since it was read): write the plain
    // form, and follow what the reader will make of it.
    chosen = PlainLine(record);
    ReadOn(chosen, m_reader);
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
