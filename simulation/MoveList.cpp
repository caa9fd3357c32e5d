// Turning the document's statements into motion records: one node per move,
// tool change or auxiliary function, the turning and facing cycles expanded
// into four plain moves.
#include "simulation/MoveBuilder.h"

#include "common/NumberParsing.h"

#include <algorithm>
#include <optional>
#include <string>

namespace {

// Removes every c; true when there was one.
bool RemoveAll(std::string& text, char c)
{
    const auto end = std::remove(text.begin(), text.end(), c);
    const bool removed = end != text.end();
    text.erase(end, text.end());
    return removed;
}

SArcPoint EndOf(const SBuilder& b, const CProcess& statement)
{
    return {statement.m_ptEnd.x * b.xScale + b.shift.x, statement.m_ptEnd.z + b.shift.z};
}

} // namespace

MoveNode NewNode(char kind, int line)
{
    MoveNode node;
    node.kind = kind;
    node.line = line;
    return node;
}

void PushNode(SBuilder& b, const MoveNode& node)
{
    // Timed in place: a node is large, and a copy more shows in a start.
    b.state.nodes.emplace_back(node).seconds_per_mm = b.feed.feedSecondsPerMm;
}

void AppendMove(SBuilder& b, int line, ECode code, double x1, double z1)
{
    MoveNode node = NewNode('G', line);
    node.code = code;
    node.cycle = b.cycle;
    node.x0 = b.at.x, node.z0 = b.at.z, node.x1 = x1, node.z1 = z1;
    node.slope = (node.x0 - x1) / (node.z0 - z1);
    PushNode(b, node);
    b.at = {x1, z1};
}

double Value(const CProcess& statement, EWord word) { return WordValue(statement.Get(word)); }

std::optional<SArcPath> ArcOf(const CProcess& statement, ECode code, SArcPoint from, SArcPoint to)
{
    if (!statement.Get(EWord::I).empty() || !statement.Get(EWord::K).empty())
        return ArcFromCentre(code, from, to, Value(statement, EWord::I), Value(statement, EWord::K));
    return ArcFromRadius(code, from, to, Value(statement, EWord::R));
}

namespace {

void AppendArc(SBuilder& b, const CProcess& statement, ECode code)
{
    const SArcPoint to = EndOf(b, statement);
    MoveNode node = NewNode('G', statement.m_nLineNumber);
    node.code = code;
    node.cycle = b.cycle;
    node.x0 = b.at.x, node.z0 = b.at.z, node.x1 = to.x, node.z1 = to.z;
    if (const auto arc = ArcOf(statement, code, b.at, to)) {
        node.arc = *arc;
        node.i = arc->cx - b.at.x;
        node.k = arc->cz - b.at.z;
    } else {
        node.impossible = true;
    }
    PushNode(b, node);
    b.at = to;
}

// A thread pass to a point at lead mm a turn.
void PushThread(SBuilder& b, int line, SArcPoint to, double lead)
{
    MoveNode node = NewNode('G', line);
    node.code = ECode::G32;
    node.cycle = b.cycle;
    node.x0 = b.at.x, node.z0 = b.at.z;
    node.x1 = to.x, node.z1 = to.z;
    node.f = lead;
    node.s = b.feed.spindle;
    PushNode(b, node);
    b.at = to;
}

void AppendThread(SBuilder& b, const CProcess& statement)
{
    PushThread(b, statement.m_nLineNumber, EndOf(b, statement), Value(statement, EWord::F));
}

// One pass of a turning (G90), threading (G92) or facing (G94) cycle: out
// from the point where the tool stands and back to it, so every pass and
// the statement after the cycle start there. R is the taper: for G90 and
// G92 the radius where the cut starts less the radius where it ends. A
// thread pass leaves its groove by rapid, straight out in X, as on a control.
void AppendCycle(SBuilder& b, const CProcess& statement, ECode code)
{
    const int line = statement.m_nLineNumber;
    const double r = Value(statement, EWord::R);
    const SArcPoint start = b.at;
    // The document ends a cycle where it started; the pass goes to what its
    // words name.
    const SPoint pass = CVelmoraDoc::TargetFrom(statement, statement.m_ptStart, statement.m_ptEnd);
    const double x1 = pass.x * b.xScale, z1 = pass.z;
    constexpr ECode rapid = ECode::G00, feed = ECode::G01;
    if (code == ECode::G90) {
        AppendMove(b, line, rapid, x1 + r, start.z);
        AppendMove(b, line, feed, x1, z1);
        AppendMove(b, line, feed, start.x, z1);
    } else if (code == ECode::G92) {
        AppendMove(b, line, rapid, x1 + r, start.z);
        PushThread(b, line, {x1, z1}, Value(statement, EWord::F));
        AppendMove(b, line, rapid, start.x, z1);
    } else {
        AppendMove(b, line, rapid, start.x, z1 + r);
        AppendMove(b, line, feed, x1, z1);
        AppendMove(b, line, feed, x1, start.z);
    }
    AppendMove(b, line, rapid, start.x, start.z);
}

} // namespace

