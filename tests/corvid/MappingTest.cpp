// The axis mapping and its inverse, the acceleration limit, and the position
// commands that go through the mapping.
#include "CardFixture.h"
#include "FailingAllocations.h"
#include "MappingSolve.h"
#include "ReceivedList.h"

#include <cstdint>
#include <vector>

namespace {

using Words16 = std::vector<std::uint16_t>;
constexpr double kClose = 1e-6;

class CMappingTest : public CCardTest {
protected:
    void SetUp() override
    {
        CCardTest::SetUp();
        OpenQuietly();
    }
    static short Map(short axis, double x, double y, double z, double a, double offset)
    {
        const double coefficients[5] = {x, y, z, a, offset};
        return CV_MapAxis(axis, coefficients);
    }
};

}  // namespace

TEST_F(CMappingTest, AxesOutsideOneToFourAreRefusedAndNothingIsMapped)
{
    EXPECT_EQ(Map(0, 1, 0, 0, 0, 0), CV_RC_RANGE);
    EXPECT_EQ(Map(5, 1, 0, 0, 0, 0), CV_RC_RANGE);
    EXPECT_EQ(CV_MapAxis(1, nullptr), CV_RC_RANGE);
    EXPECT_TRUE(Received().empty());
    EXPECT_EQ(Lib().coord.mapped, (std::array<short, 4>{}));
}

TEST_F(CMappingTest, MappingSendsTheRecordTheCurrentPointAndTheLimits)
{
    Card().axisPositions = {0, 1000, 0, 0};
    ASSERT_EQ(Map(2, 0, 2, 0, 0, -99.5), CV_RC_DONE);  // offset rounds away from zero
    const auto sent = Sent(Received());
    EXPECT_EQ(Words(sent), (Words16{129, 136, 136, 137, 137, 138, 138, 139, 139, 140,
                                    120, 120, 121, 121, 122, 122, 123, 123,
                                    124, 124, 125, 125, 126, 126, 127, 127, 141}));
    EXPECT_EQ(sent[0].argument, 1u);
    EXPECT_EQ(static_cast<std::int32_t>(sent[9].argument), -100);
    EXPECT_NEAR(RealOf(sent, 121), 550.0, kClose);  // (1000 + 100) / 2
    EXPECT_NEAR(RealOf(sent, 120), 0.0, kClose);
    EXPECT_NEAR(RealOf(sent, 125), 8192.0, kClose);
    EXPECT_NEAR(RealOf(sent, 124), 16384.0, kClose);  // no limit of its own
    EXPECT_EQ(sent.back().argument, 0u);
}

TEST_F(CMappingTest, TheMappedPointBecomesTheStartOfTheNextListSegment)
{
    Card().axisPositions = {30, 40, 0, 0};
    ASSERT_EQ(Map(1, 1, 0, 0, 0, 0), CV_RC_DONE);
    ASSERT_EQ(Map(2, 0, 1, 0, 0, 0), CV_RC_DONE);
    ASSERT_EQ(CV_StrtList(), CV_RC_DONE);
    Card().ClearReceived();
    ASSERT_EQ(CV_LnXY(0, 0), CV_RC_DONE);
    EXPECT_NEAR(RealOf(Sent(Received()), 119), 0.02, kClose);
}

TEST_F(CMappingTest, DependentAxesAreSolvedOnTheFirstIndependentCoordinates)
{
    Card().axisPositions = {10, 20, 0, 0};
    ASSERT_EQ(Map(1, 1, 1, 0, 0, 0), CV_RC_DONE);
    Card().ClearReceived();
    ASSERT_EQ(Map(2, 2, 2, 0, 0, 0), CV_RC_DONE);  // the same direction as axis 1
    const auto sent = Sent(Received());
    EXPECT_NEAR(RealOf(sent, 120), 10.0, kClose);
    EXPECT_NEAR(RealOf(sent, 121), 0.0, kClose);
    EXPECT_EQ(Lib().coord.independent[0], 0);
}

TEST_F(CMappingTest, AMappingWhoseInverseOverflowsIsRefused)
{
    ASSERT_EQ(Map(1, 1e308, 1e308, 0, 0, 0), CV_RC_DONE);
    Card().ClearReceived();
    EXPECT_EQ(Map(2, 1e308, -1e308, 0, 0, 0), CV_RC_MAPPING);
    EXPECT_TRUE(Sent(Received()).empty());
    EXPECT_EQ(Lib().coord.mapped[1], 0);
    EXPECT_EQ(Map(2, 0, 1, 0, 0, 0), CV_RC_DONE);  // the refused mapping is not in force
}

