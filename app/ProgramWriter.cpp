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

#include <initializer_list>
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

// Collects a statement's words into a line; with a carried state, leaves
// out the words the reader would fill in from it anyway.
class CWordLine {
public:
    CWordLine(std::string_view code, const CProcess& record, const SCarriedState* omitCarried)
        : m_code(code), m_record(record), m_omit(omitCarried) {}

    void Add(std::initializer_list<EWord> words)
    {
        for (EWord word : words) {
            const std::string* carried = m_omit ? CarriedWord(*m_omit, m_code, word) : nullptr;
            if (!carried || *carried != m_record.Get(word))
                m_line.append(m_record.Get(word));
        }
    }
    const CProcess& Record() const { return m_record; }
    std::string Take() { return std::move(m_line); }

private:
    std::string_view m_code;
    const CProcess& m_record;
    const SCarriedState* m_omit;
    std::string m_line;
};

void AddWordsFor(std::string_view code, CWordLine& line)
{
    const CProcess& r = line.Record();
    if (code == "G00") {
        line.Add({EWord::X, EWord::Z});
    } else if (code == "G01" || code == "G32") {
        line.Add({EWord::X, EWord::Z, EWord::F});
    } else if (code == "G02" || code == "G03") {
        line.Add({EWord::X, EWord::Z});
        // The centre is I and K, or R when I and K carry no value.
        if (IsBare(r.Get(EWord::I)) && IsBare(r.Get(EWord::K)))
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
std::string WordsFor(std::string_view code, const CProcess& r, const SCarriedState* omitCarried = nullptr)
{
    CWordLine line(code, r, omitCarried);
    AddWordsFor(code, line);
    return line.Take();
}

// Every word with text, in the record's field order.
std::string AllWords(const CProcess& r)
{
    CWordLine line(r.Code(), r, nullptr);
    line.Add({EWord::P, EWord::Q, EWord::X, EWord::Z, EWord::I, EWord::K, EWord::R, EWord::F, EWord::S, EWord::T});
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

class CProgramWriter {
public:
    std::string Line(const CProcess& record);

private:
    std::vector<std::string> Candidates(const CProcess& record) const;
    bool ReadsBackAs(const std::string& line, const CProcess& record, SCarriedState& state) const;

    SCarriedState m_reader; // what the reader will carry at this point
};

std::vector<std::string> CProgramWriter::Candidates(const CProcess& r) const
{
    const std::string code(r.Code());
    std::vector<std::string> lines;
    if (code.empty()) {
        // A tool statement, or an M statement the editor keeps apart.
        const std::string aux(r.AuxCode());
        lines.push_back(aux.empty() ? std::string(r.Get(EWord::T)) : aux + WordsFor(aux, r));
        // A word-less statement with no code: an unknown M code and a bare
        // word read back as exactly that at the start of a file.
        if (aux.empty() && r.Get(EWord::T).empty())
            lines.push_back("M00X");
        return lines;
    }
    const std::string words = WordsFor(code, r);
    if (code == "G71" && r.Get(EWord::T).find('P') != std::string_view::npos)
        lines.push_back(std::string(r.Get(EWord::T))); // the reader kept the whole line there
    if (code == m_reader.code)
        lines.push_back(words);
    lines.push_back(code + words);
    // A word that ran to the end of its line only reads back when the words
    // the reader carries anyway are left out after it.
    lines.push_back(code + WordsFor(code, r, &m_reader));
    if (code.front() == 'M') {
        // The words of an M statement come from the G code of its line.
        // The M code stands inside a word, after the G words or before them.
        for (const char* g : {"G00", "G01", "G32", "G02", "G03", "G90", "G94"}) {
            for (const SCarriedState* omit : {static_cast<const SCarriedState*>(nullptr), &m_reader}) {
                const std::string gWords = g + WordsFor(g, r, omit);
                lines.push_back(gWords);
                lines.push_back(gWords + code + words);
                lines.push_back(code + gWords);
            }
        }
    }
    lines.push_back(code + AllWords(r));
    // Where a letter is missing, a word reaches back to the start of its
    // line and so holds the whole line.
    for (std::size_t n = 1; n < CProcess::kTexts; ++n) {
        const std::string_view word = r.Get(static_cast<EWord>(n));
        if (word.size() > 1)
            lines.emplace_back(word);
    }
    return lines;
}

bool CProgramWriter::ReadsBackAs(const std::string& line, const CProcess& record, SCarriedState& state) const
{
    const auto back = CLineChecker::CheckQuietly(line, state);
    return back && SameCodeAndWords(*back, record);
}

std::string CProgramWriter::Line(const CProcess& record)
{
    const std::vector<std::string> candidates = Candidates(record);
    for (const std::string& line : candidates) {
        SCarriedState trial = m_reader;
        if (ReadsBackAs(line, record, trial)) {
            m_reader = std::move(trial);
            return line;
        }
    }
    // No line reads back exactly (statements the reader cannot produce, such
    // as the editor's cycle codes): write the plain form, and follow what
    // the reader will make of it.
    const std::string line = record.Code().empty() ? candidates.front()
                                                   : std::string(record.Code()) + WordsFor(record.Code(), record);
    CLineChecker::CheckQuietly(line, m_reader);
    return line;
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
