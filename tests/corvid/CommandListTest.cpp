// Command lists with the recovery command, and card reals, through the
// library's internal protocol against the simulated card.
#include "CardFixture.h"

#include "Commands.h"
#include "CoordState.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr std::uint16_t kRecovery = 104;

}  // namespace

TEST_F(CCardTest, ListSendsEachEntryInOrder)
{
    OpenQuietly();
    const std::uint16_t commands[] = {96, 112, 113};
    const std::int32_t arguments[] = {9, -5, 70000};
    EXPECT_EQ(corvid::SendCommandList(Lib(), 3, commands, arguments), CV_RC_DONE);
    ASSERT_EQ(Received().size(), 3u);
    EXPECT_EQ(Received()[1].argument, static_cast<std::uint32_t>(-5));
    EXPECT_EQ(Received()[2].command, 113);
}

TEST_F(CCardTest, AWrongListEchoSendsTheRecoveryAndRepeatsTheEntry)
{
    OpenQuietly();
    Card().CorruptEchoes(1);
    const std::uint16_t commands[] = {102};
    const std::int32_t arguments[] = {1};
    EXPECT_EQ(corvid::SendCommandList(Lib(), 1, commands, arguments), CV_RC_DONE);
    ASSERT_EQ(Received().size(), 3u);
    EXPECT_EQ(Received()[1].command, kRecovery);
    EXPECT_EQ(Received()[1].replyKind, 0);
    EXPECT_EQ(Received()[2].command, 102);
}

TEST_F(CCardTest, AListEntryFailsAfterFourAttempts)
{
    OpenQuietly();
    Card().CorruptEchoes(4);
    const std::uint16_t commands[] = {102, 103};
    const std::int32_t arguments[] = {1, 2};
    EXPECT_EQ(corvid::SendCommandList(Lib(), 2, commands, arguments), CV_RC_COMM);
    EXPECT_EQ(Received().size(), 8u);  // four attempts, each followed by a recovery
    EXPECT_EQ(Received().back().command, kRecovery);
}

TEST_F(CCardTest, ARefusedListEntryStopsTheListAndKeepsEarlierEntries)
{
    OpenQuietly();
    Card().RefuseWord(113);
    const std::uint16_t commands[] = {112, 113, 114};
    const std::int32_t arguments[] = {1, 2, 3};
    EXPECT_EQ(corvid::SendCommandList(Lib(), 3, commands, arguments), CV_RC_REFUSED);
    ASSERT_EQ(Received().size(), 2u);
    EXPECT_EQ(Received()[0].command, 112);
}

TEST_F(CCardTest, AListEntryWithAZeroSumAcceptsTheEchoOne)
{
    OpenQuietly();
    const std::uint16_t commands[] = {65535};
    const std::int32_t arguments[] = {1};
    EXPECT_EQ(corvid::SendCommandList(Lib(), 1, commands, arguments), CV_RC_DONE);
    EXPECT_EQ(Received().size(), 1u);
}

TEST_F(CCardTest, RealCommandSendsMantissaThenExponent)
{
    OpenQuietly();
    EXPECT_EQ(corvid::SendRealCommand(Lib(), 102, 2, 1.0, -1), CV_RC_DONE);
    ASSERT_EQ(Received().size(), 2u);
    EXPECT_EQ(Received()[0].argument, 0x40000000u);
    EXPECT_EQ(Received()[1].argument, static_cast<std::uint32_t>(-30));
    Card().ClearReceived();
    EXPECT_EQ(corvid::SendRealCommand(Lib(), 133, 1, 0.0, 1), CV_RC_DONE);
    ASSERT_EQ(Received().size(), 1u);
    EXPECT_EQ(Received()[0].argument, 0u);
}

TEST_F(CCardTest, RealCommandSetsTheListStateOnlyWhenSent)
{
    OpenQuietly();
    Lib().coord.listState = 0;
    EXPECT_EQ(corvid::SendRealCommand(Lib(), 133, 1, 0.0, 1), CV_RC_DONE);
    EXPECT_EQ(Lib().coord.listState, 1);
    Card().RefuseWord(134);
    EXPECT_EQ(corvid::SendRealCommand(Lib(), 134, 1, 0.0, 0), CV_RC_REFUSED);
    EXPECT_EQ(Lib().coord.listState, 1);
    EXPECT_EQ(corvid::SendRealCommand(Lib(), 102, 2, 3.0, -1), CV_RC_DONE);
    EXPECT_EQ(Lib().coord.listState, 1);
    Lib().coord.listState = 0;
}

TEST_F(CCardTest, RealCommandRefusesBadWordsStatesAndValues)
{
    OpenQuietly();
    EXPECT_EQ(corvid::SendRealCommand(Lib(), 102, 3, 1.0, 0), CV_RC_RANGE);
    EXPECT_EQ(corvid::SendRealCommand(Lib(), 102, 0, 1.0, 0), CV_RC_RANGE);
    EXPECT_EQ(corvid::SendRealCommand(Lib(), 102, 2, 1.0, 2), CV_RC_RANGE);
    EXPECT_EQ(corvid::SendRealCommand(Lib(), 102, 2, std::numeric_limits<double>::infinity(), 0), CV_RC_RANGE);
    EXPECT_EQ(corvid::SendRealCommand(Lib(), 102, 2, std::nan(""), 0), CV_RC_RANGE);
    EXPECT_TRUE(Received().empty());
}