TEST_F(CMappingTest, MappingAnAxisReadsTheOtherMappedAxesAgain)
{
    ASSERT_EQ(Map(1, 1, 0, 0, 0, 0), CV_RC_DONE);
    Card().axisPositions = {50, 0, 0, 0};
    Card().ClearReceived();
    ASSERT_EQ(Map(2, 0, 1, 0, 0, 0), CV_RC_DONE);
    EXPECT_NEAR(RealOf(Sent(Received()), 120), 50.0, kClose);
}

TEST_F(CMappingTest, ACoordinateMayAccelerateAsFastAsEveryMotorOnItAllows)
{
    ASSERT_EQ(CV_Axis(1), CV_RC_DONE);
    ASSERT_EQ(CV_SetAccLmt(100), CV_RC_DONE);
    ASSERT_EQ(Map(1, -1, 0, 0, 0, 0), CV_RC_DONE);
    EXPECT_NEAR(RealOf(Sent(Received()), 124), 100.0, kClose);
    Card().ClearReceived();
    ASSERT_EQ(CV_SetAccLmt(100), CV_RC_DONE);
    EXPECT_NEAR(RealOf(Sent(Received()), 124), 100.0, kClose);
    // Two motors share both coordinates, as on a CoreXY machine.
    ASSERT_EQ(Map(1, 1, 1, 0, 0, 0), CV_RC_DONE);
    ASSERT_EQ(CV_Axis(2), CV_RC_DONE);
    ASSERT_EQ(CV_SetAccLmt(100), CV_RC_DONE);
    Card().ClearReceived();
    ASSERT_EQ(Map(2, 1, -1, 0, 0, 0), CV_RC_DONE);
    const auto sent = Sent(Received());
    EXPECT_NEAR(RealOf(sent, 124), 100.0, kClose);
    EXPECT_NEAR(RealOf(sent, 125), 100.0, kClose);
    EXPECT_NEAR(RealOf(sent, 126), 16384.0, kClose);
}

TEST_F(CMappingTest, AFailedPositionReadMapsNothing)
{
    Card().FailControls(1);
    EXPECT_EQ(Map(1, 1, 0, 0, 0, 0), CV_RC_COMM);
    EXPECT_EQ(Lib().coord.mapped[0], 0);
}

TEST_F(CMappingTest, AMappingTheCardDropsHalfwayIsClosed)
{
    Card().CorruptEchoes(4);  // the first entry never gets its echo
    EXPECT_EQ(Map(1, 1, 0, 0, 0, 0), CV_RC_COMM);
    EXPECT_EQ(Received().back().command, 141);
}

