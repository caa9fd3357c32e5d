// The operator's control of a run and the interlocks that guard it, driven
// frame by frame as the view's clock drives them.
#include "SimulationTestSupport.h"
#include "simulation/RunControl.h"
#include "simulation/SceneFrame.h"
#include "simulation/StockSize.h"
#include "simulation/TraceCache.h"
#include "simulation/Warnings.h"

#include <gtest/gtest.h>

namespace {

const char* const kProgram = "M03 S800\nG00 X18 Z2\nG01 Z-30 F0.2\nG00 X30\nZ2\nM05\nM02\n";

struct SRun : SMachine {
    SRun() { sim->switches.chuckClamped = 1; }
    void Frames(int n)
    {
        for (int i = 0; i < n; ++i)
            AdvanceFrame(*machine, out);
    }
    void ToEnd() { Frames(2000); }
    ERunState State() const { return RunState(sim->interp); }
    std::vector<int> Kinds() const
    {
        std::vector<int> kinds;
        for (const auto& w : out.warnings)
            kinds.push_back(w.kind);
        return kinds;
    }
};

TEST(Interlocks, ARefusedStartStopsTheRunningProgram)
{
    SRun r;
    r.Start(kProgram);
    r.Frames(60);
    r.sim->switches.chuckClamped = 0;
    r.Start(kProgram);
    const int nn = r.sim->workpiece.nn;
    r.Frames(20);
    EXPECT_EQ(r.State(), ERunState::Stopped);
    EXPECT_EQ(r.sim->workpiece.nn, nn);
    EXPECT_EQ(r.Kinds().front(), kWarnChuckNotClamped);
}

TEST(Interlocks, OpeningTheChuckDuringARunStopsIt)
{
    SRun r;
    r.Start(kProgram);
    r.Frames(40);
    r.sim->switches.chuckClamped = 0;
    r.Frames(1);
    EXPECT_EQ(r.State(), ERunState::Stopped);
    EXPECT_EQ(r.Kinds(), std::vector<int>{kWarnChuckOpened});
}

TEST(Interlocks, AJogAfterTheEndKeepsThePartAndMovesTheToolAsJogDoes)
{
    SRun r;
    r.Start(kProgram);
    r.ToEnd();
    const auto profile = r.sim->workpiece.profile_r;
    r.panel.m_nRefMode = ERefMode::Jog;
    r.panel.m_dTurretZ = 5.0;
    r.Frames(3);
    EXPECT_TRUE(r.out.warnings.empty());
    EXPECT_EQ(r.State(), ERunState::Ended);
    EXPECT_EQ(r.sim->workpiece.profile_r, profile);
    EXPECT_DOUBLE_EQ(CarriageOffset(*r.sim, r.panel).dx, 5.0);
    EXPECT_DOUBLE_EQ(CarriageOffset(*r.sim, r.panel).dz, 0.0);
}

TEST(Interlocks, AStartNeedsAToolAtTheCuttingStationEvenAfterOneWasChosen)
{
    SRun r;
    r.sim->turret.mounted[0] = 0; // mounted, then taken off: still the current tool
    r.Start(kProgram);
    r.Frames(5);
    EXPECT_EQ(r.Kinds(), std::vector<int>{kWarnNoTool});
    EXPECT_EQ(r.sim->workpiece.nn, 0);
}

TEST(Interlocks, ATToAnEmptyStationWarnsAndStops)
{
    SRun r;
    r.Start("T0202\nG01 X10 Z0 F0.2\nM02\n");
    r.ToEnd();
    EXPECT_EQ(r.Kinds(), std::vector<int>{kWarnEmptyStation});
    EXPECT_EQ(r.State(), ERunState::Stopped);
    EXPECT_EQ(r.sim->workpiece.nn, 0);
}

TEST(Interlocks, ANewStockIsAnUncutBarOfItsOwnSize)
{
    SRun r;
    r.Start(kProgram);
    r.ToEnd();
    ApplyStockSize(*r.sim, {300.0, 80.0, 0.0}, r.out);
    EXPECT_EQ(r.State(), ERunState::Idle);
    EXPECT_EQ(r.sim->workpiece.nn, 0);
    EXPECT_DOUBLE_EQ(r.sim->workpiece.profile_r[0], 40.0);
    EXPECT_DOUBLE_EQ(r.sim->workpiece.profile_r[299], 40.0);
}

TEST(TraceCache, ANewRunIsDrawnAfreshWhereverItsPointsLie)
{
    SRun r;
    CTraceCache cache;
    r.Start("G00 X18 Z2\nG01 Z-30 F0.2\nM02\n");
    r.ToEnd();
    cache.Update(*r.sim);
    r.Start("G00 X18 Z2\nG01 X10 Z-40 F0.2\nM02\n");
    r.ToEnd();
    EXPECT_EQ(cache.Update(*r.sim), CTraceCache().Update(*r.sim));
}

TEST(RunControl, FeedHoldStandsTheToolWhileTheSpindleTurns)
{
    SRun r;
    r.Start(kProgram);
    r.Frames(30);
    HoldRun(r.sim->interp);
    const double x = r.sim->interp.cur_x, z = r.sim->interp.cur_z;
    const double spin = r.sim->anim.spin_angle_run;
    r.Frames(10);
    EXPECT_EQ(r.State(), ERunState::Held);
    EXPECT_DOUBLE_EQ(r.sim->interp.cur_x, x);
    EXPECT_DOUBLE_EQ(r.sim->interp.cur_z, z);
    EXPECT_NE(r.sim->anim.spin_angle_run, spin);
    ResumeRun(r.sim->interp);
    r.ToEnd();
    EXPECT_EQ(r.State(), ERunState::Ended);
}

TEST(RunControl, SingleBlockPausesAfterEachStatementShowingTheNext)
{
    SRun r;
    r.sim->interp.single_block = true;
    r.Start(kProgram);
    r.Frames(100);
    EXPECT_EQ(r.State(), ERunState::Held);
    EXPECT_EQ(r.out.started, (std::vector<int>{1, 2}));
    CycleStart(*r.sim, r.program->doc, r.out);
    r.Frames(400);
    EXPECT_EQ(r.out.started, (std::vector<int>{1, 2, 3}));
}

TEST(RunControl, EmergencyStopHaltsEverythingUntilReset)
{
    SRun r;
    r.Start("M03 S800\nM08\nG01 X10 Z-50 F0.2\nM02\n");
    r.Frames(10);
    EmergencyStop(*r.machine, r.out);
    EXPECT_EQ(r.State(), ERunState::Stopped);
    EXPECT_EQ(r.panel.m_nSpindle, ESpindle::Stopped);
    EXPECT_EQ(r.panel.m_bCoolant, 0);
    r.Start(kProgram);
    EXPECT_EQ(r.Kinds(), (std::vector<int>{kWarnEmergencyStop, kWarnEmergencyStop}));
    EXPECT_EQ(r.State(), ERunState::Stopped);
    ResetRun(r.sim->interp);
    r.Start(kProgram);
    EXPECT_EQ(r.State(), ERunState::Running);
}

TEST(RunControl, ResetEndsAHeldRunAndKeepsThePartAsCut)
{
    SRun r;
    r.Start(kProgram);
    r.Frames(40);
    HoldRun(r.sim->interp);
    const auto profile = r.sim->workpiece.profile_r;
    ResetRun(r.sim->interp);
    r.Frames(5);
    EXPECT_EQ(r.State(), ERunState::Stopped);
    EXPECT_EQ(r.sim->workpiece.profile_r, profile);
}

TEST(RunControl, SpeedTakesMoreStepsAFrameWithTheSameGeometry)
{
    SRun slow, fast;
    slow.Start(kProgram);
    slow.Frames(50);
    ASSERT_TRUE(SetSpeed(fast.sim->interp, 5));
    fast.Start(kProgram);
    fast.Frames(10);
    EXPECT_EQ(fast.sim->workpiece.nn, slow.sim->workpiece.nn);
    slow.ToEnd();
    fast.ToEnd();
    EXPECT_EQ(fast.TraceZ(), slow.TraceZ());
    EXPECT_EQ(fast.TraceX(), slow.TraceX());
}

TEST(RunControl, OnlyTheOfferedSpeedsAreTaken)
{
    CInterpreterState in;
    EXPECT_FALSE(SetSpeed(in, 3));
    EXPECT_EQ(in.speed, 1);
}

TEST(RunControl, TheFastestSpeedTakesItsWholeCountAFrameWhenRunsMustRepeat)
{
    SRun r;
    r.sim->interp.fixed_fast_steps = true;
    ASSERT_TRUE(SetSpeed(r.sim->interp, kSpeedAsFastAsDrawn));
    SetFeedOverride(r.sim->interp, 10);
    r.Start("G00 X100 Z245\nG01 X100 Z-3000 F0.2\nM02\n");
    r.Frames(1);
    EXPECT_EQ(r.sim->workpiece.nn, kSpeedAsFastAsDrawn / 10);
}

TEST(RunControl, TheOverrideDialScalesTheStepsAFrame)
{
    SRun r;
    SetFeedOverride(r.sim->interp, 50);
    r.Start("G01 X10 Z-50 F0.2\nM02\n");
    r.Frames(20);
    EXPECT_EQ(r.sim->workpiece.nn, 10);
    SetFeedOverride(r.sim->interp, 0);
    r.Frames(20);
    EXPECT_EQ(r.sim->workpiece.nn, 10);
}

} // namespace
