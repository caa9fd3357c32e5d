#include "editor/TableText.h"

#include <gtest/gtest.h>

namespace {

TEST(TableText, KeepsEveryCellOfEveryRowIncludingEmptyOnes)
{
    CTableText table;
    table.Append({"1", "G01", "", "", "X20.5", "Z-3", "", "", "", "F0.1", "", ""});
    table.Append({"2", "", "", "", "", "", "", "", "", "", "", "T0101"});
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table.Cell(0, 4), "X20.5");
    EXPECT_EQ(table.Cell(0, 2), "");
    EXPECT_EQ(table.Cell(1, 11), "T0101");
    EXPECT_EQ(table.Row(1)[0], "2");
    table.Clear();
    EXPECT_TRUE(table.empty());
}

TEST(TableText, OnlyLongWordsAreShownCutWithAnEllipsis)
{
    EXPECT_EQ(ShownCellText("X-123.456"), "X-123.456");
    const std::string word = "X" + std::string(5'000'000, '1');
    const std::string shown = ShownCellText(word);
    EXPECT_LT(shown.size(), 100u);
    EXPECT_TRUE(shown.starts_with("X111"));
    EXPECT_TRUE(shown.ends_with("…"));
}

TEST(TableText, ShorteningNeverSplitsACharacter)
{
    // Three-byte characters after one ASCII byte: the cut falls inside one.
    std::string word = "X";
    for (int i = 0; i < 40; ++i)
        word += "精";
    const std::string shown = ShownCellText(word);
    const std::string body = shown.substr(0, shown.size() - std::string("…").size());
    EXPECT_EQ((body.size() - 1) % 3, 0u);
    EXPECT_TRUE(word.starts_with(body));
}

} // namespace