TEST_F(CMappingTest, WithoutMemoryForTheSolveNothingChangesAndNothingIsPrinted)
{
    ASSERT_EQ(Map(1, 1, 0, 0, 0, 0), CV_RC_DONE);
    const corvid::SCoordState before = Lib().coord;
    Card().ClearReceived();
    testing::internal::CaptureStdout();
    short result = 0;
    {
        CFailingAllocations failing;
        result = Map(2, 0, 1, 0, 0, 5);
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(result, CV_RC_MAPPING);
    EXPECT_EQ(Lib().coord.mapped, before.mapped);
    EXPECT_EQ(Lib().coord.mapping, before.mapping);
    EXPECT_TRUE(Sent(Received()).empty());
}

TEST_F(CMappingTest, AnAccelerationLimitOfAnUnmappedAxisGoesAsFixedPoint)
{
    EXPECT_EQ(CV_SetAccLmt(0), CV_RC_TOO_SLOW);
    EXPECT_EQ(CV_SetAccLmt(16384.001), CV_RC_TOO_SLOW);
    EXPECT_TRUE(Received().empty());
    ASSERT_EQ(CV_SetAccLmt(16384), CV_RC_DONE);
    ASSERT_EQ(Received().size(), 2u);
    EXPECT_EQ(Received()[0].command, 85);
    EXPECT_EQ(Received()[0].argument, 0x40000000u);
    EXPECT_EQ(Received()[1].command, 141);
}

TEST_F(CMappingTest, AnAccelerationLimitOfAMappedAxisSendsTheCoordinateLimits)
{
    ASSERT_EQ(CV_Axis(1), CV_RC_DONE);
    ASSERT_EQ(Map(1, 0, 0, 4, 0, 0), CV_RC_DONE);
    Card().ClearReceived();
    ASSERT_EQ(CV_SetAccLmt(2), CV_RC_DONE);
    const auto sent = Sent(Received());
    EXPECT_EQ(Words(sent), (Words16{85, 124, 124, 125, 125, 126, 126, 127, 127, 141}));
    EXPECT_EQ(sent[0].argument, 131072u);
    EXPECT_NEAR(RealOf(sent, 126), 0.5, kClose);
    EXPECT_NEAR(RealOf(sent, 124), 16384.0, kClose);
}

TEST_F(CMappingTest, PositionCommandsOfAnUnmappedAxisGoWithTheEndOfTransaction)
{
    ASSERT_EQ(CV_SetAtlPos(-5), CV_RC_DONE);
    ASSERT_EQ(CV_ZeroPos(), CV_RC_DONE);
    ASSERT_EQ(CV_SynchPos(), CV_RC_DONE);
    const auto sent = Sent(Received());
    EXPECT_EQ(Words(sent), (Words16{39, 141, 21, 141, 20, 141}));
    EXPECT_EQ(static_cast<std::int32_t>(sent[0].argument), -5);
}

TEST_F(CMappingTest, APositionOfAMappedAxisMovesTheCoordinatePoint)
{
    ASSERT_EQ(CV_Axis(1), CV_RC_DONE);
    Card().axisPositions = {0, 7, 0, 0};
    ASSERT_EQ(Map(1, 2, 0, 0, 0, 10), CV_RC_DONE);
    ASSERT_EQ(Map(2, 0, 1, 0, 0, 0), CV_RC_DONE);
    ASSERT_EQ(CV_StrtList(), CV_RC_DONE);
    Card().ClearReceived();
    ASSERT_EQ(CV_SetAtlPos(30), CV_RC_DONE);
    const auto sent = Sent(Received());
    EXPECT_EQ(Words(sent), (Words16{39, 120, 120, 121, 121, 122, 122, 123, 123, 141}));
    EXPECT_NEAR(RealOf(sent, 120), 10.0, kClose);  // (30 - 10) / 2
    EXPECT_NEAR(RealOf(sent, 121), 7.0, kClose);
    EXPECT_EQ(Lib().coord.lastPoint[0], 10.0);
}

TEST(MappingSolve, RankCountsOnlyPivotsAboveTheThreshold)
{
    corvid::Matrix4 m{};
    m[0] = {1, 0, 0, 0};
    m[1] = {0, 1e-6, 0, 0};
    m[2] = {0, 0, 2e-6, 0};
    EXPECT_EQ(corvid::MappingRank(m), 2);
}

TEST(MappingSolve, TheFirstFullRankRowsAndColumnsAreChosen)
{
    corvid::Matrix4 m{};
    m[1] = {0, 0, 3, 0};
    m[3] = {0, 0, 0, 2};
    const corvid::SMappingSolution solution = corvid::SolveMapping(m, {0, 6, 0, 8});
    ASSERT_TRUE(solution.solved);
    EXPECT_EQ(solution.rank, 2);
    EXPECT_EQ(solution.independent, (std::array<short, 4>{2, 3, 0, 0}));
    EXPECT_EQ(solution.point, (corvid::Vector4{0, 0, 2, 4}));
}

TEST(MappingSolve, AFullSystemIsSolvedWithCompletePivoting)
{
    corvid::Matrix4 m{};
    m[0] = {0, 1, 0, 0};
    m[1] = {1, 0, 0, 1};
    m[2] = {0, 0, 1e-3, 0};
    m[3] = {1, 0, 0, -1};
    const corvid::SMappingSolution solution = corvid::SolveMapping(m, {2, 5, 3e-3, 1});
    ASSERT_TRUE(solution.solved);
    EXPECT_NEAR(solution.point[0], 3.0, 1e-12);
    EXPECT_NEAR(solution.point[1], 2.0, 1e-12);
    EXPECT_NEAR(solution.point[2], 3.0, 1e-9);
    EXPECT_NEAR(solution.point[3], 2.0, 1e-12);
}