void TranslateMotion(SBuilder& b, const CProcess& statement, ECode code)
{
    switch (code) {
    case ECode::G00:
    case ECode::G01: {
        const SArcPoint to = EndOf(b, statement);
        AppendMove(b, statement.m_nLineNumber, code, to.x, to.z);
        break;
    }
    case ECode::G02:
    case ECode::G03: AppendArc(b, statement, code); break;
    case ECode::G32: AppendThread(b, statement); break;
    case ECode::G90:
    case ECode::G92:
    case ECode::G94: AppendCycle(b, statement, code); break;
    default: break; // set-up codes and cycles the simulation does not show
    }
}

namespace {

void TranslateAuxiliary(SBuilder& b, const CProcess& statement, ECode code)
{
    MoveNode node = NewNode('M', statement.m_nLineNumber);
    // M30 is the program end of every control.
    node.code = code == ECode::M30 ? ECode::M02 : code;
    switch (code) {
    case ECode::M03:
    case ECode::M04: node.s = Value(statement, EWord::S); break;
    case ECode::M30:
    case ECode::M02:
    case ECode::M05:
    case ECode::M08:
    case ECode::M09: break;
    default: return; // an auxiliary function the machine does not have
    }
    PushNode(b, node);
    if (code == ECode::M03 || code == ECode::M04 || code == ECode::M05)
        TakeSpindle(b.feed, node.s);
}

// Returns the index of the statement to translate next: a roughing cycle
// goes on after its contour.
std::size_t TranslateStatement(SBuilder& b, std::size_t index)
{
    const CProcess& statement = *b.statements[index];
    std::string text(statement.Get(EWord::T));
    if (RemoveAll(text, 'T')) {
        TakeFeed(b.feed, statement, ECode::None);
        // T0202: station 2, offset 2; the offset is not simulated. A word
        // of one or two digits (T2, T02) names the station alone.
        MoveNode node = NewNode('T', statement.m_nLineNumber);
        const std::size_t digits = text.find_first_not_of("0123456789");
        node.tool = LeadingInt(text) / (std::min(digits, text.size()) <= 2 ? 1 : 100);
        PushNode(b, node);
        return index + 1;
    }
    // Every G (or M) counts wherever it stands, so a code text the editor
    // made, such as G71(1), is read by its number.
    text = statement.Code();
    if (RemoveAll(text, 'G')) {
        const ECode code = FindCode('G', LeadingInt(text)).code;
        TakeFeed(b.feed, statement, code);
        if (code == ECode::G70 || code == ECode::G71 || code == ECode::G73)
            return TranslateCycle(b, index, code);
        TranslateMotion(b, statement, code);
    } else {
        TakeFeed(b.feed, statement, ECode::None);
        if (RemoveAll(text, 'M'))
            TranslateAuxiliary(b, statement, FindCode('M', LeadingInt(text)).code);
    }
    return index + 1;
}

} // namespace

void ClearMoveList(CInterpreterState& state)
{
    state.nodes.clear();
    // A node of the old list must not be taken for one of the new.
    state.cur = kNoNode;
    state.started = kNoNode;
}

void BuildMoveList(CInterpreterState& state, const CVelmoraDoc& doc, double x, double z, bool diameter)
{
    ClearMoveList(state);
    SBuilder builder{state, doc.Statements(), {x, z}};
    builder.xScale = diameter ? 0.5 : 1.0;
    for (std::size_t index = 0; index < doc.Statements().size();)
        index = TranslateStatement(builder, index);
}
