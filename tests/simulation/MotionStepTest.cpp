// The steps of moves: trace, cut rule, status texts and the position display.
#include "SimulationTestSupport.h"
#include "common/NumberText.h"
#include "simulation/Warnings.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace {

using Doubles = std::vector<double>;

TEST(LineStep, TenMillimetresTakeElevenStepsAndCutElevenSlices)
{
    SMachine m;
    m.Start("G00 X15 Z0\nG00 X15 Z0\nG01 X15 Z-10 F0.2\n");
    m.Run();
    EXPECT_EQ(m.TraceZ(), (Doubles{0, 0, -1, -2, -3, -4, -5, -6, -7, -8, -9, -10}));
    for (int slice = 0; slice <= 10; ++slice)
        EXPECT_DOUBLE_EQ(m.sim->workpiece.profile_r[slice], 15.0) << slice;
    EXPECT_DOUBLE_EQ(m.sim->workpiece.profile_r[11], 20.0);
}

TEST(LineStep, PureXMoveTakesOneStepAndJumps)
{
    SMachine m;
    m.Start("G00 X10 Z-5\nG00 X10 Z-5\nG01 X5 Z-5 F0.2\n");
    m.Run();
    EXPECT_EQ(m.TraceX(), (Doubles{10, 5}));
    EXPECT_DOUBLE_EQ(m.sim->workpiece.profile_r[5], 5.0);
}

TEST(LineStep, TaperFollowsTheSlopeAndALaterPassNeverRaisesTheRadius)
{
    SMachine m;
    m.Start("G00 X20 Z0\nG01 X10 Z-4 F0.2\nG01 X18 Z-4 F0.2\nG01 X18 Z0 F0.2\n");
    m.Run();
    EXPECT_EQ(m.TraceX(), (Doubles{20, 17.5, 15, 12.5, 10, 18, 18, 18, 18, 18, 18}));
    EXPECT_DOUBLE_EQ(m.sim->workpiece.profile_r[0], 18.0);
    EXPECT_DOUBLE_EQ(m.sim->workpiece.profile_r[1], 17.5);
    EXPECT_DOUBLE_EQ(m.sim->workpiece.profile_r[4], 10.0);
}

TEST(LineStep, InFrontOfTheBarTheSameDistanceInsideIsCut)
{
    SMachine m;
    m.Start("G00 X30 Z2\nG00 X10 Z2\nG00 X30 Z-0.6\nG01 X12 Z-0.6 F0.2\n");
    m.Run();
    EXPECT_DOUBLE_EQ(m.sim->workpiece.profile_r[2], 10.0);
    EXPECT_DOUBLE_EQ(m.sim->workpiece.profile_r[0], 12.0);
}

TEST(LineStep, StatusShowsTheEndPointOnceAndThePanelEveryPoint)
{
    SMachine m;
    m.Start("G00 X30 Z2\nG01 X-1.5 Z-2 F0.2\n");
    m.Run();
    EXPECT_EQ(m.out.events, (std::vector<std::string>{"status G01 X-1.500 Z-2.000  "}));
    ASSERT_EQ(m.out.positions.size(), 5u);
    // Absolute: the machine origin is X 70, Z 445 less the stock length.
    EXPECT_DOUBLE_EQ(m.out.positions[0].first, 30.0 - 70.0);
    EXPECT_DOUBLE_EQ(m.out.positions[0].second, 2.0 - 245.0);
}

TEST(LineStep, RelativeDisplayShowsProgramCoordinates)
{
    SMachine m;
    m.panel.m_nCoordDisplay = ECoordDisplay::Relative;
    m.Start("G00 X30 Z2\nG01 X20 Z2 F0.2\n");
    m.Run();
    EXPECT_EQ(m.out.positions, (std::vector<std::pair<double, double>>{{20.0, 2.0}}));
}

