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

void Append(CInterpreterState& state, MoveNode* node)
{
    if (!state.node_head)
        state.node_head = node;
    else
        state.node_tail->next = node;
    state.node_tail = node;
}

MoveNode* NewNode(char kind, int line)
{
    auto* node = new MoveNode;
    node->kind = kind;
    node->line = line;
    return node;
}

void AppendMove(CInterpreterState& state, int line, int code, double x0, double z0, double x1, double z1)
{
    MoveNode* node = NewNode('G', line);
    node->code = code;
    node->x0 = x0, node->z0 = z0, node->x1 = x1, node->z1 = z1;
    node->slope = (x0 - x1) / (z0 - z1);
    Append(state, node);
}

double Value(const CProcess& statement, EWord word) { return WordValue(statement.Get(word)); }

void AppendArc(CInterpreterState& state, const CProcess& statement, int code)
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
    MoveNode* node = NewNode('G', statement.m_nLineNumber);
    node->code = code;
    node->x0 = from.x, node->z0 = from.z, node->x1 = to.x, node->z1 = to.z;
    node->i = i, node->k = k;
    Append(state, node);
}

void AppendCycle(CInterpreterState& state, const CProcess& statement, int code)
{
    const int line = statement.m_nLineNumber;
    const double r = Value(statement, EWord::R);
    const double x0 = statement.m_ptStart.x, z0 = statement.m_ptStart.z;
    const double x1 = statement.m_ptEnd.x, z1 = statement.m_ptEnd.z;
    if (code == 90) {
        AppendMove(state, line, 0, x0, z0, x1 - r, z0);
        AppendMove(state, line, 1, x1 - r, z0, x1, z1);
        AppendMove(state, line, 0, x1, z1, x0, z1);
        AppendMove(state, line, 0, x0, z1, x0, z0);
    } else {
        AppendMove(state, line, 0, x0, z0, x0, z1 + r);
        AppendMove(state, line, 1, x0, z1 + r, x1, z1);
        AppendMove(state, line, 0, x1, z1, x1, z0);
        AppendMove(state, line, 0, x1, z0, x0, z0);
    }
}

void TranslateMotion(CInterpreterState& state, const CProcess& statement, int code)
{
    switch (code) {
    case 0:
    case 1:
        AppendMove(state, statement.m_nLineNumber, code, statement.m_ptStart.x, statement.m_ptStart.z,
                   statement.m_ptEnd.x, statement.m_ptEnd.z);
        break;
    case 2:
    case 3: AppendArc(state, statement, code); break;
    case 32: {
        MoveNode* node = NewNode('G', statement.m_nLineNumber);
        node->code = 32;
        node->x0 = statement.m_ptStart.x, node->z0 = statement.m_ptStart.z;
        node->x1 = statement.m_ptEnd.x, node->z1 = statement.m_ptEnd.z;
        node->f = Value(statement, EWord::F);
        Append(state, node);
        break;
    }
    case 90:
    case 94: AppendCycle(state, statement, code); break;
    default: break; // set-up codes and cycles the simulation does not show
    }
}

void TranslateAuxiliary(CInterpreterState& state, const CProcess& statement, int code)
{
    if (code == 30) // the program end of every control
        code = 2;
    if (code != 2 && (code < 3 || code > 5) && code != 8 && code != 9)
        return;
    MoveNode* node = NewNode('M', statement.m_nLineNumber);
    node->code = code;
    if (code == 3 || code == 4)
        node->s = Value(statement, EWord::S);
    Append(state, node);
}

} // namespace

CInterpreterState::~CInterpreterState() { FreeMoveList(*this); }

void FreeMoveList(CInterpreterState& state)
{
    for (MoveNode* node = state.node_head; node;) {
        MoveNode* next = node->next;
        delete node;
        node = next;
    }
    state.node_head = state.node_tail = nullptr;
    // A node still being executed would otherwise point into freed memory.
    state.node_cur = nullptr;
    state.node_started = nullptr;
}

void TranslateStatement(CInterpreterState& state, const CProcess& statement)
{
    std::string text(statement.Get(EWord::T));
    if (RemoveAll(text, 'T')) {
        // T0202: station 2, offset 2; the offset is not simulated. A word
        // of one or two digits (T2, T02) names the station alone.
        MoveNode* node = NewNode('T', statement.m_nLineNumber);
        const std::size_t digits = text.find_first_not_of("0123456789");
        node->tool = LeadingInt(text) / (std::min(digits, text.size()) <= 2 ? 1 : 100);
        Append(state, node);
        return;
    }
    text = statement.Code();
    if (RemoveAll(text, 'G'))
        TranslateMotion(state, statement, LeadingInt(text));
    else if (RemoveAll(text, 'M'))
        TranslateAuxiliary(state, statement, LeadingInt(text));
}

void BuildMoveList(CInterpreterState& state, const CVelmoraDoc& doc)
{
    FreeMoveList(state);
    for (const auto& statement : doc.Statements())
        TranslateStatement(state, *statement);
    if (state.node_tail)
        state.node_tail->next = nullptr;
}
