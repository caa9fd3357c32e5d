// Writing a program so that it reads back as the same statements.
//
// Each line is one statement: its code (left out where the reader's carried
// code supplies it) and its words, without separators. The reader fills
// absent words from earlier lines and picks some codes out of the words
// themselves, so no line is written before the line checker, run on the
// state the reader will have at that point, has read it. In order of
// preference:
// 1. a line that gives back the statement word for word and leaves the
//    reader carrying what the statement's own program line would have left
//    (else later lines would read otherwise); failing that, that program
//    line itself, cleaned, where it still reads back so;
// 2. a line that gives back the same statement in what the program does
//    with it (StatementMeaning.h): a move given with U and W, for one, as
//    its absolute end point;
// 3. where no line does, the best one: a line that still gives a statement
//    of the same kind, else one the reader passes over without a message,
//    else the plain line.
// Every statement that will not read back the same is named in the result.
// The comments, sequence numbers and marks the file had around a statement
// go back around its line; the reader takes none of them as words.
#include "program/LineChecker.h"
#include "program/ProgramFile.h"
#include "program/ProgramLines.h"
#include "program/StatementMeaning.h"

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace {

// A line and what the reader makes of it.
struct SReadLine {
    std::string line;
    std::unique_ptr<CProcess> back; // the statement it gives, if any
    SCarriedState state;            // what the reader carries after it
    bool rejected = false;          // reported with a message
};

// The statement being written: where it takes the tool, and what of it
// counts, worked out only once a line has to be judged by it.
struct SWriting {
    const CProcess& record;
    SPoint start, end;
    bool motion;
    const SStatementMeaning& Meaning() const
    {
        if (!meaning)
            meaning = MeaningOf(record);
        return *meaning;
    }
    mutable std::optional<SStatementMeaning> meaning;
};

using FTryLine = std::function<bool(const std::string&)>;
using FAccept = std::function<bool(const SReadLine&)>;

class CProgramWriter {
public:
    std::string Line(const CProcess& record);
    std::vector<SChangedStatement> TakeChanged() { return std::move(m_changed); }

private:
    SReadLine ReadAhead(std::string line) const;
    bool TryCandidates(const CProcess& record, const FTryLine& tryLine) const;
    bool TryCodeAndWords(const CProcess& record, const FTryLine& tryLine) const;
    std::optional<SReadLine> FirstAccepted(const CProcess& record, const FAccept& accept) const;

    std::optional<SReadLine> WordForWord(const SWriting& statement) const;
    std::optional<SReadLine> SameInEffect(const SWriting& statement) const;
    SReadLine BestLine(const SWriting& statement) const;
    bool ReadsBackAs(const CProcess* back, const SWriting& statement) const;
    bool ReachesEnd(const CProcess& back, const SWriting& statement, bool sameWords) const;
    SPoint EndOf(const CProcess& back, const SWriting& statement, bool sameWords) const;
    bool Undisturbed(const SReadLine& read, const SWriting& statement) const;

    SCarriedState m_reader; // what the reader will carry at this point
    SPoint m_programEnd;    // where the program's statements so far leave the tool
    SPoint m_readEnd;       // where the statements read back so far leave it
    std::vector<SChangedStatement> m_changed;
};

SReadLine CProgramWriter::ReadAhead(std::string line) const
{
    SReadLine read{std::move(line), nullptr, m_reader, false};
    read.back = CLineChecker::CheckQuietly(read.line, read.state, read.rejected);
    return read;
}

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

std::optional<SReadLine> CProgramWriter::FirstAccepted(const CProcess& record, const FAccept& accept) const
{
    std::optional<SReadLine> found;
    TryCandidates(record, [&](const std::string& line) {
        if (line.find('\n') != std::string::npos) // would be two lines in the file
            return false;
        SReadLine read = ReadAhead(line);
        if (!accept(read))
            return false;
        found = std::move(read);
        return true;
    });
    return found;
}

// Whether a line leaves every carried word the statement does not set as
// it was. A line that read an M code through a cycle's rules, say, would
// have changed the carried X and R under the lines after it.
bool CProgramWriter::Undisturbed(const SReadLine& read, const SWriting& statement) const
{
    const SStatementMeaning& meaning = statement.Meaning();
    static constexpr std::pair<EWord, std::string SCarriedState::*> kCarried[] = {
        {EWord::P, &SCarriedState::p}, {EWord::Q, &SCarriedState::q}, {EWord::X, &SCarriedState::x},
        {EWord::Z, &SCarriedState::z}, {EWord::I, &SCarriedState::i}, {EWord::K, &SCarriedState::k},
        {EWord::R, &SCarriedState::r}, {EWord::F, &SCarriedState::f}, {EWord::S, &SCarriedState::s},
        {EWord::T, &SCarriedState::t}};
    for (const auto& [word, carried] : kCarried) {
        const bool own = meaning.Takes(word) || (meaning.motion && (word == EWord::X || word == EWord::Z));
        if (!own && read.state.*carried != m_reader.*carried)
            return false;
    }
    return true;
}

// Word for word, and, for a move whose start has changed with an earlier
// statement, to the same end point.
std::optional<SReadLine> CProgramWriter::WordForWord(const SWriting& statement) const
{
    const CProcess& record = statement.record;
    const FAccept sameWords = [&](const SReadLine& read) {
        return read.back && read.back->SameWords(record) && ReachesEnd(*read.back, statement, true);
    };
    // What the statement's own line leaves the reader carrying: a plainer
    // line must leave the same, or later lines would read otherwise.
    std::optional<SReadLine> own;
    if (!record.SourceLine().empty()) {
        own = ReadAhead(std::string(record.SourceLine()));
        if (!sameWords(*own))
            own.reset();
    }
    std::optional<SReadLine> found = FirstAccepted(record, [&](const SReadLine& read) {
        return sameWords(read) && (own ? read.state == own->state : Undisturbed(read, statement));
    });
    if (found)
        return found;
    return own ? std::move(own) : FirstAccepted(record, sameWords);
}

// The statement as the reader would store it; a move also with both words as
// its end point; an M code behind a G code without words, which keeps the
// carried code's rules (and their demands) off the line; the statement's own
// line. First among lines that leave the other carried words alone.
std::optional<SReadLine> CProgramWriter::SameInEffect(const SWriting& statement) const
{
    const CProcess& record = statement.record;
    std::vector<CProcess> forms{ReadableForm(record, statement.end)};
    if (statement.motion)
        forms.push_back(ReadableForm(record, statement.end, EMoveWords::EndPoint));
    std::vector<std::string> lines;
    if (statement.Meaning().kind.starts_with('M'))
        lines.push_back("G97" + PlainLine(forms.front()));
    if (!record.SourceLine().empty())
        lines.emplace_back(record.SourceLine());
    for (const bool careful : {true, false}) {
        const FAccept accept = [&](const SReadLine& read) {
            return ReadsBackAs(read.back.get(), statement) && (!careful || Undisturbed(read, statement));
        };
        for (const CProcess& form : forms) {
            if (auto found = FirstAccepted(form, accept))
                return found;
        }
        for (const std::string& line : lines) {
            SReadLine read = ReadAhead(line);
            if (accept(read))
                return read;
        }
    }
    return std::nullopt;
}

// The plain line of the statement as the reader would store it; without its
// tool word too, since a T turns any line into a tool statement. A line
// giving a statement of the same kind is best, then one the reader passes
// over without a message.
SReadLine CProgramWriter::BestLine(const SWriting& statement) const
{
    const SStatementMeaning& meaning = statement.Meaning();
    const CProcess form = ReadableForm(statement.record, statement.end);
    std::vector<std::string> lines{PlainLine(form)};
    if (!meaning.kind.empty() && !form.Get(EWord::T).empty()) {
        CProcess withoutTool = form;
        withoutTool.Set(EWord::T, "");
        lines.push_back(PlainLine(withoutTool));
    }
    std::optional<SReadLine> best;
    int bestScore = -1;
    for (std::string& line : lines) {
        SReadLine read = ReadAhead(std::move(line));
        const int score = read.back ? (StatementKind(*read.back) == meaning.kind ? 2 : 0) : (read.rejected ? 0 : 1);
        if (score > bestScore) {
            bestScore = score;
            best = std::move(read);
        }
    }
    return std::move(*best);
}

bool CProgramWriter::ReadsBackAs(const CProcess* back, const SWriting& statement) const
{
    if (!back)
        return false;
    const bool sameWords = back->SameWords(statement.record);
    if (!sameWords) {
        const SStatementMeaning meaning = MeaningOf(*back);
        if (!(meaning == statement.Meaning()) || !statement.Meaning().ShownAgainBy(meaning))
            return false;
    }
    return ReachesEnd(*back, statement, sameWords);
}

// Where the statement read back takes the tool from where the read-back
// program has left it; the same words from the same start go to the same
// end.
SPoint CProgramWriter::EndOf(const CProcess& back, const SWriting& statement, bool sameWords) const
{
    if (sameWords && m_readEnd == statement.start)
        return statement.end;
    return TargetFrom(back, m_readEnd);
}

bool CProgramWriter::ReachesEnd(const CProcess& back, const SWriting& statement, bool sameWords) const
{
    return !statement.motion || SamePlace(EndOf(back, statement, sameWords), statement.end);
}

std::string CProgramWriter::Line(const CProcess& record)
{
    // end is the point the words name, which the written words must name too.
    const SWriting statement{record, m_programEnd, TargetFrom(record, m_programEnd),
                             CVelmoraDoc::IsMotion(record), std::nullopt};
    m_programEnd = CVelmoraDoc::AfterMove(record, m_programEnd, statement.end);
    std::optional<SReadLine> chosen = WordForWord(statement);
    if (!chosen)
        chosen = SameInEffect(statement);
    if (!chosen)
        chosen = BestLine(statement);

    const CProcess* back = chosen->back.get();
    const bool same = ReadsBackAs(back, statement) && (!statement.motion || SamePlace(m_readEnd, statement.start));
    if (!same)
        m_changed.push_back({record.m_nLineNumber, back == nullptr});
    if (back)
        m_readEnd = CVelmoraDoc::AfterMove(*back, m_readEnd, EndOf(*back, statement, back->SameWords(record)));
    m_reader = std::move(chosen->state);
    return std::move(chosen->line);
}

} // namespace

SProgramText WriteProgramText(const CVelmoraDoc& doc)
{
    CProgramWriter writer;
    SProgramText program;
    for (const auto& record : doc.Statements()) {
        program.text += record->KeptBefore();
        program.text += record->NumberWord();
        program.text += writer.Line(*record);
        program.text += record->LineEnd();
        program.text += '\n';
    }
    program.text += doc.TrailingText();
    program.changed = writer.TakeChanged();
    program.dropped = doc.DroppedLines();
    return program;
}

std::string FormatProgram(const CVelmoraDoc& doc)
{
    return WriteProgramText(doc).text;
}
