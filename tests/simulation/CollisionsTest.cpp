// The alarms of a tool going where no real tool may: the tailstock centre,
// the chuck, the bar at rapid traverse, the bar with the spindle standing.
#include "SimulationTestSupport.h"
#include "simulation/Warnings.h"

#include <gtest/gtest.h>

namespace {

struct SRun {
    std::vector<int> kinds;
    double lastZ = 0.0;
};

// A 40 x 200 bar, or a tube with a 20 mm bore; the tool starts at X30 Z2.
SRun Machine(const std::string& program, bool centreIn = false, double bore = 0.0)
{
    SMachine m;
    m.sim->switches.chuckClamped = 1;
    m.sim->switches.coneInstalled = centreIn ? 1 : 0;
    m.sim->switches.stockInnerDiameter = bore;
    m.StartFrom(30, 2, program);
    m.Run();
    SRun run;
    for (const auto& w : m.out.warnings)
        run.kinds.push_back(w.kind);
    run.lastZ = m.TraceZ().empty() ? 0.0 : m.TraceZ().back();
    return run;
}

using Kinds = std::vector<int>;

TEST(Collisions, TheToolReachingTheCentreStopsTheRunOnlyWhenItIsIn)
{
    EXPECT_EQ(Machine("M03 S800\nG00 X5 Z2\n", true).kinds, Kinds{kWarnToolHitsCentre});
    EXPECT_TRUE(Machine("M03 S800\nG00 X5 Z2\n").kinds.empty());
}

TEST(Collisions, ACutClearOfTheCentreRaisesNoAlarm)
{
    EXPECT_TRUE(Machine("M03 S800\nG01 X10 Z-20 F0.2\n", true).kinds.empty());
}

TEST(Collisions, ARapidThroughTheBarStopsWhereItEntersIt)
{
    const SRun run = Machine("M03 S800\nG00 X15 Z-10\n");
    EXPECT_EQ(run.kinds, Kinds{kWarnRapidIntoWork});
    // X falls 1.25 a millimetre: at Z-6 the tool stands at X20, on the surface.
    EXPECT_EQ(run.lastZ, -6.0);
}

TEST(Collisions, ARapidInTheBoreIsClearButNotOneThroughTheWall)
{
    EXPECT_TRUE(Machine("M03 S800\nG00 X5 Z2\nG00 X5 Z-30\nG00 X5 Z2\n", false, 20.0).kinds.empty());
    EXPECT_EQ(Machine("M03 S800\nG00 X5 Z-5\n", false, 20.0).kinds, Kinds{kWarnRapidIntoWork});
    EXPECT_EQ(Machine("M03 S800\nG01 X30 Z-5 F0.2\nG00 X5 Z-5\n", false, 20.0).kinds, Kinds{kWarnRapidIntoWork});
}

TEST(Collisions, RapidsOutOfACutAndAlongAShoulderFaceAreClear)
{
    // Out of a thread's root, and in to a cycle's pass along the face the
    // last pass left.
    EXPECT_TRUE(Machine("M03 S800\nG00 X19 Z2\nG32 X19 Z-12 F2\nG00 X30 Z-12\n").kinds.empty());
    EXPECT_TRUE(
        Machine("M03 S800\nG00 X15 Z2\nG01 X15 Z-10 F0.2\nG01 X30 Z-10\nG00 X30 Z-11\nG00 X18 Z-11\n").kinds.empty());
}

TEST(Collisions, ACutWithTheSpindleStandingStopsTheRunAndOneInTheAirDoesNot)
{
    const SRun run = Machine("G01 X18 Z-10 F0.2\n");
    EXPECT_EQ(run.kinds, Kinds{kWarnCutSpindleStopped});
    EXPECT_EQ(run.lastZ, -8.0);
    EXPECT_TRUE(Machine("G01 X30 Z-10 F0.2\nG02 X30 Z-20 R5\n").kinds.empty());
    EXPECT_EQ(Machine("M03 S800\nM05\nG02 X18 Z-10 R10 F0.2\n").kinds, Kinds{kWarnCutSpindleStopped});
}

TEST(Collisions, TheChuckStopsTheToolWhereItsJawsAndBodyStand)
{
    // Below its lowest step (X38 on this bar) a jaw meets the tool 26.44 mm
    // in front of the bar's chuck end.
    const SRun jaws = Machine("M03 S800\nG01 X30 Z-190 F0.2\n");
    EXPECT_EQ(jaws.kinds, Kinds{kWarnToolHitsChuck});
    EXPECT_EQ(jaws.lastZ, -173.0);
    // Above the jaws the chuck body's face stands 9.6 mm behind it.
    EXPECT_EQ(Machine("M03 S800\nG00 X70 Z2\nG01 X70 Z-220 F0.2\n").lastZ, -209.0);
    EXPECT_TRUE(Machine("M03 S800\nG00 X80 Z2\nG01 X80 Z-220 F0.2\n").kinds.empty());
}

} // namespace
