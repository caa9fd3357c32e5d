#include "simulation/Interpreter.h"

#include "common/NumberText.h"
#include "simulation/StepContext.h"
#include "simulation/Warnings.h"

#include <string>

void StartSimulation(CSimulation& sim, const CVelmoraDoc& doc, CSimulationOutput& out)
{
    CInterpreterState& in = sim.interp;
    in.thread_pass = 0;
    ResetWorkpiece(sim.workpiece, sim.switches.stockOuterDiameter, sim.switches.stockLength);
    if (sim.switches.chuckClamped == 0) {
        RaiseWarning(out, kWarnChuckNotClamped);
        return;
    }
    BuildMoveList(in, doc);
    // A run an interlock stopped half way must not carry its position into
    // this one.
    in.seg_started = 0;
    in.cur_x = in.cur_z = 0.0;
    in.thread_tick = 0;
    if (!in.node_head) {
        out.Message(kNoProgramMessage);
        return;
    }
    // The first record is never executed: the run begins with the second.
    in.node_cur = in.node_head->next;
    in.sim_running = true;
}

void StopRun(SStepContext& step, int warningKind)
{
    step.in.node_cur = nullptr;
    RaiseWarning(step.out, warningKind);
}

namespace {

void Advance(CInterpreterState& in) { in.node_cur = in.node_cur->next; }

std::string SpeedStatus(const char* code, double s)
{
    std::string text = code;
    text += " S";
    AppendFixed(text, s, 3);
    return text + "  ";
}

void StepAuxiliary(SStepContext& step, const MoveNode& node)
{
    CInterpreterState& in = step.in;
    switch (node.code) {
    case 2:
        step.out.SetSpindle(0);
        in.spindle_s = 0.0;
        step.work.nn_end = step.work.nn;
        step.out.Status("M02  ");
        in.node_cur = nullptr;
        return;
    case 3:
        step.out.SetSpindle(1);
        in.spindle_s = node.s;
        step.out.PlaySound("Sound/Move.wav");
        step.out.Status(SpeedStatus("M03", node.s));
        break;
    case 4:
        step.out.SetSpindle(2);
        in.spindle_s = node.s;
        step.out.Status(SpeedStatus("M04", node.s));
        break;
    case 5:
        step.out.SetSpindle(0);
        in.spindle_s = node.s;
        step.out.Status("M05  ");
        break;
    case 8:
        step.out.SetCoolant(1);
        step.out.Status("M08  ");
        break;
    case 9:
        step.out.SetCoolant(0);
        step.out.Status("M09  ");
        break;
    default: return; // never built; stands still like any node it cannot finish
    }
    Advance(in);
}

void StepTool(SStepContext& step, const MoveNode& node)
{
    // A station the turret does not have would leave the run standing
    // for ever.
    if (node.tool < 1 || node.tool > 4) {
        StopRun(step, kWarnNoStation);
        return;
    }
    step.in.t_num = node.tool;
    Advance(step.in);
}

} // namespace

void StepSimulation(CSimulation& sim, const CPanelState& panel, CSimulationOutput& out)
{
    CInterpreterState& in = sim.interp;
    if (!in.sim_running || !in.node_cur)
        return;
    const MoveNode& node = *in.node_cur;
    if (in.node_started != &node) {
        in.node_started = &node;
        out.StatementStarted(node.line);
    }
    SStepContext step{in, sim.workpiece, sim, panel, out};
    switch (node.kind) {
    case 'G': StepMove(step, node); break;
    case 'M': StepAuxiliary(step, node); break;
    case 'T': StepTool(step, node); break;
    default: break;
    }
}
