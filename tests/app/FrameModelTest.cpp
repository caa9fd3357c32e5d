// Layouts, the recently-used list and the command tables of the main window.
#include "common/CommandTable.h"
#include "app/RecentFiles.h"
#include "app/SplitterLayout.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(PaneLayouts, ViewSwitchModes)
{
    EXPECT_EQ(PaneLayouts::ViewSwitch(0), (TPaneLayout{{{400, 100}, {0, 100}, {600, 100}}}));
    EXPECT_EQ(PaneLayouts::ViewSwitch(1), (TPaneLayout{{{400, 100}, {600, 0}, {0, 0}}}));
    EXPECT_EQ(PaneLayouts::ViewSwitch(2), (TPaneLayout{{{0, 100}, {700, 0}, {300, 0}}}));
}

TEST(PaneLayouts, NewProgramTruncatesTheFrameWidthShares)
{
    EXPECT_EQ(PaneLayouts::NewProgram(1600), (TPaneLayout{{{727, 10}, {1066, 10}, {0, 10}}}));
}

struct SWidthCase {
    TPaneLayout layout;
    int total;
    TPaneWidths widths;
};

class PaneWidths : public ::testing::TestWithParam<SWidthCase> {};

TEST_P(PaneWidths, HideColumnsBelowTheirMinimumAndGiveTheRestToTheLast)
{
    EXPECT_EQ(PaneLayouts::Widths(GetParam().layout, GetParam().total, 4), GetParam().widths);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, PaneWidths,
    ::testing::Values(SWidthCase{PaneLayouts::ViewSwitch(0), 1600, {400, 0, 1196}},
                      SWidthCase{PaneLayouts::ViewSwitch(1), 1600, {400, 600, 592}},
                      SWidthCase{PaneLayouts::ViewSwitch(2), 1600, {0, 700, 896}},
                      SWidthCase{PaneLayouts::BuiltInEditor(), 1600, {0, 600, 996}},
                      SWidthCase{PaneLayouts::StartMachining(), 1600, {0, 700, 896}},
                      SWidthCase{PaneLayouts::NewProgram(1600), 1600, {727, 869, 0}},
                      SWidthCase{PaneLayouts::ViewSwitch(1), 300, {300, 0, 0}}));

TEST(RecentFiles, NewestFirstWithoutDuplicatesFourAtMost)
{
    CRecentFiles recent;
    for (const char* path : {"a", "b", "c", "d", "e", "c", ""})
        recent.Add(path);
    EXPECT_EQ(recent.Paths(), (std::vector<std::string>{"c", "e", "d", "b"}));
    recent.Assign({"x", "y"});
    EXPECT_EQ(recent.Paths(), (std::vector<std::string>{"x", "y"}));
}

TEST(CommandTable, MainMenuHasEveryPopupAndEntry)
{
    auto menu = Commands::MainMenu();
    ASSERT_EQ(menu.size(), 10u);
    EXPECT_EQ(menu[0].title, "文件(&F)");
    EXPECT_EQ(menu[9].title, "帮助(&H)");
    std::size_t entries = 0, separators = 0;
    std::set<int> ids;
    for (const auto& popup : menu)
        for (const auto& entry : popup.entries) {
            ++entries;
            if (entry.id == kSeparator)
                ++separators;
            else
                EXPECT_TRUE(ids.insert(entry.id).second) << entry.id;
        }
    EXPECT_EQ(entries, 76u);
    EXPECT_EQ(separators, 16u);
    EXPECT_EQ(menu[4].entries[13].text, "视图切换(&C)");
    EXPECT_EQ(menu[4].entries[13].id, 32786);
}

TEST(CommandTable, ToolBarOrder)
{
    auto bar = Commands::ToolBar();
    std::vector<int> ids(bar.begin(), bar.end());
    EXPECT_EQ(ids, (std::vector<int>{32772, 32773, 32774, kSeparator, 32775, 32776, 32779, 32780,
                                     32784, 32783, 32787, 32785, 32781, 32782, 32786, kSeparator,
                                     32810, 32811, 32812, 32813}));
}

TEST(CommandTable, PromptsAndPopup)
{
    EXPECT_EQ(Commands::Prompt(32783), "加紧工件");
    EXPECT_EQ(Commands::Prompt(32794), "");
    auto popup = Commands::ProgramPopup();
    ASSERT_EQ(popup.size(), 4u);
    EXPECT_EQ(popup[0].text, "新建程序&N");
    EXPECT_EQ(popup[3].id, 32797);
}

} // namespace
