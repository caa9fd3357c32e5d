// Opening, the reset handshake, card selection and the checked command
// protocol, through the C interface against the simulated card.
#include "CardFixture.h"

#include <cerrno>

#include "corvid_ioctl.h"

#include <cstdint>
#include <utility>

namespace {

bool IsReset(const corvid::sim::SReceived& r)
{
    return r.command == 19 && r.replyKind == 2 && r.wordsSent == 0;
}

}  // namespace

TEST_F(CCardTest, OpenPerformsTheResetHandshakeOnce)
{
    EXPECT_EQ(CV_Open(), CV_RC_DONE);
    ASSERT_EQ(Received().size(), 1u);
    EXPECT_TRUE(IsReset(Received()[0]));
    EXPECT_EQ(CV_Open(), CV_RC_DONE);
    EXPECT_EQ(Received().size(), 1u);
    EXPECT_EQ(Card().Opens(), 1);
}

TEST_F(CCardTest, ThreeWrongResetRepliesFailTheOpenButKeepTheHandle)
{
    Card().WrongResets(3);
    EXPECT_EQ(CV_Open(), CV_RC_COMM);
    EXPECT_EQ(Received().size(), 3u);
    EXPECT_TRUE(Card().IsOpen());
    EXPECT_EQ(CV_SetVel(1.0), CV_RC_DONE);
    EXPECT_EQ(Card().Opens(), 1);
    EXPECT_EQ(Received().size(), 4u);
}

TEST_F(CCardTest, TwoWrongResetRepliesAreRetried)
{
    Card().WrongResets(2);
    EXPECT_EQ(CV_Open(), CV_RC_DONE);
    EXPECT_EQ(Received().size(), 3u);
}

TEST_F(CCardTest, AFailedResetExchangeStopsTheHandshake)
{
    Card().FailControls(1);
    EXPECT_EQ(CV_Open(), CV_RC_COMM);
    EXPECT_TRUE(Received().empty());
    EXPECT_EQ(CV_Reset(), CV_RC_DONE);
    EXPECT_EQ(Card().Opens(), 1);
}

TEST_F(CCardTest, AnAbsentCardFailsEveryCallAndIsTriedAgainEachTime)
{
    Card().FailOpens(ENOENT);
    EXPECT_EQ(CV_Open(), CV_RC_COMM);
    EXPECT_EQ(CV_SetVel(1.0), CV_RC_COMM);
    double velocity = 7.0;
    EXPECT_EQ(CV_GetVel(&velocity), CV_RC_COMM);
    EXPECT_EQ(velocity, 7.0);
    Card().FailOpens(0);
    EXPECT_EQ(CV_SetVel(1.0), CV_RC_DONE);
    EXPECT_EQ(Card().Opens(), 1);
}

TEST_F(CCardTest, ACallAfterCloseReopensWithAReset)
{
    OpenQuietly();
    EXPECT_EQ(CV_Close(), CV_RC_DONE);
    EXPECT_EQ(CV_Close(), CV_RC_DONE);
    EXPECT_EQ(Card().Closes(), 1);
    EXPECT_EQ(CV_SetPos(5), CV_RC_DONE);
    EXPECT_EQ(Card().Opens(), 2);
    ASSERT_EQ(Received().size(), 2u);
    EXPECT_TRUE(IsReset(Received()[0]));
}

TEST_F(CCardTest, SwitchingCardsKeepsEachCardsHandle)
{
    EXPECT_EQ(CV_SetPos(7), CV_RC_DONE);
    EXPECT_EQ(CV_SwitchtoCardNo(1), CV_RC_DONE);
    EXPECT_EQ(CV_GetCurrentCardNo(), 1);
    EXPECT_EQ(CV_SetPos(8), CV_RC_DONE);
    EXPECT_EQ(CV_SwitchtoCardNo(0), CV_RC_DONE);
    EXPECT_EQ(CV_SetPos(9), CV_RC_DONE);
    EXPECT_EQ(Card(0).Opens(), 1);
    EXPECT_EQ(Card(1).Opens(), 1);
    EXPECT_EQ(Received(0).back().argument, 9u);
    EXPECT_EQ(Received(1).back().argument, 8u);
}

TEST_F(CCardTest, CardNumbersOutsideTheRangeAreRefused)
{
    ASSERT_EQ(CV_SwitchtoCardNo(5), CV_RC_DONE);
    for (short card : {16, -1, 255}) {
        EXPECT_EQ(CV_SwitchtoCardNo(card), CV_RC_COMM) << card;
        EXPECT_EQ(CV_GetCurrentCardNo(), 5);
    }
    EXPECT_EQ(CV_SwitchtoCardNo(15), CV_RC_DONE);
    EXPECT_EQ(CV_GetCurrentCardNo(), 15);
}

TEST_F(CCardTest, DeviceIndexTakesZeroToThree)
{
    ASSERT_EQ(CV_SwitchtoCardNo(9), CV_RC_DONE);
    for (short index : {4, -1, 16}) {
        EXPECT_EQ(CV_SetDeviceIndex(index), CV_RC_INDEX) << index;
        EXPECT_EQ(CV_GetCurrentCardNo(), 9);
    }
    EXPECT_EQ(CV_SetDeviceIndex(3), CV_RC_DONE);
    EXPECT_EQ(CV_GetCurrentCardNo(), 3);
    EXPECT_EQ(Card(3).Opens(), 0);  // switching opens nothing
}

