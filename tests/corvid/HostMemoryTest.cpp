// Single words of the card's memories, the spy buffers and the host
// interrupt control word.
#include "CardFixture.h"

#include <cstdint>
#include <vector>

namespace {

constexpr std::size_t kStatus = 0x28FF;
constexpr std::size_t kBufferA = 0x2900;
constexpr std::size_t kBufferB = 0x3480;

class CHostMemoryTest : public CCardTest {
protected:
    void SetUp() override
    {
        CCardTest::SetUp();
        OpenQuietly();
    }
    // The card keeps 16-bit values in the high part of program words.
    static void Put(std::size_t address, std::uint16_t value) { Card().programMemory[address] = value << 8; }
    static std::uint16_t Get(std::size_t address) { return static_cast<std::uint16_t>(Card().programMemory[address] >> 8); }
    static void Fill(std::size_t buffer, std::vector<std::uint16_t> words)
    {
        Put(buffer, static_cast<std::uint16_t>(words.size()));
        for (std::size_t i = 0; i < words.size(); ++i)
            Put(buffer + 1 + i, words[i]);
    }
    static std::uint16_t InterruptWord() { return Card().ports[12]; }
};

}  // namespace

TEST_F(CHostMemoryTest, DataWordsAreWrittenAndReadThroughTheHostPorts)
{
    ASSERT_EQ(CV_WriteData(0x100, 0xBEEF), CV_RC_DONE);
    ASSERT_EQ(CV_WriteData(0x101, 0x0102), CV_RC_DONE);
    EXPECT_EQ(Card().dataMemory[0x100], 0xBEEF);
    unsigned short words[2] = {};
    ASSERT_EQ(CV_ShowData(words, 0x100, 2), CV_RC_DONE);
    EXPECT_EQ(words[0], 0xBEEF);
    EXPECT_EQ(words[1], 0x0102);
}

TEST_F(CHostMemoryTest, ProgramWordsAreTwentyFourBitsAndAddressZeroMeansOne)
{
    ASSERT_EQ(CV_WriteProg(0, 0x1234), CV_RC_DONE);
    EXPECT_EQ(Card().programMemory[1], 0x123400u);
    EXPECT_EQ(Card().programMemory[0], 0u);
    Card().programMemory[2] = 0xABCDEF;
    std::uint32_t values[2] = {};
    ASSERT_EQ(CV_ShowProg(values, 1, 2), CV_RC_DONE);
    EXPECT_EQ(values[0], 0x123400u);
    EXPECT_EQ(values[1], 0xABCDEFu);
    ASSERT_EQ(CV_ShowProg(values, 0, 1), CV_RC_DONE);
    EXPECT_EQ(values[0], 0x123400u);
}

TEST_F(CHostMemoryTest, ProgramAddressesStayInsideProgramMemory)
{
    for (std::uint32_t i = 1; i <= 3; ++i)
        Card().programMemory[i] = i;
    std::uint32_t values[3] = {};
    ASSERT_EQ(CV_ShowProg(values, 0, 3), CV_RC_DONE);
    EXPECT_EQ(std::vector<std::uint32_t>(values, values + 3), (std::vector<std::uint32_t>{1, 2, 3}));
    Card().ClearReceived();
    const std::size_t accesses = Card().PortAccesses().size();
    EXPECT_EQ(CV_ShowProg(values, 0x3FFF, 2), CV_RC_RANGE);
    EXPECT_EQ(CV_WriteProg(0x4000, 1), CV_RC_RANGE);
    unsigned short words[2] = {};
    EXPECT_EQ(CV_ShowData(words, 0x3FFF, 2), CV_RC_RANGE);
    EXPECT_EQ(CV_WriteData(0x4005, 1), CV_RC_RANGE);
    EXPECT_EQ(Card().PortAccesses().size(), accesses);
}

TEST_F(CHostMemoryTest, ACardThatDoesNotAnswerFailsEveryMemoryAndInterruptCall)
{
    Card().FailControls(1 << 20);
    unsigned short words[2] = {9, 9};
    std::uint32_t values[1] = {9};
    short spy[1] = {9};
    EXPECT_EQ(CV_ShowData(words, 0x100, 2), CV_RC_COMM);
    EXPECT_EQ(CV_ShowProg(values, 1, 1), CV_RC_COMM);
    EXPECT_EQ(CV_WriteData(0x100, 1), CV_RC_COMM);
    EXPECT_EQ(CV_WriteProg(0x100, 1), CV_RC_COMM);
    EXPECT_EQ(CV_HardRst(), CV_RC_COMM);
    EXPECT_EQ(CV_INTOff(), CV_RC_COMM);
    EXPECT_EQ(CV_ReadData(spy), CV_RC_COMM);
    EXPECT_EQ(words[0], 9);  // outputs are left alone
    EXPECT_EQ(values[0], 9u);
    EXPECT_EQ(spy[0], 9);
    EXPECT_EQ(Lib().interruptControl, 0);
}

