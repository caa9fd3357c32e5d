// The view's commands without the view: switches, stock size, tool selection.
#include "SimulationTestSupport.h"
#include "common/CommandTable.h"
#include "simulation/RunControl.h"
#include "simulation/SceneCommands.h"
#include "simulation/Warnings.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class CScriptedHost : public CSceneCommandHost {
public:
    std::optional<SStockSize> RunStockDialog() override
    {
        ++stockDialogs;
        return stockAnswer;
    }
    std::optional<SToolLibraryResult> RunToolLibrary() override
    {
        clock.push_back(running ? "library while running" : "library");
        return toolAnswer;
    }
    void StopFrameClock() override { running = false, clock.push_back("stop"); }
    void StartFrameClock(int periodMs) override { running = true, clock.push_back("start " + std::to_string(periodMs)); }

    int stockDialogs = 0;
    bool running = true;
    std::optional<SStockSize> stockAnswer;
    std::optional<SToolLibraryResult> toolAnswer;
    std::vector<std::string> clock;
};

struct SceneCommands : ::testing::Test {
    SMachine m;
    SProgram program{"G00 X30 Z2\nG01 X20 Z-10 F0.2\n"};
    CScriptedHost host;
    CSceneCommands commands{*m.machine, program.doc, host, m.out};
    CSceneSwitches& switches = m.sim->switches;
    std::vector<int> WarningKinds() const
    {
        std::vector<int> kinds;
        for (const auto& warning : m.out.warnings)
            kinds.push_back(warning.kind);
        return kinds;
    }
};

TEST_F(SceneCommands, ChuckAndConeSwitchesStayOppositeAndCarryTheCheckMark)
{
    commands.OnCommand(Cmd::ReleaseStock);
    EXPECT_EQ(switches.chuckClamped, 0);
    EXPECT_EQ(switches.chuckUnclamped, 1);
    EXPECT_TRUE(commands.IsCommandChecked(Cmd::ReleaseStock));
    commands.OnCommand(Cmd::FitCentre);
    EXPECT_EQ(switches.coneRemoved, 0);
    EXPECT_TRUE(commands.IsCommandChecked(Cmd::FitCentre));
    commands.OnCommand(Cmd::RemoveCentre);
    EXPECT_EQ(switches.coneInstalled, 0);
    EXPECT_FALSE(commands.IsCommandChecked(Cmd::FitCentre));
}

TEST_F(SceneCommands, ModesAreChosenAndToggledOnesFlipBack)
{
    commands.OnCommand(Cmd::Zoom);
    commands.OnCommand(Cmd::HideModel);
    EXPECT_EQ(switches.mouseMode, EMouseMode::Zoom);
    EXPECT_EQ(switches.renderMode, ERenderMode::Hidden);
    EXPECT_TRUE(commands.IsCommandChecked(Cmd::HideModel));
    EXPECT_FALSE(commands.IsCommandChecked(Cmd::Solid));
    commands.OnCommand(Cmd::Door);
    commands.OnCommand(Cmd::ToolPath);
    EXPECT_EQ(switches.doorClosed, 0);
    EXPECT_EQ(switches.toolPathShown, 1);
    commands.OnCommand(Cmd::Door);
    EXPECT_EQ(switches.doorClosed, 1);
}

TEST_F(SceneCommands, StockCannotBeChangedWhileClampedOrTurning)
{
    host.stockAnswer = SStockSize{100, 50, 0};
    commands.OnCommand(Cmd::StockSize);
    commands.OnCommand(Cmd::ReleaseStock);
    m.panel.m_nSpindle = ESpindle::CounterClockwise;
    commands.OnCommand(Cmd::StockSize);
    EXPECT_EQ(WarningKinds(), (std::vector<int>{kWarnChuckClamped, kWarnSpindleTurning}));
    EXPECT_EQ(host.stockDialogs, 0);
    EXPECT_DOUBLE_EQ(switches.stockLength, 200.0);
}

TEST_F(SceneCommands, LongStockIsTakenWithAReminderUnlessTheConeIsIn)
{
    commands.OnCommand(Cmd::ReleaseStock);
    host.stockAnswer = SStockSize{300, 50, 20};
    commands.OnCommand(Cmd::StockSize);
    EXPECT_DOUBLE_EQ(switches.stockLength, 300.0);
    EXPECT_DOUBLE_EQ(switches.stockOuterDiameter, 50.0);
    EXPECT_DOUBLE_EQ(switches.stockInnerDiameter, 20.0);
    EXPECT_EQ(WarningKinds(), (std::vector<int>{kWarnLongStock}));
    EXPECT_EQ(m.out.warnings[0].text, "友情提醒:毛胚长度>=300mm，请加顶锥!");
    host.stockAnswer = SStockSize{299.9, 50, 0};
    commands.OnCommand(Cmd::StockSize);
    commands.OnCommand(Cmd::FitCentre);
    host.stockAnswer = SStockSize{400, 50, 0};
    commands.OnCommand(Cmd::StockSize);
    EXPECT_EQ(m.out.warnings.size(), 1u);
}

