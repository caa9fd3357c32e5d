#include "simulation/RunControl.h"

#include "panel/PanelState.h"
#include "simulation/Machine.h"
#include "simulation/SimulationOutput.h"
#include "simulation/Warnings.h"

#include <algorithm>
#include <chrono>
#include <iterator>

ERunState RunState(const CInterpreterState& in)
{
    if (in.sim_running && in.HasCurrent())
        return in.held ? ERunState::Held : ERunState::Running;
    if (in.stopped)
        return ERunState::Stopped;
    return in.sim_running ? ERunState::Ended : ERunState::Idle;
}

const char* RunStateName(ERunState state)
{
    switch (state) {
    case ERunState::Running: return "running";
    case ERunState::Held: return "held";
    case ERunState::Stopped: return "stopped";
    case ERunState::Ended: return "ended";
    case ERunState::Idle: break;
    }
    return "";
}

int CuttingStation(const CInterpreterState& in) { return in.t_num >= 1 ? in.t_num : 1; }

bool StationHoldsTool(const CTurretState& turret, int station)
{
    constexpr int kTools = static_cast<int>(sizeof turret.mounted / sizeof turret.mounted[0]);
    return station >= 1 && station <= kTools && turret.mounted[station - 1] != 0;
}

void StopRunNow(CInterpreterState& in)
{
    if (!in.HasCurrent())
        return;
    in.cur = kNoNode;
    in.stopped = true;
    in.held = false;
}

void HoldRun(CInterpreterState& in)
{
    if (RunState(in) == ERunState::Running)
        in.held = true;
}

void ResumeRun(CInterpreterState& in) { in.held = false; }

void CycleStart(CSimulation& sim, const CVelmoraDoc& doc, CSimulationOutput& out)
{
    // A program already running goes on: the key only starts or resumes.
    const ERunState state = RunState(sim.interp);
    if (state == ERunState::Held)
        ResumeRun(sim.interp);
    else if (state != ERunState::Running)
        StartSimulation(sim, doc, out);
}

void EmergencyStop(CMachine& machine, CSimulationOutput& out)
{
    CInterpreterState& in = machine.sim.interp;
    CPanelState& panel = machine.panel;
    StopRunNow(in);
    in.estop = true;
    in.spindle_s = 0.0;
    if (panel.m_nSpindle != ESpindle::Stopped) {
        panel.m_nSpindle = ESpindle::Stopped;
        out.SpindleChanged(ESpindle::Stopped);
    }
    if (panel.m_bCoolant != 0) {
        panel.m_bCoolant = 0;
        out.CoolantChanged(0);
    }
    RaiseWarning(out, kWarnEmergencyStop);
}

void ResetRun(CInterpreterState& in)
{
    StopRunNow(in);
    in.estop = false;
}

namespace {
constexpr int kSpeeds[] = {1, 2, 5, 10, 50, kSpeedAsFastAsDrawn};
}

void NextSpeed(CInterpreterState& in)
{
    const int* next = std::upper_bound(std::begin(kSpeeds), std::end(kSpeeds), in.speed);
    in.speed = next == std::end(kSpeeds) ? kSpeeds[0] : *next;
}

bool SetSpeed(CInterpreterState& in, int stepsPerFrame)
{
    for (int allowed : kSpeeds) {
        if (allowed == stepsPerFrame) {
            in.speed = stepsPerFrame;
            return true;
        }
    }
    return false;
}

void SetFeedOverride(CInterpreterState& in, int percent)
{
    in.override_pct = percent < 0 ? 0 : percent > 150 ? 150 : percent;
}

void CheckRunInterlocks(CSimulation& sim, const CPanelState& panel, CSimulationOutput& out)
{
    CInterpreterState& in = sim.interp;
    // After the end nothing is guarded: the part stays, and the manual
    // modes move the tool as jog does.
    if (!in.sim_running || !in.HasCurrent())
        return;
    int warning = 0;
    if (panel.m_nRefMode != ERefMode::ReferenceReturn)
        warning = kWarnNotReferenced;
    else if (!StationHoldsTool(sim.turret, CuttingStation(in)))
        warning = kWarnNoTool;
    else if (sim.switches.chuckClamped == 0)
        warning = kWarnChuckOpened;
    if (warning == 0)
        return;
    RaiseWarning(out, warning);
    StopRunNow(in);
}

namespace {

int StepsThisFrame(CInterpreterState& in)
{
    if (in.held)
        return 0;
    in.override_credit += in.speed * in.override_pct;
    const int steps = in.override_credit / 100;
    in.override_credit %= 100;
    return steps;
}

// Ends the fastest speed's frame once its budget is spent; the clock is
// read every few steps only, as a step takes far less than a reading.
class CFrameBudget {
public:
    explicit CFrameBudget(const CInterpreterState& in)
        : m_timed(in.speed == kSpeedAsFastAsDrawn && !in.fixed_fast_steps)
    {
        if (m_timed)
            m_end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                       std::chrono::duration<double, std::milli>(kFrameBudgetMs));
    }
    bool Spent(int stepsLeft) const { return m_timed && stepsLeft % 16 == 0 && Clock::now() >= m_end; }

private:
    using Clock = std::chrono::steady_clock;
    bool m_timed;
    Clock::time_point m_end{};
};

} // namespace

void RunFrameSteps(CSimulation& sim, CPanelState& panel, CSimulationOutput& out)
{
    CInterpreterState& in = sim.interp;
    const CFrameBudget budget(in);
    for (int n = StepsThisFrame(in); n > 0 && RunState(in) == ERunState::Running && !budget.Spent(n); --n) {
        const int line = in.Current().line;
        StepSimulation(sim, panel, out);
        if (!in.single_block || !in.HasCurrent() || in.Current().line == line)
            continue;
        in.held = true;
        in.started = in.cur;
        out.StatementStarted(in.Current().line);
    }
}
