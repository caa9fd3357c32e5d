#include "FrameRecorder.h"
#include "panel/PanelState.h"
#include "simulation/SceneFrame.h"
#include "simulation/ToolShapes.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace {

struct SceneFrameTest : ::testing::Test {
    std::unique_ptr<CMachine> machine = std::make_unique<CMachine>();
    CSimulation& sim = machine->sim;
    CPanelState& panel = machine->panel;
    CFrameRecorder out;

    void Frames(int n)
    {
        for (int i = 0; i < n; ++i)
            AdvanceFrame(*machine, out);
    }
    // A run that the interlocks let through.
    void Running()
    {
        panel.m_nRefMode = ERefMode::ReferenceReturn;
        sim.turret.currentTool = 0;
        sim.turret.mounted[0] = 1;
        sim.switches.chuckClamped = 1;
        Standing();
    }
    // A program at a node that never finishes, so that only the
    // interlocks can end it.
    void Standing()
    {
        sim.interp.sim_running = true;
        MoveNode node;
        node.kind = 'M';
        sim.interp.nodes.assign(1, node);
        sim.interp.cur = 0;
    }
};

TEST_F(SceneFrameTest, JawsOpenFromTheStockToTenMoreInFiveFrames)
{
    sim.switches.stockOuterDiameter = 40.0;
    EXPECT_DOUBLE_EQ(JawFrame(sim, panel).height, 58.0);
    sim.switches.chuckClamped = 0;
    sim.switches.chuckUnclamped = 1;
    double height = 0.0;
    for (int i = 0; i < 5; ++i)
        height = JawFrame(sim, panel).height;
    EXPECT_DOUBLE_EQ(height, 68.0);
    EXPECT_DOUBLE_EQ(JawFrame(sim, panel).height, 68.0);
}

TEST_F(SceneFrameTest, JawsCloseAgainAndStandWideWithoutStock)
{
    sim.switches.chuckClamped = 0;
    sim.switches.chuckUnclamped = 1;
    Frames(5);
    sim.switches.chuckClamped = 1;
    sim.switches.chuckUnclamped = 0;
    Frames(5);
    EXPECT_DOUBLE_EQ(sim.anim.jaw_open, 0.0);
    EXPECT_DOUBLE_EQ(JawFrame(sim, panel).height, 73.0);
}

TEST_F(SceneFrameTest, DoorSettlesShutAtTwentyAndOpenAtMinus480)
{
    Frames(3);
    EXPECT_DOUBLE_EQ(sim.switches.doorOffset, 20.0);
    sim.switches.doorClosed = 0;
    Frames(24);
    EXPECT_DOUBLE_EQ(sim.switches.doorOffset, -460.0);
    Frames(10);
    EXPECT_DOUBLE_EQ(sim.switches.doorOffset, -480.0);
    EXPECT_DOUBLE_EQ(DoorFrame(sim.switches), scene::kDoorBaseX - 480.0);
}

TEST_F(SceneFrameTest, RunningSpindleTurnsBySpeed)
{
    Running();
    sim.interp.spindle_s = 800.0;
    EXPECT_DOUBLE_EQ(JawFrame(sim, panel).spin, 32.0);
    EXPECT_DOUBLE_EQ(JawFrame(sim, panel).spin, 64.0);
    sim.interp.spindle_s = 1500.0;
    EXPECT_DOUBLE_EQ(JawFrame(sim, panel).spin, 124.0);
    sim.anim.spin_angle_run = 0;
    sim.interp.spindle_s = 0.0;
    EXPECT_DOUBLE_EQ(JawFrame(sim, panel).spin, 0.0);
}

TEST_F(SceneFrameTest, RunningSpindleWrapsPast720)
{
    Running();
    sim.interp.spindle_s = 1500.0;
    sim.anim.spin_angle_run = 721;
    EXPECT_DOUBLE_EQ(JawFrame(sim, panel).spin, 1.0);
}

