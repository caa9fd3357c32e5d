#include "simulation/Interpreter.h"

#include "common/NumberText.h"
#include "simulation/RunControl.h"
#include "simulation/SceneFrame.h"
#include "simulation/StepContext.h"
#include "simulation/Warnings.h"

#include <string>

void StartSimulation(CSimulation& sim, const CVelmoraDoc& doc, CSimulationOutput& out)
{
    CInterpreterState& in = sim.interp;
    if (in.estop) {
        RaiseWarning(out, kWarnEmergencyStop);
        return;
    }
    // A refused start must not leave the old run stepping on.
    StopRunNow(in);
    in.held = false;
    in.stopped = false;
    ++in.run;
    in.run_seconds = in.passed_seconds = 0.0;
    ResetWorkpiece(sim.workpiece, sim.switches.stockOuterDiameter, sim.switches.stockLength);
    if (sim.switches.chuckClamped == 0) {
        in.stopped = true;
        RaiseWarning(out, kWarnChuckNotClamped);
        return;
    }
    // The tool starts where it stands, at its home point outside the bar,
    // however an earlier run was stopped.
    const double homeX = scene::kHomeX, homeZ = scene::kHomeZ - sim.switches.stockLength;
    BuildMoveList(in, doc, homeX, homeZ, sim.switches.diameterProgramming);
    in.seg_started = 0;
    in.seg_s = 0.0;
    in.cur_x = homeX, in.cur_z = homeZ;
    if (in.nodes.empty()) {
        out.Message(kNoProgramMessage);
        return;
    }
    in.cur = 0;
    in.sim_running = true;
}

void StopRun(SStepContext& step, int warningKind)
{
    StopRunNow(step.in);
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

void StepTool(SStepContext& step, const MoveNode& node)
{
    // A station the turret does not have would leave the run standing
    // for ever.
    if (node.tool < 1 || node.tool > 4) {
        StopRun(step, kWarnNoStation);
        return;
    }
    if (!StationHoldsTool(step.sim.turret, node.tool)) {
        StopRun(step, kWarnEmptyStation);
        return;
    }
    step.in.t_num = node.tool;
    step.in.Advance();
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
    case 'T': StepTool(step, node); break;
    default: break;
    }
}
