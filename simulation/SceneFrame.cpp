#include "simulation/SceneFrame.h"

#include "common/NumberParsing.h"
#include "panel/PanelDisplays.h"
#include "panel/PanelState.h"
#include "simulation/RunControl.h"
#include "simulation/SimulationOutput.h"
#include "simulation/ToolShapes.h"
#include "simulation/Warnings.h"

#include <cmath>

namespace {

constexpr double kTurretStep = 10.0;
constexpr double kTurretLift = 20.0;
constexpr double kJawTravel = 2.0;
constexpr double kJawOpenMax = 10.0;
constexpr int kIdleSpinStep = 10;
constexpr int kSpinWrap = 720;
constexpr double kDoorStep = 20.0;
constexpr double kDoorOpen = -480.0;
constexpr double kDoorShut = 10.0;
constexpr double kStreamStep = 0.2;
constexpr double kStreamWrap = 5.0;
constexpr double kChipFloor = -220.0;
constexpr double kChipTurn = 10.0;

// How each chip flies: travel step (in slices), the peak of its arc, how
// flat the arc is, and its sideways drift per frame.
struct SChipFlight {
    double step, peak, flatness, drift;
};
constexpr SChipFlight kChipFlights[6] = {
    {1, 10, 50, 0.0}, {1, 20, 10, 0.2}, {1, 30, 40, -0.2},
    {2, 30, 40, -0.2}, {2, 20, 10, 0.2}, {2, 10, 50, 0.0},
};

int IdleSpinSign(const CPanelState& panel)
{
    if (panel.m_nSpindle == ESpindle::Clockwise)
        return 1;
    if (panel.m_nSpindle == ESpindle::CounterClockwise)
        return -1;
    return 0;
}

int Wrapped(int angle, int step)
{
    return angle <= kSpinWrap ? angle + step : angle - kSpinWrap;
}

void AdvanceRunningSpin(CSceneAnimation& anim, double spindleS)
{
    if (anim.spin_angle_run > kSpinWrap) {
        anim.spin_angle_run -= kSpinWrap;
        return;
    }
    // A program's S word may be any size; the angle must stay an int.
    anim.spin_angle_run = TruncatedInt(anim.spin_angle_run + (spindleS - 10.0) * 59.0 / 1490.0 + 1.0);
}

// Carriage offset that the recorded trace point i stands for.
SCarriageOffset TraceOffset(const CSimulation& sim, int i)
{
    const CWorkpiece& w = sim.workpiece;
    return {scene::kChuckFaceX + sim.switches.stockLength + w.Dg_z[i] - scene::kCarriageHomeZ,
            w.Dg_x[i] - scene::kHomeX};
}

bool ChipLanded(const CChip& chip, double sliceLen)
{
    return chip.h <= kChipFloor * sliceLen;
}

} // namespace

void TakeManualPosition(CSceneAnimation& anim, const CPanelState& panel)
{
    anim.manual_x = panel.m_dTurretX;
    anim.manual_z = panel.m_dTurretZ;
}

STurretPose IndexTurret(CSceneAnimation& anim, int t_num)
{
    double target = 0.0;
    if (t_num == 2)
        target = -90.0;
    else if (t_num == 3)
        target = -180.0;
    else
        return {};
    if (anim.turret_angle <= target)
        return {target, 0.0};
    STurretPose pose{anim.turret_angle, kTurretLift};
    anim.turret_angle -= kTurretStep;
    return pose;
}

STurretPose TurretFrame(CSimulation& sim, const CPanelState& panel, CSimulationOutput& out)
{
    CheckRunInterlocks(sim, panel, out);
    return IndexTurret(sim.anim, sim.interp.t_num);
}

STurretPose TurretToolsFrame(CSimulation& sim, const CPanelState& panel, CSimulationOutput& out)
{
    const STurretPose pose = IndexTurret(sim.anim, sim.interp.t_num);
    const double length = sim.switches.stockLength;
    if (!sim.interp.sim_running) {
        CPanelState manual = panel;
        manual.m_dTurretX = sim.anim.manual_x;
        manual.m_dTurretZ = sim.anim.manual_z;
        const SDisplayPosition p = IdleDisplayPosition(manual, length);
        out.ShowPosition(p.x, p.z);
    } else if (sim.workpiece.nn_end != 0) {
        const SDisplayPosition p = MachiningDisplayPosition(
            panel, scene::kHomeX, scene::kHomeZ - length, length);
        out.ShowPosition(p.x, p.z);
    }
    return pose;
}

