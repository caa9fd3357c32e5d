// The start command and the steps of auxiliary functions and tool changes.
#include "SimulationTestSupport.h"
#include "simulation/Warnings.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

TEST(StartCommand, RefusesAnUnclampedChuckWithWarningThree)
{
    SMachine m;
    m.sim->switches.chuckClamped = 0;
    m.StartFrom(30, 2, "G01 X20 Z-10 F0.2\n");
    EXPECT_EQ(m.out.warnings, (std::vector<CRecordingOutput::SWarning>{{3, "警告:卡盘未夹紧不允许加工!"}}));
    EXPECT_FALSE(m.sim->interp.sim_running);
    EXPECT_TRUE(m.sim->interp.nodes.empty());
}

TEST(StartCommand, ResetsTheProfileOfTheWholeStock)
{
    SMachine m;
    m.sim->workpiece.profile_r[150] = 3.0;
    m.sim->workpiece.profile_r[200] = 7.0;
    m.StartFrom(30, 2, "");
    EXPECT_DOUBLE_EQ(m.sim->workpiece.profile_r[0], 20.0);
    EXPECT_DOUBLE_EQ(m.sim->workpiece.profile_r[150], 20.0);
    EXPECT_DOUBLE_EQ(m.sim->workpiece.profile_r[200], 7.0);
}

TEST(StartCommand, RunsFromTheFirstStatementWithTheToolAtItsHome)
{
    SMachine m;
    m.Start("M03 S600\nG00 X30 Z2\n");
    ASSERT_TRUE(m.sim->interp.sim_running);
    m.Run();
    EXPECT_EQ(m.out.events.front(), "spindle 1");
    EXPECT_EQ(m.panel.m_nSpindle, ESpindle::Clockwise);
    // Home: X 70 and Z 445 less the 200 mm stock; one step a millimetre.
    EXPECT_EQ(m.TraceZ().front(), 245.0);
    EXPECT_EQ(m.TraceZ().size(), 244u);
    EXPECT_DOUBLE_EQ(m.sim->workpiece.profile_r[0], 20.0);
}

TEST(StartCommand, AStoppedRunDoesNotCarryIntoTheNext)
{
    SMachine m;
    m.SpindleOn();
    m.StartFrom(30, 2, "G01 X18 Z-20 F0.2\nG32 X18 Z-40 F2\n");
    for (int n = 0; n < 26; ++n)
        StepSimulation(*m.sim, m.panel, m.out);
    m.sim->interp.sim_running = false; // an interlock stops it inside the thread
    m.StartFrom(30, 2, "G01 X18 Z-3 F0.2\n");
    m.Run();
    EXPECT_EQ(m.TraceZ(), (std::vector<double>{2, 1, 0, -1, -2, -3}));
    EXPECT_DOUBLE_EQ(m.sim->workpiece.Dg_x[0], 30.0);
    EXPECT_DOUBLE_EQ(m.sim->interp.seg_s, 0.0);
}

TEST(AuxiliaryStep, SpindleAndCoolantAreWrittenBeforeTheirStatus)
{
    SMachine m;
    m.StartFrom(30, 2, "M03 S800\nM08\nM04 S300.5\nM09\nM05\n");
    m.Run();
    EXPECT_EQ(m.out.events, (Strings{"spindle 1", "status M03 S800.000  ", "coolant 1", "status M08  ", "spindle 2",
                                     "status M04 S300.500  ", "coolant 0", "status M09  ", "spindle 0",
                                     "status M05  "}));
    EXPECT_DOUBLE_EQ(m.sim->interp.spindle_s, 0.0);
}

TEST(AuxiliaryStep, EveryClockwiseStartPlaysTheMotorSound)
{
    SMachine m;
    m.StartFrom(30, 2, "M03 S5\nM03 S3000\nM04 S800\n");
    m.Run();
    EXPECT_EQ(m.out.sounds, (Strings{"Sound/Move.wav", "Sound/Move.wav"}));
}

TEST(AuxiliaryStep, ProgramEndStopsTheSpindleAndMarksTheTrace)
{
    SMachine m;
    m.StartFrom(30, 2, "M03 S800\nG01 X30 Z0 F0.2\nM02\nG01 X10 Z-50 F0.2\n");
    m.Run();
    EXPECT_EQ(m.out.events.back(), "status M02  ");
    EXPECT_EQ(m.out.events[m.out.events.size() - 2], "spindle 0");
    EXPECT_FALSE(m.sim->interp.HasCurrent());
    EXPECT_TRUE(m.sim->interp.sim_running);
    EXPECT_EQ(m.sim->workpiece.nn_end, 3);
    EXPECT_EQ(m.sim->workpiece.nn, 3);
    EXPECT_DOUBLE_EQ(m.sim->interp.spindle_s, 0.0);
}

TEST(AuxiliaryStep, M30EndsTheProgramAsM02Does)
{
    SMachine m;
    m.StartFrom(30, 2, "M03 S800\nM30\nG01 X10 Z-50 F0.2\n");
    m.Run();
    EXPECT_EQ(m.out.events.back(), "status M02  ");
    EXPECT_FALSE(m.sim->interp.HasCurrent());
    EXPECT_EQ(m.sim->workpiece.nn, 0) << "the move after the end is not cut";
}

TEST(ToolStep, SelectsTheStationOrStopsTheRunOnAStationThatDoesNotExist)
{
    SMachine m;
    m.sim->turret.mounted[1] = m.sim->turret.mounted[2] = 1;
    m.StartFrom(30, 2, "T0202\nT3\nT0505\nG01 X10 Z0 F0.2\n");
    m.Run(5);
    EXPECT_EQ(m.sim->interp.t_num, 3) << "a short T word is the station alone";
    EXPECT_FALSE(m.sim->interp.HasCurrent());
    ASSERT_EQ(m.out.warnings.size(), 1u);
    EXPECT_EQ(m.out.warnings[0].kind, kWarnNoStation);
    EXPECT_EQ(m.sim->workpiece.nn, 0);
}

TEST(StatementFollowing, EachNodeReportsItsStatementOnceWhenItBegins)
{
    SMachine m;
    m.StartFrom(30, 2, "G01 X30 Z-3 F0.2\nM08\nG90 X20 Z-2 F0.2\n");
    m.Run();
    EXPECT_EQ(m.out.started, (std::vector<int>{1, 2, 3, 3, 3, 3}));
}

} // namespace
