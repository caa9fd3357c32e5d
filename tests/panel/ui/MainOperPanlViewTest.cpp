#include "panel/MainOperPanlView.h"

#include "panel/FeedDialRules.h"
#include "panel/Label.h"
#include "panel/PanelKeyButton.h"
#include "panel/PanelOverlays.h"
#include "platform/PlatformDoubles.h"
#include "platform/QtPrompter.h"
#include "platform/ScriptedPrompter.h"
#include "tests/panel/RecordingPanelHost.h"

#include <QContextMenuEvent>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

using Calls = std::vector<std::string>;

class OperPanelTest : public ::testing::Test {
protected:
    OperPanelTest() { view.resize(panel_layout::kWidth + 4, panel_layout::kHeight + 4); }

    void Click(int id)
    {
        CPanelKeyButton* key = view.Key(id);
        ASSERT_NE(key, nullptr) << id;
        QTest::mouseClick(key, Qt::LeftButton);
    }

    CRecordingPanelHost host;
    CRecordingSound sound;
    CScriptedPrompter prompter;
    CPanelState state;
    CMainOperPanlView view{host, state, sound, prompter};
};

TEST_F(OperPanelTest, StartsAtRestWithRapidOnAndNoMode)
{
    const CPanelState& s = view.State();
    EXPECT_EQ(s.m_bShift, 0);
    EXPECT_EQ(s.m_nCoordDisplay, ECoordDisplay::Absolute);
    EXPECT_EQ(s.m_dTurretX, 0.0);
    EXPECT_EQ(s.m_dTurretZ, 0.0);
    EXPECT_EQ(s.m_bRapid, 1);
    EXPECT_EQ(s.m_nSpindle, ESpindle::Stopped);
    EXPECT_EQ(s.m_bCoolant, 0);
    EXPECT_EQ(s.m_nRefMode, ERefMode::None);
}

TEST_F(OperPanelTest, EveryKeySitsAtItsRectangleAndNeverTakesTheFocus)
{
    int count = 0;
    for (const SPanelKey& key : PanelKeys()) {
        CPanelKeyButton* button = view.Key(key.id);
        ASSERT_NE(button, nullptr) << key.id;
        EXPECT_EQ(button->geometry(),
                  QRect(key.rect.left, key.rect.top, key.rect.Width(), key.rect.Height()))
            << key.id;
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
        ++count;
    }
    EXPECT_EQ(count, 76);
}

TEST_F(OperPanelTest, ClickedKeysChangeTheStateTheSimulationReads)
{
    Click(148);
    EXPECT_EQ(view.State().m_nSpindle, ESpindle::Clockwise);
    Click(142);
    EXPECT_EQ(view.State().m_nSpindle, ESpindle::CounterClockwise);
    Click(144);
    EXPECT_EQ(view.State().m_bCoolant, 1);
    Click(154);
    Click(135);
    EXPECT_DOUBLE_EQ(view.State().m_dTurretX, 30.0);
}

TEST_F(OperPanelTest, KeypadClicksTypeIntoTheEditorWithShiftForTheHash)
{
    Click(121);
    Click(132);
    Click(121);
    EXPECT_EQ(host.calls, (Calls{"focus", "type 2", "focus", "type # shift"}));
}

TEST_F(OperPanelTest, ThePressedFaceShowsWhileTheKeyIsHeld)
{
    CPanelKeyButton* key = view.Key(148);
    const QImage up = key->grab().toImage();
    key->setDown(true);
    const QImage down = key->grab().toImage();
    EXPECT_NE(up, down);
}

TEST_F(OperPanelTest, ClockShowsTheInjectedTimeInYellowOnCyan)
{
    EXPECT_EQ(view.ClockLabel()->BkColor(), QColor(0, 0, 0));
    EXPECT_EQ(view.ClockLabel()->TextColor(), QColor(255, 255, 255));
    view.SetClockSource([] { return STimeOfDay{0, 0, 0}; });
    view.UpdateClock();
    EXPECT_EQ(view.ClockLabel()->Text(), QStringLiteral("00:00:00"));
    EXPECT_EQ(view.ClockLabel()->BkColor(), QColor(0, 255, 255));
    EXPECT_EQ(view.ClockLabel()->TextColor(), QColor(255, 255, 0));
    EXPECT_EQ(view.ClockLabel()->FontDescription().pointSize, 28);
    view.SetClockSource([] { return STimeOfDay{9, 4, 7}; });
    view.UpdateClock();
    EXPECT_EQ(view.ClockLabel()->Text(), QStringLiteral("09:04:07"));
}

TEST_F(OperPanelTest, ShowPositionWritesBothLabelsWhiteOnBlack)
{
    EXPECT_EQ(view.XLabel()->Text(), QStringLiteral("X  0.000"));
    view.ShowPosition(-1.5, 12.25);
    EXPECT_EQ(view.XLabel()->Text(), QStringLiteral("X -1.500"));
    EXPECT_EQ(view.ZLabel()->Text(), QStringLiteral("Z 12.250"));
    for (CLabel* label : {view.XLabel(), view.ZLabel()}) {
        EXPECT_EQ(label->BkColor(), QColor(0, 0, 0));
        EXPECT_EQ(label->TextColor(), QColor(255, 255, 255));
        EXPECT_EQ(label->FontDescription().pointSize, 28);
        EXPECT_EQ(label->ControlId() >= 1001 && label->ControlId() <= 1002, true);
    }
}

