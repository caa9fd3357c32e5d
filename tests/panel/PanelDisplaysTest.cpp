#include "panel/FeedDialRules.h"
#include "panel/PanelDisplays.h"
#include "panel/PanelMenu.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FormatClock, PadsEveryFieldToTwoDigits)
{
    EXPECT_EQ(FormatClock({0, 0, 0}), "00:00:00");
    EXPECT_EQ(FormatClock({7, 5, 9}), "07:05:09");
    EXPECT_EQ(FormatClock({23, 59, 59}), "23:59:59");
    EXPECT_EQ(FormatClock({12, 30, 0}), "12:30:00");
}

TEST(FormatPosition, UsesWidthSixAndThreeDecimals)
{
    EXPECT_EQ(FormatPositionX(-1.5), "X -1.500");
    EXPECT_EQ(FormatPositionZ(12.25), "Z 12.250");
    EXPECT_EQ(FormatPositionX(0.0), "X  0.000");
    EXPECT_EQ(FormatPositionZ(-345.0), "Z -345.000");
    EXPECT_EQ(FormatPositionX(0.0005), "X  0.001");
}

TEST(FormatPosition, KeepsAFarOffValueWhole)
{
    const std::string text = FormatPositionX(1e200);
    EXPECT_EQ(text.substr(0, 2), "X ");
    EXPECT_EQ(text.substr(text.size() - 4), ".000");
    EXPECT_GT(text.size(), 200u);
}

TEST(FormatMachiningTime, RunTimeInHoursAndMinutesCycleTimeInMinutesAndSeconds)
{
    EXPECT_EQ(FormatRunTime(0.0), "0H 0M");
    EXPECT_EQ(FormatRunTime(2 * 3600 + 7 * 60 + 59.9), "2H 7M");
    EXPECT_EQ(FormatCycleTime(0.0), "0M  0S");
    EXPECT_EQ(FormatCycleTime(125.99), "2M  5S");
    EXPECT_EQ(FormatCycleTime(75 * 60 + 42), "75M 42S");
    EXPECT_EQ(FormatCycleTime(-3.0), "0M  0S");
}

TEST(FeedDial, PointerSweepsFromTheFirstMarkToTheLastAndStopsThere)
{
    EXPECT_DOUBLE_EQ(feed_dial::PointerDegrees(0), 225.0);
    EXPECT_DOUBLE_EQ(feed_dial::PointerDegrees(150), -45.0);
    EXPECT_DOUBLE_EQ(feed_dial::PointerDegrees(200), -45.0);
    EXPECT_EQ(feed_dial::Turned(100, 2), 120);
    EXPECT_EQ(feed_dial::Turned(145, 1), 150);
    EXPECT_EQ(feed_dial::Turned(20, -3), 0);
}

TEST(DisplayStyles, ClockTurnsYellowOnCyanAfterTheFirstTick)
{
    using namespace panel_display;
    EXPECT_EQ(kClockStart.background, kRgbBlack);
    EXPECT_EQ(kClockStart.text, kRgbWhite);
    EXPECT_EQ(kClockTick.background, (SRgb{0, 255, 255}));
    EXPECT_EQ(kClockTick.text, (SRgb{255, 255, 0}));
    EXPECT_EQ(kPosition.background, kRgbBlack);
    EXPECT_EQ(kPosition.text, kRgbWhite);
    EXPECT_EQ(kClockTick.pointSize, 28);
}

TEST(DisplayPosition, IdleAndMachiningInBothCoordinateSets)
{
    CPanelState state;
    state.m_dTurretX = 50;
    state.m_dTurretZ = 20;
    SDisplayPosition p = IdleDisplayPosition(state, 200);
    EXPECT_DOUBLE_EQ(p.x, 20);
    EXPECT_DOUBLE_EQ(p.z, -80);
    p = MachiningDisplayPosition(state, 100, -30, 200);
    EXPECT_DOUBLE_EQ(p.x, 30);
    EXPECT_DOUBLE_EQ(p.z, -275);
    state.m_nCoordDisplay = ECoordDisplay::Relative;
    p = IdleDisplayPosition(state, 200);
    EXPECT_DOUBLE_EQ(p.x, 90);
    EXPECT_DOUBLE_EQ(p.z, 165);
    p = MachiningDisplayPosition(state, 100, -30, 200);
    EXPECT_DOUBLE_EQ(p.x, 100);
    EXPECT_DOUBLE_EQ(p.z, -30);
}

TEST(PopupMenu, OpensAtTheCursorOrFiveInFromTheCornerFromTheKeyboard)
{
    EXPECT_EQ(PopupMenuPosition({300, 400}, {1000, 20}), (SPanelPoint{300, 400}));
    EXPECT_EQ(PopupMenuPosition({-1, -1}, {1000, 20}), (SPanelPoint{1005, 25}));
    EXPECT_EQ(PopupMenuPosition({-1, 7}, {1000, 20}), (SPanelPoint{-1, 7}));
}

} // namespace