TEST_F(CHostMemoryTest, AHardResetWritesThePortAndWaitsThreeSeconds)
{
    EXPECT_EQ(CV_HardRst(), CV_RC_DONE);
    EXPECT_EQ(Card().hardResets, 1);
    EXPECT_EQ(Bench().NowMs(), 3000u);
}

TEST_F(CHostMemoryTest, NothingReadyReadsNothing)
{
    Put(kStatus, 0x18);
    Fill(kBufferA, {1, 2});
    short buffer[4] = {9, 9, 9, 9};
    EXPECT_EQ(CV_ReadData(buffer), 0);
    EXPECT_EQ(buffer[0], 9);
    EXPECT_EQ(Get(kBufferA), 2);
}

TEST_F(CHostMemoryTest, AReadyBufferIsCopiedEmptiedAndHandedBack)
{
    Put(kStatus, 0x01 | 0x08);
    Fill(kBufferA, {11, 0xFFFF, 13});
    short buffer[4] = {};
    EXPECT_EQ(CV_ReadData(buffer), 3);
    EXPECT_EQ(buffer[1], -1);
    EXPECT_EQ(buffer[2], 13);
    EXPECT_EQ(Get(kBufferA), 0);
    EXPECT_EQ(Get(kStatus), 0x01);
    Put(kStatus, 0x01 | 0x10);
    Fill(kBufferB, {21});
    EXPECT_EQ(CV_ReadData(buffer), 1);
    EXPECT_EQ(buffer[0], 21);
    EXPECT_EQ(Get(kStatus), 0x01);
}

TEST_F(CHostMemoryTest, AnAskedBufferIsSwitchedBeforeItIsRead)
{
    Put(kStatus, 0x01 | 0x02);
    Fill(kBufferA, {5});
    short buffer[1] = {};
    EXPECT_EQ(CV_ReadData(buffer), 1);
    EXPECT_EQ(buffer[0], 5);
    EXPECT_EQ(Get(kStatus), 0x01 | 0x04);
    Fill(kBufferB, {6});
    EXPECT_EQ(CV_ReadData(buffer), 1);
    EXPECT_EQ(buffer[0], 6);
    EXPECT_EQ(Get(kStatus), 0x01 | 0x02);
}

TEST_F(CHostMemoryTest, MoreWordsThanTheBufferHoldsAreCountedButNotCopied)
{
    Put(kStatus, 0x01 | 0x08);
    Put(kBufferA, 3401);
    std::vector<short> buffer(3401, 9);
    EXPECT_EQ(CV_ReadData(buffer.data()), 3401);
    EXPECT_EQ(buffer[0], 9);
    EXPECT_EQ(Get(kBufferA), 0);
    Put(kStatus, 0x01 | 0x08);
    Put(kBufferA, 3400);
    Put(kBufferA + 3400, 77);
    EXPECT_EQ(CV_ReadData(buffer.data()), 3400);
    EXPECT_EQ(buffer[3399], 77);
}

TEST_F(CHostMemoryTest, InterruptSourceAndSwitchEachChangeTheirOwnBit)
{
    ASSERT_EQ(CV_EXTINT(), CV_RC_DONE);
    ASSERT_EQ(CV_INTOff(), CV_RC_DONE);
    EXPECT_EQ(InterruptWord() & 3, 3);
    ASSERT_EQ(CV_DSPINT(), CV_RC_DONE);
    EXPECT_EQ(InterruptWord() & 3, 2);
    ASSERT_EQ(CV_INTOn(), CV_RC_DONE);
    EXPECT_EQ(InterruptWord() & 3, 0);
}

TEST_F(CHostMemoryTest, TheRisingEdgeClearsSourceAndSwitchButKeepsTheTrailingEdge)
{
    ASSERT_EQ(CV_EXTINT(), CV_RC_DONE);
    ASSERT_EQ(CV_TrailEdge(), CV_RC_DONE);
    EXPECT_EQ(InterruptWord() & 4, 4);
    ASSERT_EQ(CV_RiseEdge(), CV_RC_DONE);
    EXPECT_EQ(InterruptWord() & 7, 4);
}
