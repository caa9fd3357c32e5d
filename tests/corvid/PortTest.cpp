// The checked command itself and the host ports, through the library's
// internal protocol against the simulated card.
#include "CardFixture.h"

#include "Commands.h"
#include "Frame.h"

TEST_F(CCardTest, CommandSixtyEightWithMinusOneIsRefusedBeforeSending)
{
    OpenQuietly();
    EXPECT_EQ(corvid::SendCommand(68, -1), CV_RC_RANGE);
    EXPECT_EQ(corvid::SendCommand(69, -1), CV_RC_DONE);
    ASSERT_EQ(Received().size(), 1u);
    EXPECT_EQ(Received()[0].command, 69);
}

TEST_F(CCardTest, CommandWithAnExpectedEchoOfZeroSucceedsOnTheEchoOne)
{
    OpenQuietly();
    EXPECT_EQ(corvid::SendCommand(65535, 1), CV_RC_DONE);
    EXPECT_EQ(Received().size(), 1u);
}

TEST_F(CCardTest, ArgumentsBeyondThirtyTwoBitsAreRefusedNotTruncated)
{
    OpenQuietly();
    EXPECT_EQ(corvid::SendCommand(65, 0x100000001LL), CV_RC_RANGE);
    EXPECT_TRUE(Received().empty());
}

TEST_F(CCardTest, DataMemoryIsReachedThroughTheHostPorts)
{
    OpenQuietly();
    EXPECT_EQ(corvid::PortWrite(8, 0x4100), 0x4100);
    EXPECT_EQ(corvid::PortWrite(10, 0xBEEF), 0xBEEF);
    EXPECT_EQ(Card().dataMemory[0x100], 0xBEEF);
    corvid::PortWrite(8, 0x4100);
    EXPECT_EQ(corvid::PortRead(10), 0xBEEF);
}

TEST_F(CCardTest, ProgramWordsMoveAsHighSixteenThenLowEightBits)
{
    OpenQuietly();
    corvid::PortWrite(8, 5);
    corvid::PortWrite(10, 0x1234);
    corvid::PortWrite(10, 0x56);
    EXPECT_EQ(Card().programMemory[5], 0x123456u);
    corvid::PortWrite(8, 5);
    EXPECT_EQ(corvid::PortRead(10), 0x1234);
    EXPECT_EQ(corvid::PortRead(10), 0x56);
}

TEST_F(CCardTest, APortAccessOnAnAbsentCardGivesMinusOne)
{
    Card().SetAbsent(true);
    EXPECT_EQ(corvid::PortRead(10), -1);
    EXPECT_EQ(corvid::PortWrite(10, 1), -1);
}
