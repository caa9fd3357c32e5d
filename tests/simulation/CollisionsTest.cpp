// The alarm of a tool reaching the tailstock centre.
#include "SimulationTestSupport.h"
#include "simulation/Warnings.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> Kinds(const std::string& program, bool centreIn = false)
{
    SMachine m;
    m.sim->switches.chuckClamped = 1;
    m.sim->switches.coneInstalled = centreIn ? 1 : 0;
    m.StartFrom(30, 2, program);
    m.Run();
    std::vector<int> kinds;
    for (const auto& w : m.out.warnings)
        kinds.push_back(w.kind);
    return kinds;
}

TEST(Collisions, TheToolReachingTheCentreStopsTheRunOnlyWhenItIsIn)
{
    EXPECT_EQ(Kinds("M03 S800\nG00 X5 Z2\n", true), std::vector<int>{kWarnToolHitsCentre});
    EXPECT_TRUE(Kinds("M03 S800\nG00 X5 Z2\n").empty());
}

TEST(Collisions, ACutClearOfTheCentreRaisesNoAlarm)
{
    EXPECT_TRUE(Kinds("M03 S800\nG01 X10 Z-20 F0.2\n", true).empty());
}

} // namespace
