// The checked command itself and the host ports, through the library's
// internal protocol against the simulated card.
#include "CardFixture.h"

#include <cerrno>

#include "Commands.h"
#include "Frame.h"

TEST_F(CCardTest, CommandSixtyEightWithMinusOneIsRefusedBeforeSending)
{
    OpenQuietly();
    EXPECT_EQ(corvid::SendCommand(Lib(), 68, -1), CV_RC_RANGE);
    EXPECT_EQ(corvid::SendCommand(Lib(), 69, -1), CV_RC_DONE);
    ASSERT_EQ(Received().size(), 1u);
    EXPECT_EQ(Received()[0].command, 69);
}

TEST_F(CCardTest, CommandWithAnExpectedEchoOfZeroSucceedsOnTheEchoOne)
{
    OpenQuietly();
    EXPECT_EQ(corvid::SendCommand(Lib(), 65535, 1), CV_RC_DONE);
    EXPECT_EQ(Received().size(), 1u);
}

TEST_F(CCardTest, ArgumentsBeyondThirtyTwoBitsAreRefusedNotTruncated)
{
    OpenQuietly();
    EXPECT_EQ(corvid::SendCommand(Lib(), 65, 0x100000001LL), CV_RC_RANGE);
    EXPECT_TRUE(Received().empty());
}

namespace {

// The value a port access came back with, or -1 when it failed.
int Read(std::uint16_t port)
{
    std::uint16_t value = 0;
    return corvid::PortRead(corvid::CardAt(0), port, value) == 0 ? value : -1;
}

int Write(std::uint16_t port, std::uint16_t value)
{
    return corvid::PortWrite(corvid::CardAt(0), port, value);
}

}  // namespace

TEST_F(CCardTest, DataMemoryIsReachedThroughTheHostPorts)
{
    OpenQuietly();
    EXPECT_EQ(Write(8, 0x4100), 0);
    EXPECT_EQ(Write(10, 0xBEEF), 0);
    EXPECT_EQ(Card().dataMemory[0x100], 0xBEEF);
    Write(8, 0x4100);
    EXPECT_EQ(Read(10), 0xBEEF);
}

TEST_F(CCardTest, ProgramWordsMoveAsHighSixteenThenLowEightBits)
{
    OpenQuietly();
    Write(8, 5);
    Write(10, 0x1234);
    Write(10, 0x56);
    EXPECT_EQ(Card().programMemory[5], 0x123456u);
    Write(8, 5);
    EXPECT_EQ(Read(10), 0x1234);
    EXPECT_EQ(Read(10), 0x56);
}

TEST_F(CCardTest, APortAccessOnAnAbsentCardGivesMinusOne)
{
    Card().FailOpens(ENOENT);
    EXPECT_EQ(Read(10), -1);
    EXPECT_EQ(Write(10, 1), -1);
}
