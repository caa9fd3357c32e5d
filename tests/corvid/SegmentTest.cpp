// Lines, arcs and point-to-point moves: where each starts, the geometry the
// library works out, and the command lists the card receives.
#include "CardFixture.h"
#include "ReceivedList.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using Words16 = std::vector<std::uint16_t>;

class CSegmentTest : public CCardTest {
protected:
    // The card's profile point, where a segment outside a list starts.
    void StartAt(double x, double y, double z = 0, double a = 0)
    {
        OpenQuietly();
        Card().profilePoint = {x, y, z, a};
    }
    std::vector<SReceived> SentNow() const { return Sent(Received()); }
};

constexpr double kClose = 1e-6;

}  // namespace

TEST_F(CSegmentTest, ALineToItsStartPointIsRefusedWithoutSending)
{
    StartAt(10, 20);
    EXPECT_EQ(CV_LnXY(10, 20), CV_RC_LINE_LENGTH);
    EXPECT_EQ(CV_LnXYZ(10, 20, 0), CV_RC_LINE_LENGTH);
    EXPECT_TRUE(SentNow().empty());
}

TEST_F(CSegmentTest, ALineSendsItsWordTheReciprocalLengthAndTheEndPoint)
{
    StartAt(1, 1);
    ASSERT_EQ(CV_LnXY(4, 5), CV_RC_DONE);
    const auto sent = SentNow();
    EXPECT_EQ(Words(sent), (Words16{96, 119, 119, 112, 112, 113, 113}));
    EXPECT_EQ(sent[0].argument, 9u);
    EXPECT_NEAR(RealAt(sent, 1), 0.2, kClose);
    EXPECT_NEAR(RealAt(sent, 3), 4.0, kClose);
    EXPECT_NEAR(RealAt(sent, 5), 5.0, kClose);
}

TEST_F(CSegmentTest, LinesInThreeAndFourCoordinatesMeasureAllOfThem)
{
    StartAt(0, 0, 0, 0);
    ASSERT_EQ(CV_LnXYZ(2, 3, 6), CV_RC_DONE);
    auto sent = SentNow();
    EXPECT_EQ(Words(sent), (Words16{97, 119, 119, 112, 112, 113, 113, 114, 114}));
    EXPECT_EQ(sent[0].argument, 12u);
    EXPECT_NEAR(RealAt(sent, 1), 1.0 / 7, kClose);
    Card().ClearReceived();
    ASSERT_EQ(CV_LnXYZA(1, 1, 1, 1), CV_RC_DONE);
    sent = SentNow();
    EXPECT_EQ(Words(sent), (Words16{98, 119, 119, 112, 112, 113, 113, 114, 114, 115, 115}));
    EXPECT_EQ(sent[0].argument, 15u);
    EXPECT_NEAR(RealAt(sent, 1), 0.5, kClose);
}

TEST_F(CSegmentTest, LinesInAListChainFromTheLibrarysLastPoint)
{
    StartAt(100, 100);
    ASSERT_EQ(CV_StrtList(), CV_RC_DONE);
    ASSERT_EQ(CV_LnXY(3, 4), CV_RC_DONE);   // from the last point, (0, 0) here
    Card().ClearReceived();
    ASSERT_EQ(CV_LnXY(6, 8), CV_RC_DONE);
    const auto sent = SentNow();
    EXPECT_EQ(sent.size(), Received().size());  // no read of the profile point
    EXPECT_NEAR(RealOf(sent, 119), 0.2, kClose);
}

TEST_F(CSegmentTest, AFailedProfilePointReadIsTheSegmentsResult)
{
    StartAt(0, 0);
    Card().FailControls(1);
    EXPECT_EQ(CV_LnXY(1, 1), CV_RC_COMM);
    EXPECT_TRUE(Received().empty());
}

TEST_F(CSegmentTest, AnArcByAngleSendsEndAndCentreOfEachPlaneCoordinateInOrder)
{
    StartAt(10, 0);
    ASSERT_EQ(CV_ArcXY(0, 0, 90), CV_RC_DONE);
    const auto sent = SentNow();
    EXPECT_EQ(Words(sent), (Words16{99, 119, 119, 112, 112, 116, 116, 113, 113, 117, 117}));
    EXPECT_EQ(sent[0].argument, 15u);
    EXPECT_NEAR(RealAt(sent, 1), 0.1, kClose);
    EXPECT_NEAR(RealAt(sent, 3), 0.0, kClose);
    EXPECT_NEAR(RealAt(sent, 7), 10.0, kClose);
}

