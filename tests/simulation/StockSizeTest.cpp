// The stock dialog's fields and their refusals.
#include "simulation/StockSize.h"

#include <gtest/gtest.h>

namespace {

TEST(StockField, AcceptsNumbersInsideTheRangeWithBothEnds)
{
    EXPECT_DOUBLE_EQ(ParseStockField(EStockField::Length, "400").value, 400.0);
    EXPECT_TRUE(ParseStockField(EStockField::Length, "400").error.empty());
    EXPECT_TRUE(ParseStockField(EStockField::OuterDiameter, " 0 ").error.empty());
    EXPECT_DOUBLE_EQ(ParseStockField(EStockField::InnerDiameter, "12.5").value, 12.5);
}

TEST(StockField, RefusesANumberOutsideTheRangeNamingTheLimits)
{
    EXPECT_EQ(ParseStockField(EStockField::OuterDiameter, "81").error,
              "毛坯外径：请输入一个介于 0 和 80 之间的数字(单位：mm)。");
    EXPECT_FALSE(ParseStockField(EStockField::InnerDiameter, "60.01").error.empty());
    EXPECT_FALSE(ParseStockField(EStockField::Length, "-1").error.empty());
}

TEST(StockField, RefusesTextThatIsNotANumber)
{
    for (const char* text : {"", "abc", "12mm", "1,5", "nan", "inf", "1e2"})
        EXPECT_EQ(ParseStockField(EStockField::Length, text).error, "毛坯长度：请输入一个数字。") << text;
}

TEST(StockField, ABoreMustLeaveAWallOfOneMillimetre)
{
    EXPECT_TRUE(StockWallError({200.0, 40.0, 38.0}).empty());
    EXPECT_TRUE(StockWallError({200.0, 0.0, 0.0}).empty());
    EXPECT_EQ(StockWallError({200.0, 20.0, 60.0}),
              "毛坯内径：毛坯壁厚至少 1 mm，请输入一个比外径至少小 2 mm 的数字(单位：mm)。");
    EXPECT_FALSE(StockWallError({200.0, 40.0, 38.5}).empty());
}

} // namespace
