#include "program/Process.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(WordValue, ReadsTheLongestDecimalPrefixAfterTheLetter)
{
    EXPECT_DOUBLE_EQ(WordValue("X20.5"), 20.5);
    EXPECT_DOUBLE_EQ(WordValue("U-2"), -2.0);
    EXPECT_DOUBLE_EQ(WordValue("F.1"), 0.1);
    EXPECT_DOUBLE_EQ(WordValue("Z+3"), 3.0);
    EXPECT_DOUBLE_EQ(WordValue("X1e2"), 100.0);
    EXPECT_DOUBLE_EQ(WordValue("X1e"), 1.0);
    EXPECT_DOUBLE_EQ(WordValue("Z5X10"), 5.0);
    EXPECT_DOUBLE_EQ(WordValue("X 7"), 7.0);
    for (const char* none : {"", "X", "X-", "X.", "Xabc", "X0x10", "Xinf", "Xnan"})
        EXPECT_DOUBLE_EQ(WordValue(none), 0.0) << none;
}

TEST(Process, KeepsEveryTextApartInOneBuffer)
{
    CProcess record(7, "G01", "", "", "X10", "Z-5", "", "", "", "F0.2", "", "", "", 3);
    EXPECT_EQ(record.Code(), "G01");
    EXPECT_EQ(record.Get(EWord::X), "X10");
    EXPECT_EQ(record.Get(EWord::F), "F0.2");
    record.Set(EWord::X, "U-1.5");
    record.Set(EWord::T, "T0101");
    record.Set(EWord::Code, "");
    EXPECT_EQ(record.Get(EWord::X), "U-1.5");
    EXPECT_EQ(record.Get(EWord::Z), "Z-5");
    EXPECT_EQ(record.Get(EWord::T), "T0101");
    EXPECT_EQ(record.Code(), "");
    EXPECT_EQ(record.Get(EWord::F), "F0.2");
    EXPECT_EQ(record.m_nLineNumber, 7);
    EXPECT_EQ(record.m_nListIndex, 3);
}

TEST(Process, KeepsTheFeedWordsValueAsTheWordChanges)
{
    CProcess statement(1, "G01", "", "", "X10", "Z-5", "", "", "", "F0.25", "", "", "", 0);
    EXPECT_EQ(statement.FeedValue(), 0.25);
    // Kept as a float: F values have a few digits.
    for (const char* word : {"F.1", "F1e2", "F0.1234567890123456", "F-3", "F"})
        EXPECT_FLOAT_EQ((statement.Set(EWord::F, word), statement.FeedValue()), WordValue(word)) << word;
    statement.Set(EWord::F, "");
    EXPECT_TRUE(std::isnan(statement.FeedValue()));
}