TEST_F(CSegmentTest, TheArcsRadiusSignFollowsTheTurnAndThePlane)
{
    StartAt(0, 10, 10);
    ASSERT_EQ(CV_ArcYZ(0, 10, -45), CV_RC_DONE);
    EXPECT_NEAR(RealOf(SentNow(), 119), -0.1, kClose);
    Card().ClearReceived();
    ASSERT_EQ(CV_ArcZX(0, 0, 30), CV_RC_DONE);  // positive turns in ZX send a negative radius
    const auto sent = SentNow();
    EXPECT_EQ(Words(sent), (Words16{101, 119, 119, 112, 112, 116, 116, 114, 114, 118, 118}));
    EXPECT_NEAR(RealOf(sent, 119), -0.1, kClose);
}

TEST_F(CSegmentTest, ArcsInTheYZAndZXPlanesTurnFromTheirFirstCoordinateTowardTheSecond)
{
    StartAt(0, 11, 2);
    ASSERT_EQ(CV_ArcYZ(1, 2, 90), CV_RC_DONE);  // y from 11 to 1, z from 2 to 12
    auto sent = SentNow();
    EXPECT_NEAR(RealOf(sent, 113), 1.0, kClose);
    EXPECT_NEAR(RealOf(sent, 114), 12.0, kClose);
    EXPECT_NEAR(RealOf(sent, 117), 1.0, kClose);
    EXPECT_NEAR(RealOf(sent, 118), 2.0, kClose);
    Card().ClearReceived();
    Card().profilePoint = {1, 0, 12, 0};
    ASSERT_EQ(CV_ArcZX(2, 1, 90), CV_RC_DONE);  // z from 12 to 2, x from 1 to 11
    sent = SentNow();
    EXPECT_NEAR(RealOf(sent, 114), 2.0, kClose);
    EXPECT_NEAR(RealOf(sent, 112), 11.0, kClose);
    EXPECT_NEAR(RealOf(sent, 118), 2.0, kClose);
    EXPECT_NEAR(RealOf(sent, 116), 1.0, kClose);
}

TEST_F(CSegmentTest, AFullCircleEndsAtItsStartAndMoreIsRefused)
{
    StartAt(3, 7);
    EXPECT_EQ(CV_ArcXY(0, 7, 360.0000001), CV_RC_RANGE);
    EXPECT_EQ(CV_ArcXY(0, 7, 0), CV_RC_RANGE);
    EXPECT_TRUE(SentNow().empty());
    ASSERT_EQ(CV_ArcXY(0, 7, -360), CV_RC_DONE);
    const auto sent = SentNow();
    EXPECT_EQ(RealOf(sent, 112), 3.0);
    EXPECT_EQ(RealOf(sent, 113), 7.0);
}

TEST_F(CSegmentTest, AnArcAroundItsOwnStartIsRefused)
{
    StartAt(5, 5);
    EXPECT_EQ(CV_ArcXY(5, 5, 90), CV_RC_ARC_RADIUS);
    EXPECT_TRUE(SentNow().empty());
}

TEST_F(CSegmentTest, AnArcInAListMovesOnlyItsPlaneCoordinatesOfTheLastPoint)
{
    StartAt(0, 0);
    ASSERT_EQ(CV_StrtList(), CV_RC_DONE);
    ASSERT_EQ(CV_LnXYZ(10, 0, 5), CV_RC_DONE);
    ASSERT_EQ(CV_ArcXY(0, 0, 90), CV_RC_DONE);  // to (0, 10), z stays 5
    Card().ClearReceived();
    ASSERT_EQ(CV_LnXYZ(0, 10, 9), CV_RC_DONE);
    EXPECT_NEAR(RealOf(SentNow(), 119), 0.25, kClose);
}

TEST_F(CSegmentTest, AnArcByRadiusWithAChordLongerThanTheDiameterIsRefused)
{
    StartAt(0, 0);
    EXPECT_EQ(CV_ArcXYP(10.001, 0, 5, 1), CV_RC_ARC_CHORD);
    EXPECT_EQ(CV_ArcXYP(0, 0, 5, 1), CV_RC_ARC_RADIUS);
    EXPECT_EQ(CV_ArcXYP(1, 0, 0, 1), CV_RC_ARC_RADIUS);
    EXPECT_EQ(CV_ArcXYP(1, 0, 5, 0), CV_RC_RANGE);
    EXPECT_TRUE(SentNow().empty());
}

