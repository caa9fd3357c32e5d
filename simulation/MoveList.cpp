// Turning the document's statements into motion records: one node per move,
// tool change or auxiliary function, the turning and facing cycles expanded
// into four plain moves.
#include "simulation/ArcCentre.h"
#include "simulation/Interpreter.h"

#include "common/NumberParsing.h"
#include "program/VelmoraDoc.h"

#include <algorithm>
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

MoveNode NewNode(char kind, int line)
{
    MoveNode node;
    node.kind = kind;
    node.line = line;
    return node;
}

void AppendMove(CInterpreterState& state, int line, ECode code, double x0, double z0, double x1, double z1)
{
    MoveNode node = NewNode('G', line);
    node.code = code;
    node.x0 = x0, node.z0 = z0, node.x1 = x1, node.z1 = z1;
    node.slope = (x0 - x1) / (z0 - z1);
    state.nodes.push_back(node);
}

double Value(const CProcess& statement, EWord word) { return WordValue(statement.Get(word)); }

void AppendArc(CInterpreterState& state, const CProcess& statement, ECode code)
{
    const SPoint from = statement.m_ptStart, to = statement.m_ptEnd;
    double i = Value(statement, EWord::I), k = Value(statement, EWord::K);
    // An arc given by its radius alone gets its centre from the radius; one
    // with no centre at all cannot be traced and is passed over.
    if (i == 0.0 && k == 0.0) {
        const auto centre = ArcCentreFromRadius(code, from.x, from.z, to.x, to.z, Value(statement, EWord::R));
        if (!centre)
            return;
        i = from.x - centre->x;
        k = from.z - centre->z;
    }
    MoveNode node = NewNode('G', statement.m_nLineNumber);
    node.code = code;
    node.x0 = from.x, node.z0 = from.z, node.x1 = to.x, node.z1 = to.z;
    node.i = i, node.k = k;
    state.nodes.push_back(node);
}

void AppendCycle(CInterpreterState& state, const CProcess& statement, ECode code)
{
    const int line = statement.m_nLineNumber;
    const double r = Value(statement, EWord::R);
    const double x0 = statement.m_ptStart.x, z0 = statement.m_ptStart.z;
    const double x1 = statement.m_ptEnd.x, z1 = statement.m_ptEnd.z;
    constexpr ECode rapid = ECode::G00, feed = ECode::G01;
    if (code == ECode::G90) {
        AppendMove(state, line, rapid, x0, z0, x1 - r, z0);
        AppendMove(state, line, feed, x1 - r, z0, x1, z1);
        AppendMove(state, line, rapid, x1, z1, x0, z1);
        AppendMove(state, line, rapid, x0, z1, x0, z0);
    } else {
        AppendMove(state, line, rapid, x0, z0, x0, z1 + r);
        AppendMove(state, line, feed, x0, z1 + r, x1, z1);
        AppendMove(state, line, rapid, x1, z1, x1, z0);
        AppendMove(state, line, rapid, x1, z0, x0, z0);
    }
}

void TranslateMotion(CInterpreterState& state, const CProcess& statement, ECode code)
{
    switch (code) {
    case ECode::G00:
    case ECode::G01:
        AppendMove(state, statement.m_nLineNumber, code, statement.m_ptStart.x, statement.m_ptStart.z,
                   statement.m_ptEnd.x, statement.m_ptEnd.z);
        break;
    case ECode::G02:
    case ECode::G03: AppendArc(state, statement, code); break;
    case ECode::G32: {
        MoveNode node = NewNode('G', statement.m_nLineNumber);
        node.code = code;
        node.x0 = statement.m_ptStart.x, node.z0 = statement.m_ptStart.z;
        node.x1 = statement.m_ptEnd.x, node.z1 = statement.m_ptEnd.z;
        node.f = Value(statement, EWord::F);
        state.nodes.push_back(node);
        break;
    }
    case ECode::G90:
    case ECode::G94: AppendCycle(state, statement, code); break;
    default: break; // set-up codes and cycles the simulation does not show
    }
}

void TranslateAuxiliary(CInterpreterState& state, const CProcess& statement, ECode code)
{
    MoveNode node = NewNode('M', statement.m_nLineNumber);
    node.code = code;
    switch (code) {
    case ECode::M03:
    case ECode::M04: node.s = Value(statement, EWord::S); break;
    case ECode::M02:
    case ECode::M05:
    case ECode::M08:
    case ECode::M09: break;
    default: return; // an auxiliary function the machine does not have
    }
    state.nodes.push_back(node);
}

} // namespace

void ClearMoveList(CInterpreterState& state)
{
    state.nodes.clear();
    // A node of the old list must not be taken for one of the new.
    state.cur = kNoNode;
    state.started = kNoNode;
}

void TranslateStatement(CInterpreterState& state, const CProcess& statement)
{
    std::string text(statement.Get(EWord::T));
    if (RemoveAll(text, 'T')) {
        // T0202: station 2, offset 2; the offset is not simulated.
        MoveNode node = NewNode('T', statement.m_nLineNumber);
        node.tool = LeadingInt(text) / 100;
        state.nodes.push_back(node);
        return;
    }
    // Every G (or M) counts wherever it stands, so a code text the editor
    // made, such as G71(1), is read by its number.
    text = statement.Code();
    if (RemoveAll(text, 'G'))
        TranslateMotion(state, statement, FindCode('G', LeadingInt(text)).code);
    else if (RemoveAll(text, 'M'))
        TranslateAuxiliary(state, statement, FindCode('M', LeadingInt(text)).code);
}

void BuildMoveList(CInterpreterState& state, const CVelmoraDoc& doc)
{
    ClearMoveList(state);
    for (const auto& statement : doc.Statements())
        TranslateStatement(state, *statement);
}
