// Known vectors of the wire formats: echoes, card reals, background set sizes,
// device names, and the argument and reply conversions.
#include "Conversions.h"
#include "Framing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

using namespace corvid;

TEST(Framing, EchoIsTheSixteenBitSumWithZeroReplacedByOne)
{
    EXPECT_EQ(EchoSum(66, 0x00010002u), 69);
    EXPECT_EQ(EchoSum(65, 0xFFFFFFFFu), 63);
    EXPECT_EQ(EchoSum(65535, 1), 0);
    EXPECT_EQ(ExpectedEcho(65535, 1), 1);
    EXPECT_EQ(ExpectedEcho(66, 0x00010002u), 69);
}

TEST(Framing, ListEntryAcceptsItsSumOrOneForAZeroSum)
{
    EXPECT_TRUE(ListEntryAccepted(5, 5));
    EXPECT_TRUE(ListEntryAccepted(0, 1));
    EXPECT_TRUE(ListEntryAccepted(0, 0));
    EXPECT_FALSE(ListEntryAccepted(5, 1));
    EXPECT_FALSE(ListEntryAccepted(5, 0));
}

TEST(Framing, CardRealKnownVectors)
{
    struct SCase {
        double value;
        std::int32_t mantissa;
        std::int32_t exponent;
    };
    const std::vector<SCase> cases = {
        {1.0, 0x40000000, -30},       {0.75, 0x60000000, -31},  {-3.0, -0x60000000, -29},
        {0.1, 0x66666666, -34},       {0.5, 0x40000000, -31},   {1e-12, 0, 0},
        {-1e-12, 0, 0},               {0.0, 0, 0},              {65536.0, 0x40000000, -14},
    };
    for (const SCase& c : cases) {
        const SCardReal real = ToCardReal(c.value);
        EXPECT_EQ(real.mantissa, c.mantissa) << c.value;
        EXPECT_EQ(real.exponent, c.exponent) << c.value;
    }
    EXPECT_NE(ToCardReal(1.1e-12).mantissa, 0);
}

TEST(Framing, CardRealRoundTripKeepsThirtyBits)
{
    for (double value : {1.0, -2.5, 0.001, 12345.678, -1e-9, 3e9, 16384.0}) {
        const SCardReal real = ToCardReal(value);
        const double back = FromCardReal(real.mantissa, static_cast<std::uint32_t>(real.exponent));
        EXPECT_NEAR(back, value, std::fabs(value) * 1e-9) << value;
    }
}

TEST(Framing, FromCardRealReadsTheLowSixteenBitsAsTheExponent)
{
    EXPECT_DOUBLE_EQ(FromCardReal(3, 0x0000FFFFu), 1.5);
    EXPECT_DOUBLE_EQ(FromCardReal(5, 0x12340002u), 20.0);
    EXPECT_DOUBLE_EQ(FromCardReal(-1, 0), -1.0);
}

namespace {

std::vector<unsigned char> BackgroundSet(const std::vector<unsigned short>& elementCounts)
{
    std::vector<unsigned char> bytes = {static_cast<unsigned char>(elementCounts.size()), 0, 0, 0};
    for (unsigned short k : elementCounts) {
        bytes.insert(bytes.end(), {7, 0, static_cast<unsigned char>(k), static_cast<unsigned char>(k >> 8)});
        bytes.insert(bytes.end(), 16u * k, 0xAB);
    }
    return bytes;
}

}  // namespace

TEST(Framing, BackgroundSetSizeIsFourPlusEachRecord)
{
    const auto set = BackgroundSet({1, 2, 0});
    EXPECT_EQ(set.size(), 4u + 20u + 36u + 4u);
    EXPECT_EQ(MeasureBackgroundSet(set.data(), set.size()), set.size());
    EXPECT_EQ(MeasureBackgroundSet(set.data(), set.size() + 100), set.size());
    const auto empty = BackgroundSet({});
    EXPECT_EQ(MeasureBackgroundSet(empty.data(), empty.size()), 4u);
}

TEST(Framing, BackgroundSetMeasureNeverReadsPastTheGivenBytes)
{
    // A header claiming 200 records in 8 bytes: the measure stops at the bytes it has.
    const std::vector<unsigned char> set = {200, 0, 0, 0, 1, 0, 5, 0};
    EXPECT_GT(MeasureBackgroundSet(set.data(), set.size()), set.size());
    EXPECT_GT(MeasureBackgroundSet(set.data(), 3), 3u);
    EXPECT_GT(MeasureBackgroundSet(nullptr, 100), 100u);
}

TEST(Framing, DeviceNodeNamesUseTwoLowerCaseHexDigits)
{
    EXPECT_EQ(DeviceNodeName("/dev", 0), "/dev/corvidS00");
    EXPECT_EQ(DeviceNodeName("/dev", 10), "/dev/corvidS0a");
    EXPECT_EQ(DeviceNodeName("/tmp/x", 15), "/tmp/x/corvidS0f");
}

TEST(Framing, HexBytesWritesTwoDigitsPerByteAndADashForNothing)
{
    const unsigned char bytes[] = {0x13, 0x00, 0xAB};
    EXPECT_EQ(HexBytes(bytes, sizeof bytes), "1300ab");
    EXPECT_EQ(HexBytes(nullptr, 0), "-");
}

TEST(Conversions, FixedPointLimitsAndTruncation)
{
    EXPECT_EQ(*ArgFix16(16383.99), 1073741168);
    EXPECT_EQ(*ArgFix16(16384.0), 0x40000000);
    EXPECT_EQ(*ArgFix16(-1.00001), -65536);  // toward zero
    EXPECT_GT(*ArgFix16(1e300), 0x3FFFFFFF);
    EXPECT_GT(*ArgFix16(std::numeric_limits<double>::quiet_NaN()), 0x3FFFFFFF);
    EXPECT_EQ(*ArgFix16Low(1.5), 32768);
    EXPECT_EQ(*ArgFix16Low(-1.5), 32768);
    EXPECT_FALSE(ArgFix16Low(1e10));
    EXPECT_EQ(*ArgJerk(0.125), 0x20000000);
    EXPECT_FALSE(ArgJerk(-1e-300));
}

TEST(Conversions, SampleTimeHalves)
{
    EXPECT_EQ(*ArgSampleTime(200.0), (160 << 16) | 6553);
    EXPECT_EQ(*ArgSampleTime(48.0), (667 << 16) | 1572);
    EXPECT_TRUE(ArgSampleTime(1976.0));
    EXPECT_FALSE(ArgSampleTime(47.9));
    EXPECT_FALSE(ArgSampleTime(1976.1));
    EXPECT_FALSE(ArgSampleTime(std::numeric_limits<double>::quiet_NaN()));
}
