#include "simulation/PartProfile.h"
#include "simulation/SimulationTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::vector<std::string> Diameters(const SPartProfile& part)
{
    std::vector<std::string> texts;
    for (const SPartStep& step : part.steps)
        texts.push_back(DiameterText(step.radius));
    return texts;
}

std::vector<double> Lengths(const SPartProfile& part)
{
    std::vector<double> lengths;
    for (const SPartStep& step : part.steps)
        lengths.push_back(step.Length());
    return lengths;
}

TEST(PartProfileTest, SteppedShaftShowsItsThreeDiametersAndLengths)
{
    SMachine m; // a 40 x 200 bar
    CWorkpiece& w = m.sim->workpiece;
    ResetWorkpiece(w, 40.0, 200.0);
    for (int i = 0; i < 30; ++i)
        w.profile_r[i] = i < 15 ? 10.0 : 15.0;
    const SPartProfile part = PartOf(*m.sim);
    EXPECT_EQ(Diameters(part), (std::vector<std::string>{"Φ20.00", "Φ30.00", "Φ40.00"}));
    EXPECT_EQ(Lengths(part), (std::vector<double>{15.0, 15.0, 170.0}));
    EXPECT_DOUBLE_EQ(part.Length(), 200.0);
}

TEST(PartProfileTest, ChamferAndArcMakeNoStepsOfTheirOwn)
{
    std::vector<double> r;
    for (int i = 0; i < 3; ++i)
        r.push_back(12.0 + i); // a 45 degree chamfer at the face
    for (int i = 0; i < 10; ++i)
        r.push_back(15.0);
    for (int i = 0; i < 20; ++i) // a convex R10 arc from radius 15 up to 25 and back
        r.push_back(15.0 + std::sqrt(100.0 - (i - 9.5) * (i - 9.5)));
    for (int i = 0; i < 10; ++i)
        r.push_back(20.0);
    const SPartProfile part = AnalyseProfile(r, 1.0, 50.0, 0.0);
    EXPECT_EQ(Diameters(part), (std::vector<std::string>{"Φ30.00", "Φ40.00"}));
    EXPECT_DOUBLE_EQ(part.steps[0].zRight, 0.0); // the chamfer belongs to its step
    EXPECT_DOUBLE_EQ(part.steps[0].Length() + part.steps[1].Length(), part.Length());
    EXPECT_GT(part.outline.size(), 20u); // the arc is drawn as cut, point by point
}

TEST(PartProfileTest, FacedOffSlicesAndTheBoreLeaveTheFaceBehindThem)
{
    const std::vector<double> r = {5.0, 5.0, 18.0, 18.0, 18.0, 18.0};
    const SPartProfile part = AnalyseProfile(r, 1.0, 40.0, 10.0);
    EXPECT_DOUBLE_EQ(part.zFace, -2.0);
    EXPECT_DOUBLE_EQ(part.Length(), 4.0);
    EXPECT_EQ(StepAt(part, -3.0), &part.steps[0]);
    EXPECT_EQ(StepAt(part, -1.0), nullptr);
}

TEST(PartProfileTest, MeasureGivesTheDistanceAndBothDeltas)
{
    const SMeasurement m = Measure({-10.0, 5.0}, {-13.0, 9.0});
    EXPECT_DOUBLE_EQ(m.distance, 5.0);
    EXPECT_DOUBLE_EQ(m.dx, 4.0);
    EXPECT_DOUBLE_EQ(m.dz, -3.0);
    const SPartProfile part = AnalyseProfile(std::vector<double>{10, 10, 10, 15, 15, 15}, 1.0, 40.0, 0.0);
    EXPECT_DOUBLE_EQ(SnapToCorner(part, {-3.2, 14.9}, 0.5).x, 15.0);
    EXPECT_DOUBLE_EQ(SnapToCorner(part, {-4.5, 14.0}, 0.5).x, 14.0);
}

} // namespace
