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
    if (in.nodes.empty()) {
        out.Message(kNoProgramMessage);
        return;
    }
    // The first record is never executed: the run begins with the second.
    in.cur = 0;
    in.Advance();
    in.sim_running = true;
}

void StopRun(SStepContext& step, int warningKind)
{
    step.in.cur = kNoNode;
    RaiseWarning(step.out, warningKind);
}

namespace {

std::string SpeedStatus(ECode code, double s)
{
    std::string text(CodeInfo(code).text);
    text += " S";
    AppendFixed(text, s, 3);
    return text + "  ";
}

void SetSpindle(SStepContext& step, ESpindle state)
{
    if (step.panel.m_nSpindle == state)
        return;
    step.panel.m_nSpindle = state;
    step.out.SpindleChanged(state);
}

void SetCoolant(SStepContext& step, int on)
{
    if (step.panel.m_bCoolant == on)
        return;
    step.panel.m_bCoolant = on;
    step.out.CoolantChanged(on);
}

void StepAuxiliary(SStepContext& step, const MoveNode& node)
{
    CInterpreterState& in = step.in;
    switch (node.code) {
    case ECode::M02:
        SetSpindle(step, ESpindle::Stopped);
        in.spindle_s = 0.0;
        step.work.nn_end = step.work.nn;
        step.out.Status("M02  ");
        in.cur = kNoNode;
        return;
    case ECode::M03:
        SetSpindle(step, ESpindle::Clockwise);
        in.spindle_s = node.s;
        step.out.PlaySound("Sound/Move.wav");
        step.out.Status(SpeedStatus(node.code, node.s));
        break;
    case ECode::M04:
        SetSpindle(step, ESpindle::CounterClockwise);
        in.spindle_s = node.s;
        step.out.Status(SpeedStatus(node.code, node.s));
        break;
    case ECode::M05:
        SetSpindle(step, ESpindle::Stopped);
        in.spindle_s = node.s;
        step.out.Status("M05  ");
        break;
    case ECode::M08:
        SetCoolant(step, 1);
        step.out.Status("M08  ");
        break;
    case ECode::M09:
        SetCoolant(step, 0);
        step.out.Status("M09  ");
        break;
    default: return; // never built; stands still like any node it cannot finish
    }
    in.Advance();
}

void StepTool(CInterpreterState& in, const MoveNode& node)
{
    // A station the turret does not have holds the run on this node.
    if (node.tool < 1 || node.tool > 4)
        return;
    in.t_num = node.tool;
    in.Advance();
}

} // namespace

void StepSimulation(CSimulation& sim, CPanelState& panel, CSimulationOutput& out)
{
    CInterpreterState& in = sim.interp;
    if (!in.sim_running || !in.HasCurrent())
        return;
    const MoveNode& node = in.Current();
    if (in.started != in.cur) {
        in.started = in.cur;
        out.StatementStarted(node.line);
    }
    SStepContext step{in, sim.workpiece, sim, panel, out};
    switch (node.kind) {
    case 'G': StepMove(step, node); break;
    case 'M': StepAuxiliary(step, node); break;
    case 'T': StepTool(in, node); break;
    default: break;
    }
}