TEST(ArcStep, FollowsTheCircleTowardsTheChuckWithoutNotANumber)
{
    SMachine m;
    m.panel.m_nCoordDisplay = ECoordDisplay::Relative;
    m.Start("G00 X10 Z0\nG02 X20 Z-10 I0 K10 F0.2\n");
    m.Run();
    const Doubles x = m.TraceX();
    ASSERT_EQ(x.size(), 10u);
    EXPECT_DOUBLE_EQ(x[0], 10.0);
    EXPECT_NEAR(x[5], 10.0 + std::sqrt(75.0), 1e-9);
    for (double value : x)
        EXPECT_FALSE(std::isnan(value));
    EXPECT_EQ(m.out.events, (std::vector<std::string>{"status G02 X20.000 Z-10.000 I0.000 K10.000 "}));
}

TEST(ArcStep, ConcaveArcRunsBelowItsCentre)
{
    SMachine m;
    m.Start("G00 X10 Z0\nG03 X20 Z-10 R10 F0.2\n");
    m.Run();
    EXPECT_NEAR(m.TraceX()[5], 20.0 - std::sqrt(75.0), 1e-9);
}

TEST(ThreadStep, CutsATriangularGrooveWithAResetStepEachLead)
{
    SMachine m;
    m.Start("G00 X19 Z0\nG00 X19 Z0\nG32 X19 Z-8 F2\n");
    m.Run();
    const auto& r = m.sim->workpiece.profile_r;
    for (int slice : {1, 3, 5, 7})
        EXPECT_NEAR(r[slice], 19.0, 1e-9) << slice;
    for (int slice : {2, 4, 6, 8})
        EXPECT_NEAR(r[slice], 19.0 - 1.732, 1e-9) << slice;
    // Every third step keeps its Z.
    EXPECT_EQ(m.TraceZ(), (Doubles{0, 0, -1, -2, -2, -3, -4, -4, -5, -6, -6, -7}));
    EXPECT_EQ(m.out.events.back(), "status G32 X19.000 Z-8.000 F2.000000 ");
}

TEST(Capacity, AFullTraceStopsTheRunWithAWarningAndWritesNothingMore)
{
    SMachine m;
    m.Start("G00 X30 Z2\nG01 X30 Z-100 F0.2\n");
    m.sim->workpiece.nn = CWorkpiece::kCapacity - 2;
    m.Run();
    EXPECT_EQ(m.sim->workpiece.nn, CWorkpiece::kCapacity);
    EXPECT_EQ(m.sim->interp.node_cur, nullptr);
    ASSERT_EQ(m.out.warnings.size(), 1u);
    EXPECT_EQ(m.out.warnings[0].kind, kWarnTraceFull);
    EXPECT_EQ(m.out.warnings[0].text, WarningText(kWarnTraceFull));
}

TEST(Capacity, CuttingBeyondTheProfileStopsTheRun)
{
    SMachine m;
    m.Start("G00 X30 Z-29998\nG00 X30 Z-29998\nG01 X30 Z-30010 F0.2\n");
    m.Run();
    EXPECT_EQ(m.TraceZ(), (Doubles{-29998, -29998, -29999}));
    ASSERT_EQ(m.out.warnings.size(), 1u);
    EXPECT_EQ(m.out.warnings[0].kind, kWarnBeyondProfile);
}

TEST(NumberText, ReadsTheSameUnderADecimalCommaLocale)
{
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    EXPECT_EQ(FixedText(-1.5, 3), "-1.500");
    EXPECT_EQ(FixedText(2.0, 6), "2.000000");
    EXPECT_EQ(FixedText(std::nan(""), 3), "nan");
    EXPECT_EQ(FixedText(-0.0, 3), "0.000");
    EXPECT_EQ(FixedText(-0.0004, 3), "0.000") << "what shows as zero shows no sign";
    std::setlocale(LC_NUMERIC, before.c_str());
    if (!german)
        GTEST_SKIP() << "no de_DE locale here; checked in the C locale only";
}

} // namespace
