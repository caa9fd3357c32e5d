// The simulation view in the main window: its commands reach the scene, and
// warnings leave the frame clock running, each box with its own text.
#include "common/CommandTable.h"
#include "app/FrameTestSupport.h"
#include "simulation/MySDOpenGLView.h"
#include "app/SceneCommandLink.h"
#include "simulation/Simulation.h"
#include "app/ViewOutput.h"
#include "simulation/Warnings.h"
#include "program/ProgramFile.h"

#include <QAction>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include <sstream>

namespace {

SPaneFactories WithTheView()
{
    SPaneFactories panes = SPaneFactories::Default();
    panes.panel = [](CMainFrame&) -> QWidget* { return new QWidget; };
    return panes;
}

struct ViewCommands : ::testing::Test {
    FrameFixture fixture{WithTheView()};
    CMySDOpenGLView* view = static_cast<CMySDOpenGLView*>(fixture.frame->pane(0, 0));
    void SetUp() override { fixture.frame->setActivePane(view); }
};

TEST_F(ViewCommands, MenuCommandsChangeTheScenesSwitchesAndTheirCheckMarks)
{
    EXPECT_TRUE(fixture.frame->routeCommand(Cmd::ToolPath));
    EXPECT_EQ(view->Simulation().switches.toolPathShown, 1);
    EXPECT_TRUE(fixture.frame->action(Cmd::ToolPath)->isChecked());
    EXPECT_TRUE(fixture.frame->routeCommand(Cmd::ReleaseStock));
    EXPECT_TRUE(fixture.frame->action(Cmd::ReleaseStock)->isChecked());
    EXPECT_FALSE(fixture.frame->action(Cmd::ClampStock)->isChecked());
    EXPECT_FALSE(fixture.frame->isCommandEnabled(Cmd::HideTailstock));
}

TEST_F(ViewCommands, RunEntriesFollowTheRunWhicheverPaneIsActive)
{
    std::istringstream program("G00 X30 Z2\nG01 X20 Z-10 F0.2\nM02\n");
    ReadProgramStream(fixture.doc, program);
    view->Simulation().switches.chuckClamped = 1;
    CMainFrame& frame = *fixture.frame;
    frame.setActivePane(frame.pane(0, 1));
    EXPECT_FALSE(frame.action(Cmd::FeedHold)->isEnabled());
    EXPECT_TRUE(frame.routeCommand(Cmd::CycleStart));
    EXPECT_FALSE(frame.action(Cmd::CycleStart)->isEnabled());
    EXPECT_TRUE(frame.action(Cmd::FeedHold)->isEnabled());
    frame.action(Cmd::Speed10)->trigger();
    frame.action(Cmd::SingleBlock)->trigger();
    EXPECT_EQ(view->Simulation().interp.speed, 10);
    EXPECT_TRUE(frame.action(Cmd::Speed10)->isChecked());
    EXPECT_FALSE(frame.action(Cmd::Speed1)->isChecked());
    EXPECT_TRUE(frame.action(Cmd::SingleBlock)->isChecked());
    // The view's own commands stay with the view.
    EXPECT_FALSE(frame.action(Cmd::Rotate)->isEnabled());
}

TEST_F(ViewCommands, StartWithAnEmptyProgramAsksForOne)
{
    fixture.frame->routeCommand(Cmd::Simulate);
    EXPECT_EQ(fixture.prompter.Texts(), std::vector<std::string>{"请调入数控程序!"});
    EXPECT_FALSE(view->Simulation().interp.sim_running);
}

TEST_F(ViewCommands, ToolSelectionGivesTheFrameClockBackAfterTheDialog)
{
    bool clockDuringDialog = true;
    SceneCommandLinkOf(view)->toolLibraryDialog = [&](QWidget*) -> std::optional<SToolLibraryResult> {
        clockDuringDialog = view->FrameClockRunning();
        return SToolLibraryResult{2, 1, 0};
    };
    fixture.frame->routeCommand(Cmd::ToolSelect);
    EXPECT_FALSE(clockDuringDialog);
    EXPECT_TRUE(view->FrameClockRunning());
    EXPECT_EQ(view->Simulation().turret.currentTool, 2);
}

TEST_F(ViewCommands, TwoQuickWarningsShowTwoBoxesWithoutBlocking)
{
    CViewOutput output(*fixture.frame, *view);
    RaiseWarning(output, kWarnNotReferenced);
    RaiseWarning(output, kWarnNoTool);
    QStringList texts;
    for (QMessageBox* box : view->findChildren<QMessageBox*>("warningBox")) {
        EXPECT_TRUE(box->isVisible());
        EXPECT_FALSE(box->isModal());
        texts << box->text();
        box->close();
    }
    texts.sort();
    EXPECT_EQ(texts, (QStringList{"警告:加工前请先回机床原点!", "警告:请先安装刀具再开始加工!"}));
}

} // namespace
