// The machining time a program would take, from its statements.
#include "SimulationTestSupport.h"
#include "simulation/CycleTime.h"
#include "simulation/RunControl.h"

#include <gtest/gtest.h>

namespace {

double Seconds(const std::string& program)
{
    SMachine m;
    m.StartFrom(20, 0, program);
    return CycleTimeSeconds(m.sim->interp);
}

TEST(CycleTime, FeedPerRevolutionRunsAtFeedTimesSpindleSpeed)
{
    EXPECT_NEAR(Seconds("M03 S500\nG01 X20 Z-50 F0.2\nM02\n"), 30.0, 1e-5); // F0.2 is kept as a float
}

TEST(CycleTime, AfterG98TheFeedIsPerMinuteAndStaysInForce)
{
    EXPECT_DOUBLE_EQ(Seconds("G98\nM03 S500\nG01 X20 Z-50 F100\nG01 X20 Z-100\nM02\n"), 60.0);
}

TEST(CycleTime, RapidsTakeTheStatedRate)
{
    EXPECT_DOUBLE_EQ(Seconds("G00 X20 Z-100\nM02\n"), 100.0 / kRapidRate * 60.0);
}

TEST(CycleTime, AFeedMoveWithTheSpindleStoppedAddsNothing)
{
    EXPECT_DOUBLE_EQ(Seconds("G01 X20 Z-50 F0.2\nM02\n"), 0.0);
}

} // namespace

// The time a run has taken grows with the distance moved along each node.
TEST(RunTime, GrowsWithTheShareOfTheMoveMade)
{
    SMachine m;
    m.SpindleOn();
    m.StartFrom(18, 0, "M03 S500\nG01 X18 Z-50 F0.2\nM02\n");
    m.Run(1 + 26); // the M03, then Z0 to Z-25
    EXPECT_NEAR(m.sim->interp.run_seconds, 15.0, 1e-5);
}

TEST(RunTime, AFinishedRunHasTakenTheCycleTimeAtAnySpeedAndEveryRunCounts)
{
    const std::string program = "M03 S500\nG00 X20 Z2\nG01 X18 Z-50 F0.2\nG02 X20 Z-60 R10\n"
                                "G32 X19 Z-80 F2\nG00 X30 Z-80\nG00 X30 Z2\nM02\n";
    for (int speed : {1, 2, 50}) {
        SMachine m;
        m.Start(program);
        SetSpeed(m.sim->interp, speed);
        for (int run = 1; run <= 2; ++run) {
            if (run == 2)
                m.Start(program);
            while (m.sim->interp.HasCurrent())
                RunFrameSteps(*m.sim, m.panel, m.out);
            const CInterpreterState& in = m.sim->interp;
            ASSERT_TRUE(m.out.warnings.empty());
            const double cycle = CycleTimeSeconds(in);
            EXPECT_GT(cycle, 0.0);
            EXPECT_EQ(in.run_seconds, cycle) << speed;
            EXPECT_NEAR(in.total_seconds, run * cycle, 1e-9) << speed;
        }
    }
}
