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

void Append(std::string& line, const CProcess& record, std::initializer_list<EWord> words)
{
    for (EWord word : words)
        line.append(record.Get(word));
}

// The words of a statement in the order the reader takes them apart.
std::string WordsFor(std::string_view code, const CProcess& r)
{
    std::string line;
    if (code == "G00") {
        Append(line, r, {EWord::X, EWord::Z});
    } else if (code == "G01" || code == "G32") {
        Append(line, r, {EWord::X, EWord::Z, EWord::F});
    } else if (code == "G02" || code == "G03") {
        Append(line, r, {EWord::X, EWord::Z});
        // The centre is I and K, or R when I and K carry no value.
        if (IsBare(r.Get(EWord::I)) && IsBare(r.Get(EWord::K)))
            Append(line, r, {EWord::R});
        else
            Append(line, r, {EWord::I, EWord::K});
        Append(line, r, {EWord::F});
    } else if (code == "G90" || code == "G94") {
        Append(line, r, {EWord::X, EWord::Z, EWord::R, EWord::F});
    } else if (code == "G71(1)") {
        Append(line, r, {EWord::X, EWord::R});
    } else if (code == "G73(1)") {
        Append(line, r, {EWord::X, EWord::Z, EWord::R});
    } else if (code == "G71(2)" || code == "G73(2)") {
        Append(line, r, {EWord::P, EWord::Q, EWord::X, EWord::Z, EWord::F, EWord::S, EWord::T});
    } else if (code == "G71" || code == "G73") {
        // The editor stores both cycle lines under the bare code.
        if (!IsBare(r.Get(EWord::P)))
            return WordsFor(code == "G71" ? "G71(2)" : "G73(2)", r);
        return WordsFor(code == "G71" ? "G71(1)" : "G73(1)", r);
    } else if (code == "M03" || code == "M04") {
        Append(line, r, {EWord::S});
    }
    return line;
}

// Every word with text, in the record's field order.
std::string AllWords(const CProcess& r)
{
    std::string line;
    Append(line, r, {EWord::P, EWord::Q, EWord::X, EWord::Z, EWord::I, EWord::K, EWord::R,
                     EWord::F, EWord::S, EWord::T});
    return line;
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
    if (code.front() == 'M') {
        // The words of an M statement come from the G code of its line.
        for (const char* g : {"G00", "G01", "G32", "G02", "G03", "G90", "G94"}) {
            lines.push_back(g + WordsFor(g, r));
            lines.push_back(code + g + WordsFor(g, r));
        }
    }
    lines.push_back(code + AllWords(r));
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
