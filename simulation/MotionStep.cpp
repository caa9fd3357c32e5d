// The step of a move: one millimetre along Z per frame (a pure X move at
// once), each position recorded in the trace and cut into the profile.
#include "panel/PanelDisplays.h"
#include "common/NumberText.h"
#include "simulation/StepContext.h"
#include "simulation/Collisions.h"
#include "simulation/CycleTime.h"
#include "simulation/Warnings.h"

#include <cmath>
#include <string>

namespace {

void ShowTracePoint(SStepContext& step);
std::string MoveStatus(const MoveNode& node);

} // namespace

bool HasRoom(SStepContext& step, double cutZ)
{
    if (!TraceHasRoom(step.work)) {
        StopRun(step, kWarnTraceFull);
        return false;
    }
    if (SliceAt(cutZ) < 0) {
        StopRun(step, kWarnBeyondProfile);
        return false;
    }
    return true;
}

namespace {

void ShowTracePoint(SStepContext& step)
{
    const auto index = static_cast<std::size_t>(step.work.nn);
    const SDisplayPosition shown = MachiningDisplayPosition(step.panel, step.work.Dg_x[index], step.work.Dg_z[index],
                                                            step.sim.switches.stockLength);
    // The display speaks the program's language: diameters when it does.
    step.out.ShowPosition(step.sim.switches.diameterProgramming ? 2.0 * shown.x : shown.x, shown.z);
}

void AppendWord(std::string& text, char letter, double value, int decimals)
{
    text += letter;
    AppendFixed(text, value, decimals);
}

std::string MoveStatus(const MoveNode& node)
{
    // Within a cycle the status shows the cycle, not the moves it is made of.
    std::string text(CodeInfo(node.cycle == ECode::None ? node.code : node.cycle).text);
    text += ' ';
    AppendWord(text, 'X', node.x1, 3);
    text += ' ';
    AppendWord(text, 'Z', node.z1, 3);
    if (node.code == ECode::G02 || node.code == ECode::G03) {
        text += ' ';
        AppendWord(text, 'I', node.i, 3);
        text += ' ';
        AppendWord(text, 'K', node.k, 3);
        return text + " ";
    }
    if (node.code == ECode::G32) {
        text += ' ';
        AppendWord(text, 'F', node.f, 6);
        return text + " ";
    }
    return text + "  ";
}

} // namespace

void RecordAndShow(SStepContext& step, const MoveNode& node, double x, double z)
{
    RecordTracePoint(step.work, x, z);
    if (step.in.seg_started == 0)
        step.out.Status(MoveStatus(node));
    ShowTracePoint(step);
}

void Finish(SStepContext& step, double share, bool finished)
{
    step.in.seg_started = 1;
    ++step.work.nn;
    CountRunTime(step.in, share, finished);
    if (finished) {
        step.in.Advance();
        step.in.seg_started = 0;
    }
}

namespace {

void StepLine(SStepContext& step, const MoveNode& node)
{
    CInterpreterState& in = step.in;
    if (!HasRoom(step, in.cur_z))
        return;
    const double x = in.seg_z0 == in.seg_z1 ? in.seg_x1 : (in.cur_z - in.seg_z0) * in.seg_slope + in.seg_x0;
    if (Collides(step, node, x, in.cur_z))
        return;
    in.cur_x = x;
    CutAt(step.work, in.cur_x, in.cur_z);
    RecordAndShow(step, node, in.cur_x, in.cur_z);
    const double share = in.seg_z0 == in.seg_z1 ? 1.0 : (in.cur_z - in.seg_z0) / (in.seg_z1 - in.seg_z0);
    if (in.seg_z1 <= in.seg_z0)
        in.cur_z -= 1.0;
    else
        in.cur_z += 1.0;
    const bool finished = (in.cur_z <= in.seg_z0 && in.cur_z < in.seg_z1) ||
                          (in.cur_z >= in.seg_z0 && in.cur_z > in.seg_z1);
    Finish(step, share, finished);
}

} // namespace

void StepMove(SStepContext& step, const MoveNode& node)
{
    CInterpreterState& in = step.in;
    in.seg_x0 = node.x0, in.seg_z0 = node.z0, in.seg_x1 = node.x1, in.seg_z1 = node.z1;
    in.seg_slope = node.slope;
    if (in.seg_started == 0) {
        in.cur_z = in.seg_z0;
        in.seg_s = 0.0;
    }
    if (node.warning != 0) {
        in.cur = kNoNode;
        step.out.Warn(node.warning, CycleWarningText(node.warning, node.line));
        return;
    }
    if (node.impossible) {
        in.cur = kNoNode;
        step.out.Warn(kWarnImpossibleArc, ImpossibleArcText(node.line));
        return;
    }
    switch (node.code) {
    case ECode::G00:
    case ECode::G01: StepLine(step, node); break;
    case ECode::G02:
    case ECode::G03: StepArc(step, node); break;
    case ECode::G32: StepThread(step, node); break;
    default: break; // never built; stands still
    }
}
