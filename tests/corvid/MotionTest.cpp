// The vector list, starting and stopping coordinated motion, the synthesized
// velocity and acceleration, and the coordinated reads.
#include "CardFixture.h"
#include "ReceivedList.h"

#include <cstdint>
#include <vector>

namespace {

using Words16 = std::vector<std::uint16_t>;
constexpr double kClose = 1e-6;

}  // namespace

TEST_F(CCardTest, StartingMotionWhereTheBreakPointIsSendsTheLargestMantissa)
{
    OpenQuietly();
    Card().profilePoint = {1.5, -2, 3, 4};
    Card().breakPoint = {1.5, -2, 3, 4};
    ASSERT_EQ(CV_StrtMtn(), CV_RC_DONE);
    const auto sent = Sent(Received());
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].command, 130);
    EXPECT_EQ(sent[0].argument, 0x3FFFFFFFu);
    EXPECT_EQ(sent[1].argument, 0u);
}

TEST_F(CCardTest, StartingMotionSendsTheReciprocalDistanceToTheBreakPoint)
{
    OpenQuietly();
    Card().profilePoint = {0, 0, 0, 0};
    Card().breakPoint = {3, 4, 12, 0};
    ASSERT_EQ(CV_StrtMtn(), CV_RC_DONE);
    EXPECT_NEAR(RealOf(Sent(Received()), 130), 1.0 / 13, kClose);
}

TEST_F(CCardTest, ListAndStopCommandsSendALoneZeroAndSetTheListState)
{
    OpenQuietly();
    const std::vector<std::pair<short (*)(), std::uint16_t>> calls = {
        {CV_StrtList, 133}, {CV_EndList, 134}, {CV_AddList, 135}, {CV_StpMtn, 131},
        {CV_AddList, 135}, {CV_EStpMtn, 132}, {CV_CrdAuStpOff, 128},
    };
    for (const auto& [call, word] : calls) {
        Card().ClearReceived();
        EXPECT_EQ(call(), CV_RC_DONE) << word;
        ASSERT_EQ(Received().size(), 1u) << word;
        EXPECT_EQ(Received()[0].command, word);
        EXPECT_EQ(Received()[0].argument, 0u);
    }
    EXPECT_EQ(Lib().coord.listState, 0);
    Card().ClearReceived();
    ASSERT_EQ(CV_AddList(), CV_RC_DONE);
    ASSERT_EQ(CV_CrdAuStpOn(), CV_RC_DONE);
    EXPECT_EQ(Lib().coord.listState, 1);
    EXPECT_NEAR(RealOf(Sent(Received()), 128), 1.0, kClose);
}

TEST_F(CCardTest, SynthesizedVelocityAndAccelerationRefuseTinyValuesAndSendReals)
{
    OpenQuietly();
    EXPECT_EQ(CV_SetSynVel(0), CV_RC_TOO_SLOW);
    EXPECT_EQ(CV_SetSynAcc(-1e-13), CV_RC_TOO_SLOW);
    EXPECT_TRUE(Received().empty());
    ASSERT_EQ(CV_SetSynVel(-2.5), CV_RC_DONE);
    ASSERT_EQ(CV_SetSynAcc(0.25), CV_RC_DONE);
    const auto sent = Sent(Received());
    EXPECT_EQ(Words(sent), (Words16{102, 102, 103, 103, 156, 156}));
    EXPECT_NEAR(RealAt(sent, 0), -2.5, kClose);
    EXPECT_NEAR(RealAt(sent, 4), 4.0, kClose);
}

TEST_F(CCardTest, CoordinatedReadsGiveTheCardsPointsStatusAndVelocity)
{
    OpenQuietly();
    Card().profilePoint = {1.25, -3, 1e6, 0};
    Card().breakPoint = {0, 0.5, 0, -7};
    Card().coordVelocity = 12.75;
    Card().SetReply(Card().CurrentAxis(), 144, 0x1FFFF);
    Card().SetReply(Card().CurrentAxis(), 145, 42);
    double profile[4] = {}, breakPoint[4] = {}, velocity = 0;
    short status = 0, motion = 0;
    ASSERT_EQ(CV_GetPrfPnt(profile), CV_RC_DONE);
    ASSERT_EQ(CV_GetBrkPnt(breakPoint), CV_RC_DONE);
    ASSERT_EQ(CV_GetCrdVel(&velocity), CV_RC_DONE);
    ASSERT_EQ(CV_GetCrdSts(&status), CV_RC_DONE);
    ASSERT_EQ(CV_GetMtnNm(&motion), CV_RC_DONE);
    EXPECT_EQ(profile[1], -3.0);
    EXPECT_EQ(profile[2], 1e6);
    EXPECT_EQ(breakPoint[3], -7.0);
    EXPECT_EQ(velocity, 12.75);
    EXPECT_EQ(status, -1);
    EXPECT_EQ(motion, 42);
    const auto& velocityExponent = Received()[Received().size() - 3];
    EXPECT_EQ(velocityExponent.replyKind, 1);
}

TEST_F(CCardTest, AFailedPointReadLeavesTheCallersPointAlone)
{
    OpenQuietly();
    Card().profilePoint = {1, 2, 3, 4};
    double point[4] = {9, 9, 9, 9};
    Card().FailControls(1);
    EXPECT_EQ(CV_GetPrfPnt(point), CV_RC_COMM);
    EXPECT_EQ(point[0], 9.0);
    EXPECT_EQ(CV_GetPrfPnt(nullptr), CV_RC_RANGE);
}