TEST_F(CCardTest, ArgumentMagnitudeAboveThe30BitLimitIsRefusedBeforeSending)
{
    OpenQuietly();
    struct SCase {
        std::int32_t argument;
        short result;
    };
    for (const SCase& c : {SCase{0x3FFFFFFF, CV_RC_DONE}, SCase{-0x3FFFFFFF, CV_RC_DONE},
                           SCase{0x40000000, CV_RC_RANGE}, SCase{-0x40000000, CV_RC_RANGE},
                           SCase{INT32_MIN, CV_RC_RANGE}}) {
        Card().ClearReceived();
        EXPECT_EQ(CV_SetPos(c.argument), c.result) << c.argument;
        EXPECT_EQ(Received().size(), c.result == CV_RC_DONE ? 1u : 0u) << c.argument;
    }
}

TEST_F(CCardTest, CommandSixtyEightRefusesNegativeArguments)
{
    OpenQuietly();
    EXPECT_EQ(CV_SetJerk(-1.0 / 4294967296.0), CV_RC_RANGE);
    EXPECT_EQ(CV_SetJerk(-1e-300), CV_RC_RANGE);
    EXPECT_TRUE(Received().empty());
    EXPECT_EQ(CV_SetJerk(0.0), CV_RC_DONE);
}

TEST_F(CCardTest, AnExpectedEchoOfZeroIsReplacedByOne)
{
    OpenQuietly();
    // 65 + 0xFFBF = 0x10000: the sum's low 16 bits are 0, so the card answers 1.
    EXPECT_EQ(CV_SetPos(0xFFBF), CV_RC_DONE);
    EXPECT_EQ(Received().size(), 1u);
}

TEST_F(CCardTest, AReplyOfZeroIsARefusal)
{
    OpenQuietly();
    Card().RefuseWord(66);
    EXPECT_EQ(CV_SetVel(2.0), CV_RC_REFUSED);
    EXPECT_EQ(Received().size(), 1u);
}

TEST_F(CCardTest, AWrongEchoIsTriedThreeTimes)
{
    struct SCase {
        int corrupted;
        short result;
        std::size_t sends;
    };
    for (const SCase& c : {SCase{1, CV_RC_DONE, 2}, SCase{2, CV_RC_DONE, 3}, SCase{3, CV_RC_COMM, 3}}) {
        OpenQuietly();
        Card().CorruptEchoes(c.corrupted);
        EXPECT_EQ(CV_SetAcc(0.5), c.result) << c.corrupted;
        EXPECT_EQ(Received().size(), c.sends) << c.corrupted;
        Card().CorruptEchoes(0);
    }
}

TEST_F(CCardTest, AFailedControlCallIsACommunicationFailureWithoutRetry)
{
    OpenQuietly();
    Card().FailControls(1);
    EXPECT_EQ(CV_SetVel(1.0), CV_RC_COMM);
    EXPECT_TRUE(Received().empty());
    EXPECT_EQ(CV_SetVel(1.0), CV_RC_DONE);
}

TEST_F(CCardTest, HardResetPulsesPortThreeOnTheVirtualClock)
{
    OpenQuietly();
    Card().ports[3] = 0x55;
    EXPECT_EQ(CV_HardRst(), CV_RC_DONE);
    EXPECT_EQ(Card().ports[3], 0);
    EXPECT_EQ(Bench().NowMs(), 3000u);
}

TEST_F(CCardTest, HardResetOfAnAbsentCardFailsWithoutWaiting)
{
    Card().FailOpens(ENOENT);
    EXPECT_EQ(CV_HardRst(), CV_RC_COMM);
    EXPECT_EQ(Bench().NowMs(), 0u);
}

TEST_F(CCardTest, AnUnknownTransportMakesOpeningFail)
{
    setenv("CORVID_TRANSPORT", "simulator", 1);
    EXPECT_EQ(CV_Open(), CV_RC_COMM);
    EXPECT_EQ(CV_LastOsError(), CV_OS_NO_TRANSPORT);
    setenv("CORVID_TRANSPORT", "sim", 1);
    EXPECT_EQ(CV_Open(), CV_RC_DONE);
}

TEST_F(CCardTest, AFailureTellsItsReasonUntilTheNextCall)
{
    for (const auto& [error, reason] : {std::pair{ENOENT, CV_OS_NO_DEVICE}, std::pair{EBUSY, CV_OS_BUSY},
                                        std::pair{EACCES, CV_OS_PERMISSION}, std::pair{EIO, CV_OS_OPEN}}) {
        Card().FailOpens(error);
        EXPECT_EQ(CV_Open(), CV_RC_COMM);
        EXPECT_EQ(CV_LastOsError(), reason) << error;
    }
    Card().FailOpens(0);
    Card().WrongResets(3);
    EXPECT_EQ(CV_Open(), CV_RC_COMM);
    EXPECT_EQ(CV_LastOsError(), CV_OS_BAD_REPLY);
    Card().CorruptEchoes(3);
    EXPECT_EQ(CV_SetVel(1), CV_RC_COMM);
    EXPECT_EQ(CV_LastOsError(), CV_OS_BAD_REPLY);
    Card().FailControls(1);
    EXPECT_EQ(CV_SetVel(1), CV_RC_COMM);
    EXPECT_EQ(CV_LastOsError(), CV_OS_NO_ANSWER);
    EXPECT_EQ(CV_SetVel(1), CV_RC_DONE);
    EXPECT_EQ(CV_LastOsError(), 0);
}
