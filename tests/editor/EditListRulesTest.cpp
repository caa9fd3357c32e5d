#include "editor/CutCompsteRows.h"
#include "editor/EditListGeometry.h"

#include <gtest/gtest.h>

namespace {

TEST(EditScroll, OnlyACellStartingOutsideTheClientAreaScrolls)
{
    EXPECT_EQ(EditScrollFor(-30, 200), -30);
    EXPECT_EQ(EditScrollFor(0, 200), 0);
    EXPECT_EQ(EditScrollFor(150, 200), 0); // starts inside, even if it ends outside
    EXPECT_EQ(EditScrollFor(240, 200), 240);
}

TEST(EditBox, TakesTheColumnWidthButStopsAtTheClientEdge)
{
    EXPECT_EQ(EditBoxOver({10, 20, 400, 38}, 79, 200), (SCellBox{10, 20, 89, 38}));
    EXPECT_EQ(EditBoxOver({150, 20, 229, 38}, 79, 200), (SCellBox{150, 20, 200, 38}));
}

TEST(EditBoxWidening, GrowsWithTheTextUpToTheClientEdge)
{
    EXPECT_EQ(WidenedRight(10, 90, 60, 300), 90);   // fits with its slack
    EXPECT_EQ(WidenedRight(10, 90, 76, 300), 91);   // 76 + 5 > 80
    EXPECT_EQ(WidenedRight(10, 90, 500, 300), 300); // stops at the edge
}

TEST(EditBoxWidening, NeverShrinksABoxAlreadyPastTheEdge)
{
    EXPECT_EQ(WidenedRight(10, 320, 400, 300), 320);
}

TEST(CompensationLabels, FourDigitsUpToNineThenTwoZerosBeforeTheIndex)
{
    EXPECT_EQ(CutCompste::EntryLabel(0), "#0000");
    EXPECT_EQ(CutCompste::EntryLabel(9), "#0009");
    EXPECT_EQ(CutCompste::EntryLabel(10), "#0010");
    EXPECT_EQ(CutCompste::EntryLabel(100), "#00100");
}

TEST(CompensationOffsets, PlainDecimalsAreKeptAndAnythingElseRefused)
{
    EXPECT_EQ(CutCompste::OffsetText(" 1.5 "), "1.5");
    EXPECT_EQ(CutCompste::OffsetText("-.5"), "-.5");
    EXPECT_EQ(CutCompste::OffsetText("+2"), "+2");
    EXPECT_EQ(CutCompste::OffsetText("\xef\xbc\x91\xef\xbc\x8e\xef\xbc\x95"), "1.5"); // typed full width
    for (const char* bad : {"", "-", ".", "1.2.3", "abc", "1e3", "+-1", "1,5"})
        EXPECT_FALSE(CutCompste::OffsetText(bad)) << bad;
}

} // namespace