TEST_F(CSegmentTest, AChordEqualToTheDiameterPutsTheCentreAtItsMidpoint)
{
    StartAt(0, 0);
    ASSERT_EQ(CV_ArcXYP(10, 0, 5, 1), CV_RC_DONE);
    const auto sent = SentNow();
    EXPECT_NEAR(RealOf(sent, 116), 5.0, kClose);
    EXPECT_NEAR(RealOf(sent, 117), 0.0, kClose);
    EXPECT_NEAR(RealOf(sent, 119), 0.2, kClose);
}

TEST_F(CSegmentTest, TheCentreOfAnArcByRadiusLiesOnTheSideItsDirectionAndSignChoose)
{
    StartAt(0, 0);
    ASSERT_EQ(CV_ArcXYP(6, 0, 5, 1), CV_RC_DONE);  // centre above the chord
    EXPECT_NEAR(RealOf(SentNow(), 117), 4.0, kClose);
    EXPECT_NEAR(RealOf(SentNow(), 119), 0.2, kClose);
    Card().ClearReceived();
    ASSERT_EQ(CV_ArcXYP(6, 0, -5, 1), CV_RC_DONE);
    EXPECT_NEAR(RealOf(SentNow(), 117), -4.0, kClose);
    Card().ClearReceived();
    ASSERT_EQ(CV_ArcXYP(6, 0, 5, -1), CV_RC_DONE);
    EXPECT_NEAR(RealOf(SentNow(), 117), -4.0, kClose);
    EXPECT_NEAR(RealOf(SentNow(), 119), -0.2, kClose);
    Card().ClearReceived();
    ASSERT_EQ(CV_ArcZXP(0, 6, 5, 1), CV_RC_DONE);  // in ZX direction 1 sends a negative radius
    EXPECT_NEAR(RealOf(SentNow(), 119), -0.2, kClose);
}

TEST_F(CSegmentTest, AMoveNeedsAVelocityAndAnAcceleration)
{
    StartAt(0, 0);
    EXPECT_EQ(CV_MvXY(1, 1, 0, 1), CV_RC_TOO_SLOW);
    EXPECT_EQ(CV_MvXYZ(1, 1, 1, 1, -1), CV_RC_TOO_SLOW);
    EXPECT_TRUE(Received().empty());
}

TEST_F(CSegmentTest, AMoveSendsItsProfileAndEndAndBecomesTheLastPoint)
{
    StartAt(50, 50);
    ASSERT_EQ(CV_MvXY(3, 4, 2, 0.5), CV_RC_DONE);
    const auto sent = SentNow();
    EXPECT_EQ(sent.size(), Received().size());  // a move reads nothing
    EXPECT_EQ(Words(sent), (Words16{103, 103, 156, 156, 102, 102, 105, 112, 112, 113, 113}));
    EXPECT_NEAR(RealAt(sent, 0), 0.5, kClose);
    EXPECT_NEAR(RealAt(sent, 2), 2.0, kClose);
    EXPECT_NEAR(RealAt(sent, 4), 2.0, kClose);
    EXPECT_EQ(sent[6].argument, 6u);
    ASSERT_EQ(CV_AddList(), CV_RC_DONE);
    Card().ClearReceived();
    ASSERT_EQ(CV_LnXY(6, 8), CV_RC_DONE);
    EXPECT_NEAR(RealOf(SentNow(), 119), 0.2, kClose);
}

TEST_F(CSegmentTest, ASegmentWithAValueThatIsNotANumberSendsNothing)
{
    StartAt(0, 0);
    EXPECT_EQ(CV_LnXY(std::nan(""), 1), CV_RC_RANGE);
    EXPECT_EQ(CV_ArcXY(1, std::nan(""), 90), CV_RC_RANGE);
    EXPECT_EQ(CV_ArcZXP(1, 1, INFINITY, 1), CV_RC_RANGE);
    EXPECT_EQ(CV_MvXYZA(1, 1, 1, INFINITY, 1, 1), CV_RC_RANGE);
    EXPECT_TRUE(Received().empty());  // not even the start point was read
}
