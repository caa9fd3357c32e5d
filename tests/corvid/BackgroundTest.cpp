// Interrupt status, the sync event and background command sets.
#include "CardFixture.h"

#include <cerrno>

#include <cstdint>
#include <vector>

TEST_F(CCardTest, InterruptStatusIsReadIntoTheCallersWord)
{
    Card().interruptStatus = 0xBEEF;
    unsigned short status = 0;
    EXPECT_EQ(CV_GetIntr(&status), CV_RC_DONE);
    EXPECT_EQ(status, 0xBEEF);
}

TEST_F(CCardTest, AFailedInterruptReadLeavesTheWordAlone)
{
    OpenQuietly();
    Card().FailControls(1);
    unsigned short status = 123;
    EXPECT_EQ(CV_GetIntr(&status), CV_RC_COMM);
    EXPECT_EQ(status, 123);
    EXPECT_EQ(CV_GetIntr(nullptr), CV_RC_RANGE);
}

TEST_F(CCardTest, SyncEventZeroOrMinusOneWithdrawsTheEvent)
{
    EXPECT_EQ(CV_SetIntSyncEvent(42), CV_RC_DONE);
    EXPECT_TRUE(Card().eventSet);
    EXPECT_EQ(Card().event, 42);
    for (std::int32_t withdraw : {0, -1}) {
        ASSERT_EQ(CV_SetIntSyncEvent(42), CV_RC_DONE);
        EXPECT_EQ(CV_SetIntSyncEvent(withdraw), CV_RC_DONE);
        EXPECT_FALSE(Card().eventSet) << withdraw;
    }
}

TEST_F(CCardTest, ADriverFailureOfTheSyncEventIsReported)
{
    OpenQuietly();
    Card().FailControls(1);
    EXPECT_EQ(CV_SetIntSyncEvent(42), CV_RC_COMM);
}

namespace {

// Two records of one and two elements: 4 + 20 + 36 bytes.
std::vector<unsigned char> TwoRecordSet()
{
    std::vector<unsigned char> set = {2, 0, 0, 0, 1, 0, 1, 0};
    set.insert(set.end(), 16, 0x11);
    set.insert(set.end(), {2, 0, 2, 0});
    set.insert(set.end(), 32, 0x22);
    return set;
}

}  // namespace

TEST_F(CCardTest, BackgroundSetShorterThanItsMeasureIsRefused)
{
    const auto set = TwoRecordSet();
    EXPECT_EQ(CV_SetBgCommandSet(set.data(), 59), CV_RC_COMM);
    EXPECT_TRUE(Card().backgroundSet.empty());
    EXPECT_EQ(CV_SetBgCommandSet(nullptr, 60), CV_RC_COMM);
}

TEST_F(CCardTest, BackgroundSetGoesToTheDriverAsMeasured)
{
    auto set = TwoRecordSet();
    set.resize(80, 0xEE);  // the caller's buffer may be larger than the set
    EXPECT_EQ(CV_SetBgCommandSet(set.data(), static_cast<std::uint32_t>(set.size())), CV_RC_DONE);
    EXPECT_EQ(Card().backgroundSet, std::vector<unsigned char>(set.begin(), set.begin() + 60));
}

TEST_F(CCardTest, BackgroundSetWithALyingRecordCountIsRefused)
{
    const std::vector<unsigned char> set = {0xFF, 0xFF, 0, 0, 1, 0, 0, 0};
    EXPECT_EQ(CV_SetBgCommandSet(set.data(), static_cast<std::uint32_t>(set.size())), CV_RC_COMM);
}

TEST_F(CCardTest, BackgroundSetNeedsAnOpenCard)
{
    Card().FailOpens(ENOENT);
    const auto set = TwoRecordSet();
    EXPECT_EQ(CV_SetBgCommandSet(set.data(), 60), CV_RC_COMM);
}

TEST_F(CCardTest, BackgroundResultsAreCopiedIntoTheCallersBuffer)
{
    Card().backgroundResult = {1, 2, 3, 4, 5};
    unsigned char buffer[8] = {};
    EXPECT_EQ(CV_GetBgCommandResult(buffer, 3), CV_RC_DONE);
    EXPECT_EQ(buffer[0], 1);
    EXPECT_EQ(buffer[2], 3);
    EXPECT_EQ(buffer[3], 0);
    EXPECT_EQ(CV_GetBgCommandResult(nullptr, 3), CV_RC_RANGE);
}
