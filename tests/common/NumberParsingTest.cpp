#include "common/NumberParsing.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

namespace {

TEST(NumberParsing, ValuesBeyondIntStopAtItsLimits)
{
    EXPECT_EQ(LeadingInt(" -42abc"), -42);
    EXPECT_EQ(LeadingInt("99999999999999999999999"), INT_MAX);
    EXPECT_EQ(LeadingInt("-99999999999999999999999"), INT_MIN);
    EXPECT_EQ(TruncatedInt(-3.9), -3);
    EXPECT_EQ(TruncatedInt(-1e300), INT_MIN);
    EXPECT_EQ(TruncatedInt(std::nan("")), 0);
}

TEST(NumberParsing, DecimalPrefixIgnoresTheLocaleAndHugeValues)
{
    EXPECT_DOUBLE_EQ(LeadingDouble(" +1.5e2mm"), 150.0);
    EXPECT_DOUBLE_EQ(LeadingDouble("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(LeadingDouble("1,5"), 1.0);
    EXPECT_EQ(LeadingDouble("0x10"), 0.0);
    EXPECT_EQ(LeadingDouble("1e999"), 0.0);
    EXPECT_EQ(LeadingDouble(std::string(400, '9')), 0.0);
}

} // namespace