SCarriageOffset CarriageOffset(const CSimulation& sim, const CPanelState& panel)
{
    SCarriageOffset offset;
    if (panel.m_nRefMode != ERefMode::None) {
        offset.dx += sim.anim.manual_z;
        offset.dz += sim.anim.manual_x;
    }
    const CWorkpiece& w = sim.workpiece;
    if (sim.interp.sim_running && w.nn > 0 && w.nn <= CWorkpiece::kCapacity) {
        const SCarriageOffset last = TraceOffset(sim, w.nn - 1);
        offset.dx += last.dx;
        offset.dz += last.dz;
    }
    if (w.nn_end > 0 && w.nn_end <= CWorkpiece::kCapacity) {
        const SCarriageOffset end = TraceOffset(sim, w.nn_end - 1);
        offset.dx -= end.dx;
        offset.dz -= end.dz;
    }
    return offset;
}

double NextDropletStep(CSceneAnimation& anim)
{
    const double step = anim.stream_phase;
    if (anim.stream_phase > kStreamWrap)
        anim.stream_phase = 0.0;
    else
        anim.stream_phase += kStreamStep;
    return step;
}

double JawHeight(const CSimulation& sim)
{
    const double d = sim.switches.stockOuterDiameter;
    return (d == 0.0 ? 73.0 : d / 2.0 + 38.0) + sim.anim.jaw_open;
}

SJawPose JawFrame(CSimulation& sim, const CPanelState& panel)
{
    CSceneAnimation& anim = sim.anim;
    const CSceneSwitches& sw = sim.switches;
    if (sw.chuckUnclamped && anim.jaw_open < kJawOpenMax)
        anim.jaw_open += kJawTravel;
    if (sw.chuckClamped && anim.jaw_open > 0.0)
        anim.jaw_open -= kJawTravel;

    SJawPose pose;
    pose.height = JawHeight(sim);
    if (sim.interp.sim_running) {
        AdvanceRunningSpin(anim, sim.interp.spindle_s);
        pose.spin = anim.spin_angle_run;
    } else {
        pose.spin = IdleSpinSign(panel) * anim.spin_angle;
        anim.spin_angle = Wrapped(anim.spin_angle, kIdleSpinStep);
    }
    return pose;
}

double WorkpieceSpinFrame(CSimulation& sim, const CPanelState& panel)
{
    CSceneAnimation& anim = sim.anim;
    if (sim.interp.sim_running)
        return anim.spin_angle_run;
    const int sign = IdleSpinSign(panel);
    const double spin = sign * anim.spin_angle;
    if (sign != 0)
        anim.spin_angle += kIdleSpinStep;
    return spin;
}

double ChuckBodySpin(const CSimulation& sim, const CPanelState& panel)
{
    if (sim.interp.sim_running)
        return sim.anim.spin_angle_run;
    return IdleSpinSign(panel) * sim.anim.spin_angle;
}

void CutUnderBlade(CSimulation& sim)
{
    const CInterpreterState& interp = sim.interp;
    if (!interp.sim_running || interp.t_num != 2)
        return;
    const double width = GroovingToolWidth(), step = sim.workpiece.slice_len;
    // The point's own slice is cut by the step; the rest of the blade here.
    for (double along = step; along < width - 1e-9; along += step) {
        const double z = interp.cur_z + along;
        if (z > 0.0)
            break; // in front of the bar
        CutAt(sim.workpiece, interp.cur_x, z);
    }
}

bool ToolIsCutting(const CSimulation& sim)
{
    const int slice = SliceAt(sim.interp.cur_z);
    return slice >= 0 && sim.interp.cur_x < sim.workpiece.profile_r[slice];
}