TEST_F(SceneFrameTest, ASpindleSpeedTooLargeForAnAngleStillTurnsAndWraps)
{
    Running();
    sim.interp.spindle_s = 1e300;
    EXPECT_DOUBLE_EQ(JawFrame(sim, panel).spin, INT_MAX);
    EXPECT_DOUBLE_EQ(JawFrame(sim, panel).spin, INT_MAX - 720.0);
}

TEST_F(SceneFrameTest, IdleSpindleTurnsTheWayThePanelSays)
{
    panel.m_nSpindle = ESpindle::CounterClockwise;
    Frames(1);
    const SJawPose pose = JawFrame(sim, panel);
    EXPECT_DOUBLE_EQ(pose.spin, -20.0);
    EXPECT_DOUBLE_EQ(WorkpieceSpinFrame(sim, panel), -30.0);
    EXPECT_DOUBLE_EQ(ChuckBodySpin(sim, panel), -40.0);
    panel.m_nSpindle = ESpindle::Stopped;
    EXPECT_DOUBLE_EQ(JawFrame(sim, panel).spin, 0.0);
}

TEST_F(SceneFrameTest, TurretSwingsToStationTwoInStepsThenStationOneAtOnce)
{
    sim.interp.t_num = 2;
    Frames(1);
    EXPECT_DOUBLE_EQ(sim.anim.turret_angle, -20.0);
    const STurretPose swinging = IndexTurret(sim.anim, 2);
    EXPECT_DOUBLE_EQ(swinging.angle, -20.0);
    EXPECT_GT(swinging.lift, 0.0);
    Frames(5);
    const STurretPose there = IndexTurret(sim.anim, 2);
    EXPECT_DOUBLE_EQ(there.angle, -90.0);
    EXPECT_DOUBLE_EQ(there.lift, 0.0);
    EXPECT_DOUBLE_EQ(IndexTurret(sim.anim, 1).angle, 0.0);
}

TEST_F(SceneFrameTest, RunWithoutReferenceStopsAtTheFirstFrameWithWarning6)
{
    Running();
    panel.m_nRefMode = ERefMode::Jog;
    Frames(1);
    EXPECT_FALSE(sim.interp.HasCurrent());
    ASSERT_EQ(out.warnings, std::vector<int>{6});
    EXPECT_EQ(out.warningTexts[0], "警告:加工前请先回机床原点!");
    Frames(2);
    EXPECT_EQ(out.warnings.size(), 1u);
}

TEST_F(SceneFrameTest, RunWithoutToolStopsAtTheFirstFrameWithWarning7)
{
    Running();
    sim.turret.mounted[0] = 0;
    Frames(1);
    EXPECT_FALSE(sim.interp.HasCurrent());
    EXPECT_EQ(out.warnings, std::vector<int>{7});
}

TEST_F(SceneFrameTest, ReadyRunRaisesNoWarning)
{
    Running();
    Frames(3);
    EXPECT_TRUE(sim.interp.sim_running);
    EXPECT_TRUE(out.warnings.empty());
}

TEST_F(SceneFrameTest, CarriageFollowsTheLastTracePointAndReturnsHomeAfterTheEnd)
{
    Running();
    sim.workpiece.Dg_z[0] = -10.0;
    sim.workpiece.Dg_x[0] = 15.0;
    sim.workpiece.nn = 1;
    SCarriageOffset offset = CarriageOffset(sim, panel);
    EXPECT_DOUBLE_EQ(offset.dx, 455.0 + 200.0 - 10.0 - 900.0);
    EXPECT_DOUBLE_EQ(offset.dz, -55.0);
    sim.workpiece.nn_end = 1;
    offset = CarriageOffset(sim, panel);
    EXPECT_DOUBLE_EQ(offset.dx, 0.0);
    EXPECT_DOUBLE_EQ(offset.dz, 0.0);
}

