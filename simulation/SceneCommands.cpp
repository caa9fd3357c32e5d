#include "simulation/SceneCommands.h"

#include "common/CommandTable.h"
#include "simulation/Interpreter.h"
#include "simulation/Machine.h"
#include "simulation/RunControl.h"
#include "simulation/TurretState.h"

namespace {

constexpr int kHandled[] = {
    Cmd::Rotate,     Cmd::Pan,          Cmd::Zoom,       Cmd::Wireframe,    Cmd::Solid,
    Cmd::Transparent, Cmd::HideModel,   Cmd::Simulate,   Cmd::ToolPath,     Cmd::ClampStock,
    Cmd::ReleaseStock, Cmd::Door,       Cmd::FitCentre,  Cmd::RemoveCentre, Cmd::StockSize,
    Cmd::ToolSelect, Cmd::CycleStart, Cmd::FeedHold, Cmd::SingleBlock, Cmd::EmergencyStop,
    Cmd::ResetRun, Cmd::NextSpeed,
};

// The run's commands a machine would take in this state: a start while
// stopped or paused, a hold while running, a reset with something to end.
bool RunCommandAvailable(int id, const CInterpreterState& in)
{
    const ERunState state = RunState(in);
    switch (id) {
    case Cmd::CycleStart: return state != ERunState::Running;
    case Cmd::FeedHold: return state == ERunState::Running;
    case Cmd::ResetRun: return in.estop || state == ERunState::Running || state == ERunState::Held;
    default: return true;
    }
}

// The steps per frame a speed command picks; 0 for another command.
static_assert(kStepsAsFastAsDrawn == kSpeedAsFastAsDrawn, "the menu's fastest speed is the run's");

int SpeedOf(int id)
{
    for (const SSpeedChoice& choice : Commands::SpeedChoices())
        if (choice.id == id)
            return choice.stepsPerFrame;
    return 0;
}

void SetChuck(CSceneSwitches& switches, bool clamped)
{
    switches.chuckClamped = clamped ? 1 : 0;
    switches.chuckUnclamped = clamped ? 0 : 1;
}

void SetCone(CSceneSwitches& switches, bool installed)
{
    switches.coneInstalled = installed ? 1 : 0;
    switches.coneRemoved = installed ? 0 : 1;
}

} // namespace

void ApplyToolSelection(CTurretState& turret, const SToolLibraryResult& result)
{
    if (result.mountRequested || result.removalRequested)
        turret.currentTool = result.clickedRow;
    ApplyMountRequests(turret.mounted, result);
}

bool CSceneCommands::HandlesCommand(int id) const
{
    if (SpeedOf(id) != 0)
        return true;
    for (int handled : kHandled)
        if (handled == id)
            return !Commands::IsRunCommand(id) || RunCommandAvailable(id, m_machine.sim.interp);
    return false;
}

void CSceneCommands::OnCommand(int id)
{
    CSceneSwitches& s = m_machine.sim.switches;
    switch (id) {
    case Cmd::Rotate: s.mouseMode = EMouseMode::Rotate; break;
    case Cmd::Pan: s.mouseMode = EMouseMode::Pan; break;
    case Cmd::Zoom: s.mouseMode = EMouseMode::Zoom; break;
    case Cmd::Wireframe: s.renderMode = ERenderMode::WireFrame; break;
    case Cmd::Solid: s.renderMode = ERenderMode::Solid; break;
    case Cmd::Transparent: s.renderMode = ERenderMode::Transparent; break;
    case Cmd::HideModel: s.renderMode = ERenderMode::Hidden; break;
    case Cmd::ToolPath: s.toolPathShown = s.toolPathShown ? 0 : 1; break;
    case Cmd::ClampStock: SetChuck(s, true); break;
    case Cmd::ReleaseStock: SetChuck(s, false); break;
    case Cmd::Door: s.doorClosed = s.doorClosed ? 0 : 1; break;
    case Cmd::FitCentre: SetCone(s, true); break;
    case Cmd::RemoveCentre: SetCone(s, false); break;
    case Cmd::StockSize: StockSize(); break;
    case Cmd::ToolSelect: ToolSelection(); break;
    case Cmd::Simulate: StartSimulation(m_machine.sim, m_doc, *m_out); break;
    case Cmd::CycleStart: CycleStart(m_machine.sim, m_doc, *m_out); break;
    case Cmd::FeedHold: HoldRun(m_machine.sim.interp); break;
    case Cmd::SingleBlock: m_machine.sim.interp.single_block = !m_machine.sim.interp.single_block; break;
    case Cmd::EmergencyStop: EmergencyStop(m_machine, *m_out); break;
    case Cmd::ResetRun: ResetRun(m_machine.sim.interp); break;
    case Cmd::NextSpeed: NextSpeed(m_machine.sim.interp); break;
    default:
        if (const int speed = SpeedOf(id))
            SetSpeed(m_machine.sim.interp, speed);
        break;
    }
}

bool CSceneCommands::IsCommandChecked(int id) const
{
    const CSceneSwitches& s = m_machine.sim.switches;
    switch (id) {
    case Cmd::Rotate: return s.mouseMode == EMouseMode::Rotate;
    case Cmd::Pan: return s.mouseMode == EMouseMode::Pan;
    case Cmd::Zoom: return s.mouseMode == EMouseMode::Zoom;
    case Cmd::Wireframe: return s.renderMode == ERenderMode::WireFrame;
    case Cmd::Solid: return s.renderMode == ERenderMode::Solid;
    case Cmd::Transparent: return s.renderMode == ERenderMode::Transparent;
    case Cmd::HideModel: return s.renderMode == ERenderMode::Hidden;
    case Cmd::ToolPath: return s.toolPathShown != 0;
    case Cmd::ClampStock: return s.chuckClamped != 0;
    case Cmd::ReleaseStock: return s.chuckUnclamped != 0;
    case Cmd::FitCentre: return s.coneInstalled != 0;
    case Cmd::RemoveCentre: return s.coneRemoved != 0;
    case Cmd::SingleBlock: return m_machine.sim.interp.single_block;
    default: return SpeedOf(id) != 0 && SpeedOf(id) == m_machine.sim.interp.speed;
    }
}

void CSceneCommands::StockSize()
{
    if (!StockMayBeChanged(m_machine.sim, m_machine.panel.m_nSpindle, *m_out))
        return;
    if (const auto size = m_host.RunStockDialog())
        ApplyStockSize(m_machine.sim, *size, *m_out);
}

void CSceneCommands::ToolSelection()
{
    // The frame clock waits while the library is open.
    m_host.StopFrameClock();
    if (const auto result = m_host.RunToolLibrary())
        ApplyToolSelection(m_machine.sim.turret, *result);
    m_host.StartFrameClock(kFramePeriodMs);
}