void ResetChips(CSceneAnimation& anim)
{
    for (CChip& chip : anim.chips)
        chip = CChip{};
}

double ChipsFrame(CSimulation& sim)
{
    CSceneAnimation& anim = sim.anim;
    const double f = sim.workpiece.slice_len;
    bool allLanded = true;
    for (const CChip& chip : anim.chips)
        allLanded = allLanded && ChipLanded(chip, f);
    // A long cut keeps throwing chips: a new set leaves once all have landed.
    if (allLanded)
        ResetChips(anim);
    for (int i = 0; i < 6; ++i) {
        CChip& chip = anim.chips[i];
        const SChipFlight& flight = kChipFlights[i];
        if (ChipLanded(chip, f))
            continue;
        chip.t += flight.step * f;
        chip.h = 10.0 - (chip.t - flight.peak) * (chip.t - flight.peak) / flight.flatness;
        chip.w += flight.drift;
    }
    const double angle = anim.chip_angle;
    anim.chip_angle += kChipTurn;
    return angle;
}

double DoorFrame(CSceneSwitches& switches)
{
    if (!switches.doorClosed && switches.doorOffset > kDoorOpen)
        switches.doorOffset -= kDoorStep;
    else if (switches.doorClosed && switches.doorOffset < kDoorShut)
        switches.doorOffset += kDoorStep;
    return scene::kDoorBaseX + switches.doorOffset;
}

SBedPoint ToolTipWorld(const CSimulation& sim, const CPanelState& panel)
{
    return ToolTipOfCarriage(CarriageOffset(sim, panel));
}

SBedPoint ToolTipOfCarriage(const SCarriageOffset& offset)
{
    return {scene::kModelledTipX + scene::kCarriageShiftX + offset.dx,
            scene::kModelledTipZ + scene::kCarriageShiftZ + offset.dz};
}

SBedPoint TracePointWorld(const CSimulation& sim, int i)
{
    // The trace is drawn 1 mm off the axis and the end face, clear of the cut surface.
    return {scene::kChuckFaceX + 1.0 + sim.switches.stockLength + sim.workpiece.Dg_z[i],
            scene::kAxisZ + 1.0 + sim.workpiece.Dg_x[i]};
}

double TailstockX(const CSceneSwitches& switches)
{
    constexpr double kParked = 1120.0, kCentreReach = 500.0;
    if (!switches.coneInstalled)
        return kParked;
    return kParked - (kCentreReach - switches.stockLength);
}

SFramePose StandingPose(const CMachine& machine)
{
    const CSimulation& sim = machine.sim;
    SFramePose pose;
    pose.jaws = {ChuckBodySpin(sim, machine.panel), JawHeight(sim)};
    pose.workpieceSpin = pose.chuckSpin = pose.jaws.spin;
    pose.doorX = scene::kDoorBaseX + sim.switches.doorOffset;
    pose.carriage = CarriageOffset(sim, machine.panel);
    return pose;
}

SFramePose AdvanceFrame(CMachine& machine, CSimulationOutput& out)
{
    CSimulation& sim = machine.sim;
    CPanelState& panel = machine.panel;
    SFramePose pose;
    TakeManualPosition(sim.anim, panel);
    pose.turret = TurretFrame(sim, panel, out);
    pose.tools = TurretToolsFrame(sim, panel, out);
    if (panel.m_bCoolant == 1)
        for (double& step : pose.droplets)
            step = NextDropletStep(sim.anim);
    pose.jaws = JawFrame(sim, panel);
    pose.workpieceSpin = WorkpieceSpinFrame(sim, panel);
    RunFrameSteps(sim, panel, out);
    CutUnderBlade(sim);
    // A run that has ended, with M02 or without, or was stopped, cuts no more.
    pose.chipsFlying = RunState(sim.interp) == ERunState::Running && ToolIsCutting(sim);
    if (pose.chipsFlying)
        pose.chipAngle = ChipsFrame(sim);
    else
        ResetChips(sim.anim);
    pose.chuckSpin = ChuckBodySpin(sim, panel);
    pose.doorX = DoorFrame(sim.switches);
    pose.carriage = CarriageOffset(sim, panel);
    return pose;
}