TEST_F(SceneFrameTest, CarriageTakesTheManualPositionOnlyInAManualMode)
{
    panel.m_dTurretX = 30.0;
    panel.m_dTurretZ = 100.0;
    TakeManualPosition(sim.anim, panel);
    EXPECT_DOUBLE_EQ(CarriageOffset(sim, panel).dx, 0.0);
    panel.m_nRefMode = ERefMode::Jog;
    EXPECT_DOUBLE_EQ(CarriageOffset(sim, panel).dx, 100.0);
    EXPECT_DOUBLE_EQ(CarriageOffset(sim, panel).dz, 30.0);
}

TEST_F(SceneFrameTest, IdleFramesShowTheManualPositionOnThePanel)
{
    panel.m_dTurretX = 30.0;
    panel.m_dTurretZ = 100.0;
    Frames(1);
    ASSERT_EQ(out.positions.size(), 1u);
    EXPECT_DOUBLE_EQ(out.positions[0].x, 0.0);
    EXPECT_DOUBLE_EQ(out.positions[0].z, 0.0);
    panel.m_nCoordDisplay = ECoordDisplay::Relative;
    Frames(1);
    EXPECT_DOUBLE_EQ(out.positions[1].x, 70.0);
    EXPECT_DOUBLE_EQ(out.positions[1].z, 245.0);
}

TEST_F(SceneFrameTest, EndedProgramShowsTheHomePoint)
{
    Running();
    sim.workpiece.nn = 3;
    sim.workpiece.nn_end = 3;
    panel.m_nCoordDisplay = ECoordDisplay::Relative;
    Frames(1);
    ASSERT_EQ(out.positions.size(), 1u);
    EXPECT_DOUBLE_EQ(out.positions[0].x, 70.0);
    EXPECT_DOUBLE_EQ(out.positions[0].z, 245.0);
}

TEST_F(SceneFrameTest, StreamPhaseAdvancesOnlyWithCoolant)
{
    Frames(2);
    EXPECT_DOUBLE_EQ(sim.anim.stream_phase, 0.0);
    panel.m_bCoolant = 1;
    Frames(1);
    // 30 droplets: up past 5 in steps of 0.2, back to 0, and on again.
    EXPECT_GT(sim.anim.stream_phase, 0.0);
    EXPECT_LT(sim.anim.stream_phase, 1.0);
}

TEST_F(SceneFrameTest, ChipsFlyWhileCuttingAndLandOnTheFloor)
{
    Running();
    sim.workpiece.profile_r[5] = 20.0;
    sim.interp.cur_z = -5.4;
    sim.interp.cur_x = 18.0;
    ASSERT_TRUE(ToolIsCutting(sim));
    EXPECT_DOUBLE_EQ(ChipsFrame(sim), 0.0);
    EXPECT_DOUBLE_EQ(sim.anim.chips[0].t, 1.0);
    EXPECT_DOUBLE_EQ(sim.anim.chips[3].t, 2.0);
    EXPECT_NEAR(sim.anim.chips[1].h, 10.0 - 361.0 / 10.0, 1e-9);
    EXPECT_DOUBLE_EQ(ChipsFrame(sim), 10.0);
    for (int i = 0; i < 60; ++i)
        ChipsFrame(sim);
    EXPECT_LE(sim.anim.chips[4].h, -220.0);
    const CChip landed = sim.anim.chips[4];
    ChipsFrame(sim);
    EXPECT_DOUBLE_EQ(sim.anim.chips[4].t, landed.t);
}

TEST_F(SceneFrameTest, ChipsStartAgainWhenTheCutPauses)
{
    Running();
    sim.workpiece.profile_r[0] = 20.0;
    sim.interp.cur_x = 10.0;
    ChipsFrame(sim);
    sim.interp.cur_x = 30.0;
    Frames(1);
    EXPECT_DOUBLE_EQ(sim.anim.chips[0].t, 0.0);
}

