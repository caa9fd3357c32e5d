#include "panel/PanelKeys.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(PanelKeys, EveryKeyOfTheTablesOnceWithItsOwnId)
{
    std::set<int> ids;
    for (const SPanelKey& key : PanelKeys())
        EXPECT_TRUE(ids.insert(key.id).second) << key.id;
    EXPECT_EQ(ids.size(), 76u);
    EXPECT_EQ(*ids.begin(), 102);
    EXPECT_EQ(*ids.rbegin(), 179);
    EXPECT_FALSE(ids.count(168));
    EXPECT_FALSE(ids.count(169));
}

TEST(PanelKeys, KeysLieInsideThePanelAndNeverOverlap)
{
    auto keys = PanelKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const SPixRect& a = keys[i].rect;
        EXPECT_GT(a.Width(), 0);
        EXPECT_GT(a.Height(), 0);
        EXPECT_LE(a.right, panel_layout::kWidth);
        EXPECT_LE(a.bottom, panel_layout::kHeight);
        for (std::size_t j = i + 1; j < keys.size(); ++j) {
            const SPixRect& b = keys[j].rect;
            const bool apart = a.right <= b.left || b.right <= a.left || a.bottom <= b.top ||
                               b.bottom <= a.top;
            EXPECT_TRUE(apart) << keys[i].id << " overlaps " << keys[j].id;
        }
    }
}

TEST(PanelKeys, SizesByKind)
{
    EXPECT_EQ(FindPanelKey(141)->rect.Width(), 79);
    EXPECT_EQ(FindPanelKey(141)->rect.Height(), 81);
    EXPECT_EQ(FindPanelKey(154)->rect.Height(), 30);
    EXPECT_EQ(FindPanelKey(148)->rect.Height(), 24);
    EXPECT_EQ(FindPanelKey(105)->rect.Height(), 34);
    const SPanelKey* key = FindPanelKey(127);
    EXPECT_EQ(key->rect.left, 549);
    EXPECT_EQ(key->rect.top, 140);
}

TEST(PanelKeys, CharactersOfTheKeypad)
{
    EXPECT_EQ(KeyCharacter(*FindPanelKey(116), 1), ' ');
    EXPECT_EQ(KeyCharacter(*FindPanelKey(113), 1), 'W');
    EXPECT_EQ(KeyCharacter(*FindPanelKey(132), 1), 0);
    int characterKeys = 0;
    for (const SPanelKey& key : PanelKeys())
        characterKeys += key.effect == EKeyEffect::Character;
    EXPECT_EQ(characterKeys, 24);
    EXPECT_TRUE(NeedsShiftHeld('#'));
    EXPECT_TRUE(NeedsShiftHeld('+'));
    EXPECT_TRUE(NeedsShiftHeld('*'));
    EXPECT_FALSE(NeedsShiftHeld('='));
    EXPECT_FALSE(NeedsShiftHeld('/'));
    EXPECT_EQ(FindPanelKey(999), nullptr);
}

} // namespace