TEST_F(SceneCommands, CancelledStockDialogLeavesTheStock)
{
    commands.OnCommand(Cmd::ReleaseStock);
    commands.OnCommand(Cmd::StockSize);
    EXPECT_EQ(host.stockDialogs, 1);
    EXPECT_DOUBLE_EQ(switches.stockOuterDiameter, 40.0);
}

TEST_F(SceneCommands, ToolLibraryRunsWithTheFrameClockStopped)
{
    host.toolAnswer = SToolLibraryResult{1, 1, 0};
    commands.OnCommand(Cmd::ToolSelect);
    EXPECT_EQ(host.clock, (std::vector<std::string>{"stop", "library", "start 20"}));
    EXPECT_EQ(m.sim->turret.currentTool, 1);
    EXPECT_EQ(m.sim->turret.mounted[1], 1);
}

TEST_F(SceneCommands, StartRunsTheProgramOnlyWithTheChuckClamped)
{
    commands.OnCommand(Cmd::ReleaseStock);
    commands.OnCommand(Cmd::Simulate);
    EXPECT_FALSE(m.sim->interp.sim_running);
    commands.OnCommand(Cmd::ClampStock);
    commands.OnCommand(Cmd::Simulate);
    EXPECT_TRUE(m.sim->interp.sim_running);
    EXPECT_EQ(WarningKinds(), (std::vector<int>{kWarnChuckNotClamped}));
}

TEST_F(SceneCommands, RunControlCommandsHoldResumeStopAndReset)
{
    switches.chuckClamped = 1;
    commands.OnCommand(Cmd::CycleStart);
    commands.OnCommand(Cmd::FeedHold);
    EXPECT_EQ(RunState(m.sim->interp), ERunState::Held);
    commands.OnCommand(Cmd::CycleStart);
    EXPECT_EQ(RunState(m.sim->interp), ERunState::Running);
    commands.OnCommand(Cmd::SingleBlock);
    EXPECT_TRUE(commands.IsCommandChecked(Cmd::SingleBlock));
    commands.OnCommand(Cmd::EmergencyStop);
    EXPECT_EQ(WarningKinds(), (std::vector<int>{kWarnEmergencyStop}));
    commands.OnCommand(Cmd::ResetRun);
    EXPECT_FALSE(m.sim->interp.estop);
}

TEST_F(SceneCommands, RunEntriesAreOfferedAsTheRunAllows)
{
    const auto offered = [&] {
        std::vector<int> ids;
        for (int id : {Cmd::CycleStart, Cmd::FeedHold, Cmd::ResetRun})
            if (commands.HandlesCommand(id))
                ids.push_back(id);
        return ids;
    };
    EXPECT_EQ(offered(), (std::vector<int>{Cmd::CycleStart}));
    switches.chuckClamped = 1;
    commands.OnCommand(Cmd::CycleStart);
    EXPECT_EQ(offered(), (std::vector<int>{Cmd::FeedHold, Cmd::ResetRun}));
    commands.OnCommand(Cmd::FeedHold);
    EXPECT_EQ(offered(), (std::vector<int>{Cmd::CycleStart, Cmd::ResetRun}));
    commands.OnCommand(Cmd::EmergencyStop);
    EXPECT_EQ(offered(), (std::vector<int>{Cmd::CycleStart, Cmd::ResetRun}));
    commands.OnCommand(Cmd::ResetRun);
    EXPECT_EQ(offered(), (std::vector<int>{Cmd::CycleStart}));
    EXPECT_TRUE(commands.HandlesCommand(Cmd::EmergencyStop));
}

TEST_F(SceneCommands, EachSpeedEntryTakesItsStepsAndAloneCarriesTheCheckMark)
{
    for (const SSpeedChoice& choice : Commands::SpeedChoices()) {
        EXPECT_TRUE(commands.HandlesCommand(choice.id));
        commands.OnCommand(choice.id);
        EXPECT_EQ(m.sim->interp.speed, choice.stepsPerFrame);
        for (const SSpeedChoice& other : Commands::SpeedChoices())
            EXPECT_EQ(commands.IsCommandChecked(other.id), other.id == choice.id) << other.id;
    }
}

TEST_F(SceneCommands, TheSpeedChoiceRisesToTheFastestAndComesRoundToOne)
{
    int fastest = 0;
    for (int i = 0; i < 6; ++i) {
        commands.OnCommand(Cmd::NextSpeed);
        fastest = std::max(fastest, m.sim->interp.speed);
    }
    EXPECT_EQ(fastest, kSpeedAsFastAsDrawn);
    EXPECT_EQ(m.sim->interp.speed, 1);
}

} // namespace