TEST_F(SceneFrameTest, ChipsStopWhenTheProgramHasNothingLeftToRun)
{
    Running();
    sim.workpiece.profile_r[0] = 20.0;
    sim.interp.cur_x = 10.0; // left standing in the material
    sim.interp.cur = kNoNode;
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(AdvanceFrame(*machine, out).chipsFlying);
    EXPECT_DOUBLE_EQ(sim.anim.chips[0].t, 0.0);
}

TEST_F(SceneFrameTest, GroovingToolCutsEverySliceUnderItsBladeAndTurningToolOnlyItsPoint)
{
    Running();
    ResetWorkpiece(sim.workpiece, 40.0, 200.0);
    sim.interp.cur_x = 12.0;
    sim.interp.cur_z = -20.0;
    sim.interp.t_num = 1;
    Frames(1);
    EXPECT_DOUBLE_EQ(sim.workpiece.profile_r[19], 20.0);
    sim.interp.t_num = 2;
    Frames(1);
    const int width = static_cast<int>(GroovingToolWidth());
    for (int slice = 20 - width + 1; slice < 20; ++slice)
        EXPECT_DOUBLE_EQ(sim.workpiece.profile_r[slice], 12.0) << slice;
    EXPECT_DOUBLE_EQ(sim.workpiece.profile_r[20 - width], 20.0);
}

TEST_F(SceneFrameTest, ToolBeyondTheProfileThrowsNoChips)
{
    sim.interp.cur_z = -40000.0;
    EXPECT_FALSE(ToolIsCutting(sim));
}

} // namespace

namespace {

TEST(SceneTailstockTest, ParksWithoutTheConeAndMeetsTheStockWithIt)
{
    CSceneSwitches sw;
    sw.stockLength = 300.0;
    EXPECT_DOUBLE_EQ(TailstockX(sw), 1120.0);
    sw.coneInstalled = 1;
    sw.coneRemoved = 0;
    EXPECT_DOUBLE_EQ(TailstockX(sw), 920.0);
    sw.stockLength = 400.0;
    EXPECT_DOUBLE_EQ(TailstockX(sw), 1020.0);
}

TEST_F(SceneFrameTest, DoorAndTurretMoveInEveryRenderMode)
{
    sim.switches.renderMode = ERenderMode::Hidden;
    sim.switches.doorClosed = 0;
    sim.interp.t_num = 3;
    Frames(2);
    EXPECT_DOUBLE_EQ(sim.switches.doorOffset, -40.0);
    EXPECT_DOUBLE_EQ(sim.anim.turret_angle, -40.0);
}

TEST_F(SceneFrameTest, HiddenModeStillStopsARunWithoutReference)
{
    sim.switches.renderMode = ERenderMode::Hidden;
    Standing();
    Frames(1);
    EXPECT_FALSE(sim.interp.HasCurrent());
    EXPECT_EQ(out.warnings, std::vector<int>{6});
}

} // namespace

namespace {

TEST_F(SceneFrameTest, ToolTipStandsAtTheHomePointAndFollowsTheTrace)
{
    const SBedPoint home = ToolTipWorld(sim, panel);
    sim.workpiece.Dg_z[0] = 445.0 - sim.switches.stockLength;
    sim.workpiece.Dg_x[0] = 70.0;
    EXPECT_DOUBLE_EQ(home.x, TracePointWorld(sim, 0).x);
    EXPECT_DOUBLE_EQ(home.z, TracePointWorld(sim, 0).z);
    Running();
    sim.workpiece.Dg_z[1] = -100.0;
    sim.workpiece.Dg_x[1] = 20.0;
    sim.workpiece.nn = 2;
    EXPECT_DOUBLE_EQ(ToolTipWorld(sim, panel).x, TracePointWorld(sim, 1).x);
    EXPECT_DOUBLE_EQ(ToolTipWorld(sim, panel).z, TracePointWorld(sim, 1).z);
}

} // namespace