TEST_F(OperPanelTest, ChuckCollisionAsksTheStopBoxThroughThePrompter)
{
    Click(154);
    Click(137);   // rapid off
    for (int i = 0; i < 28; ++i)
        Click(134);
    EXPECT_DOUBLE_EQ(view.State().m_dTurretZ, -280.0);
    ASSERT_EQ(prompter.Texts(), (std::vector<std::string>{"刀具与卡盘碰撞!"}));
    EXPECT_EQ(sound.played, (std::vector<std::string>{"Sound/warn.wav"}));
}

TEST_F(OperPanelTest, ClockKeepsTickingWhileTheCollisionBoxIsOpen)
{
    CQtPrompter boxes(QStringLiteral("测试"));
    CMainOperPanlView panel{host, state, sound, boxes};
    panel.SetClockSource([] { return STimeOfDay{1, 2, 3}; });
    panel.State().m_nRefMode = ERefMode::Jog;
    panel.State().m_bRapid = 0;
    panel.State().m_dTurretZ = jog::kChuckZLimit;
    // Closes the box once the clock has ticked behind it, or gives up.
    QElapsedTimer open;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && (panel.ClockLabel()->Text() == QStringLiteral("01:02:03") || open.elapsed() > 3000))
            box->done(QMessageBox::Ok);
    });
    open.start();
    closer.start(20);
    panel.PressKey(134);
    EXPECT_EQ(panel.ClockLabel()->Text(), QStringLiteral("01:02:03"));
    EXPECT_LT(open.elapsed(), 3000);
}

TEST_F(OperPanelTest, KeyboardMenuOpensFiveInFromTheCorner)
{
    view.show();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(30, 30),
                            view.mapToGlobal(QPoint(30, 30)));
    QCoreApplication::sendEvent(&view, &event);
    QMenu* menu = view.ProgramMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->pos(), view.viewport()->mapToGlobal(QPoint(5, 5)));
    EXPECT_EQ(menu->parent(), view.window());
    menu->close();
}

TEST_F(OperPanelTest, MouseMenuOpensAtTheCursorAndItsCommandsGoToTheFrame)
{
    view.show();
    view.ShowProgramMenu({120, 90});
    QMenu* menu = view.ProgramMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->pos(), QPoint(120, 90));
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("新建程序&N"));
    actions[1]->trigger();
    EXPECT_EQ(host.calls, (Calls{"command 32795"}));
    menu->close();
}

// Whether the cabinet shows the override pointer's light stroke at a
// percentage: halfway out along it, over the dark cap.
bool PointerShownAt(const QImage& cabinet, int percent)
{
    const double a = feed_dial::PointerDegrees(percent) * std::numbers::pi / 180.0;
    const double r = feed_dial::kRadius * 0.5;
    const QPoint at(int(std::lround(feed_dial::kCentreX + r * std::cos(a))),
                    int(std::lround(feed_dial::kCentreY - r * std::sin(a))));
    return cabinet.pixelColor(at).lightness() > 180;
}

TEST_F(OperPanelTest, ClickingTheDialsHalvesTurnsTheOverrideAndItsPointer)
{
    CFeedDial* dial = view.FeedDial();
    EXPECT_TRUE(PointerShownAt(view.Cabinet()->grab().toImage(), 100));
    QTest::mouseClick(dial, Qt::LeftButton, {}, QPoint(dial->width() - 4, dial->height() / 2));
    EXPECT_EQ(host.feedOverride, 110);
    const QImage turnedUp = view.Cabinet()->grab().toImage();
    EXPECT_TRUE(PointerShownAt(turnedUp, 110));
    EXPECT_FALSE(PointerShownAt(turnedUp, 100));
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(dial, Qt::LeftButton, {}, QPoint(4, dial->height() / 2));
    EXPECT_EQ(host.feedOverride, 80);
    EXPECT_TRUE(PointerShownAt(view.Cabinet()->grab().toImage(), 80));
}

TEST_F(OperPanelTest, TimeLineShowsTheRunsTimesAndRepaintsOnlyWhenTheyChange)
{
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    struct SPaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    CScreenTimeLine* line = view.TimeLine();
    line->installEventFilter(&counter);
    host.times = {3725.0, 0.4};
    view.UpdateRunDisplays();
    QCoreApplication::processEvents();
    EXPECT_EQ(line->RunTime(), QStringLiteral("1H 2M"));
    EXPECT_EQ(line->CycleTime(), QStringLiteral("0M  0S"));
    const int paints = counter.paints;
    EXPECT_GT(paints, 0);
    host.times = {3726.0, 0.9};
    view.UpdateRunDisplays();
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, paints);
}

// Writes the cabinet's picture for the README when asked to.
TEST_F(OperPanelTest, CabinetPictureHasTheScreenAndKeys)
{
    view.SetClockSource([] { return STimeOfDay{10, 8, 42}; });
    view.UpdateClock();
    view.ShowPosition(-12.5, 103.25);
    const QImage image = view.Cabinet()->grab().toImage();
    EXPECT_EQ(image.size(), QSize(panel_layout::kWidth, panel_layout::kHeight));
    // The clock's cyan shows in the screen, the emergency stop is red.
    EXPECT_EQ(image.pixelColor(70, 86), QColor(0, 255, 255));
    const QColor stop = image.pixelColor(64, 409);
    EXPECT_GT(stop.red(), 150);
    EXPECT_LT(stop.green(), 90);
    if (const char* path = std::getenv("VELMORA_PANEL_SCREENSHOT")) {
        EXPECT_TRUE(image.save(QString::fromLocal8Bit(path)));
    }
}

} // namespace
