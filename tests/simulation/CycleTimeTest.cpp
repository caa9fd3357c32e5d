// The machining time a program would take, from its statements.
#include "SimulationTestSupport.h"
#include "simulation/CycleTime.h"

#include <gtest/gtest.h>

namespace {

double Seconds(const std::string& program)
{
    SMachine m;
    m.sim->switches.chuckClamped = 1;
    m.StartFrom(20, 0, program);
    return CycleTimeSeconds(m.sim->interp, m.program->doc);
}

TEST(CycleTime, FeedPerRevolutionRunsAtFeedTimesSpindleSpeed)
{
    EXPECT_DOUBLE_EQ(Seconds("M03 S500\nG01 X20 Z-50 F0.2\nM02\n"), 30.0);
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
