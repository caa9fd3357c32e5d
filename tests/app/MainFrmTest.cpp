#include "app/FrameTestSupport.h"

#include "common/CommandTable.h"
#include "editor/GcodeEditPanelView.h"
#include "simulation/Machine.h"
#include "simulation/RunControl.h"
#include "simulation/SimulationOutput.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

class MainFrameTest : public ::testing::Test, public FrameFixture {
protected:
    CQuietSimulationOutput quiet;
    void Show()
    {
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }
    CGcodeEditPanelView* Editor() { return static_cast<CGcodeEditPanelView*>(frame->pane(0, 1)); }
    void MakeUnsaved()
    {
        doc.AppendInOrder(Statement(1));
        doc.SetModifiedFlag(true);
    }
};

TEST_F(MainFrameTest, StartsWithTheDocumentTitleMenusToolbarAndStatusBar)
{
    EXPECT_EQ(frame->windowTitle(), QString("Halvorn数控 - 数控机床虚拟仿真软件"));
    const QList<QAction*> popups = frame->menuBar()->actions();
    ASSERT_EQ(popups.size(), 10);
    EXPECT_EQ(popups[0]->text(), "文件(&F)");
    EXPECT_EQ(popups[8]->text(), "辅助功能");
    auto* toolBar = frame->findChild<QToolBar*>("mainToolBar");
    ASSERT_TRUE(toolBar);
    EXPECT_EQ(toolBar->actions().size(), 20);
    EXPECT_TRUE(toolBar->actions()[3]->isSeparator());
    EXPECT_EQ(toolBar->actions()[10]->data().toInt(), 32787);
    EXPECT_EQ(toolBar->iconSize(), QSize(29, 26));
    auto* runBar = frame->findChild<QToolBar*>("runToolBar");
    ASSERT_TRUE(runBar);
    for (QAction* button : toolBar->actions() + runBar->actions())
        EXPECT_TRUE(button->isSeparator() || !button->icon().isNull()) << button->text().toStdString();
    EXPECT_EQ(frame->statusText(0), "就绪");
    EXPECT_EQ(frame->findChild<QLabel*>("statusPane1")->minimumWidth(), 500);
}

TEST_F(MainFrameTest, PanesSitInOneRowOfThreeColumns)
{
    EXPECT_EQ(frame->splitter()->count(), 3);
    EXPECT_TRUE(dynamic_cast<CGcodeEditPanelView*>(frame->pane(0, 1)));
    EXPECT_EQ(frame->pane(0, 2), frame->splitter()->widget(2));
    EXPECT_EQ(frame->pane(1, 0), nullptr);
    EXPECT_EQ(frame->pane(0, 3), nullptr);
}

TEST_F(MainFrameTest, EntriesNobodyHandlesAreDisabled)
{
    for (int id : {32790, 32802, 32803, 32804, 32806, 32807, 57607, 57609, 57606, 57643, 57635,
                   57634, 57637})
        EXPECT_FALSE(frame->action(id)->isEnabled()) << id;
    for (int id : {32799, 32798, 32786, 32801, 57604, 57665, 57664, 57600})
        EXPECT_TRUE(frame->action(id)->isEnabled()) << id;
    EXPECT_FALSE(frame->routeCommand(32806));
}

TEST_F(MainFrameTest, ApplicationTakesWhatTheFrameDoesNot)
{
    EXPECT_TRUE(frame->routeCommand(57664));
    EXPECT_EQ(app.commands, std::vector<int>{57664});
}

struct STakingPane : QWidget, CCommandTarget {
    std::vector<int> taken;
    bool HandlesCommand(int id) const override { return id == 32786 || id == 32772; }
    void OnCommand(int id) override { taken.push_back(id); }
};

TEST(MainFrameRouting, ActivePaneComesBeforeTheFrame)
{
    SPaneFactories panes = FrameFixture::PlainPanes();
    STakingPane* taking = nullptr;
    panes.simulation = [&](CMainFrame&) -> QWidget* { return taking = new STakingPane; };
    FrameFixture fixture(panes);
    EXPECT_TRUE(fixture.frame->action(32772)->isEnabled());
    fixture.frame->routeCommand(32786);
    EXPECT_EQ(taking->taken, std::vector<int>{32786});
    EXPECT_EQ(fixture.frame->viewSwitchMode(), 1);

    fixture.frame->setActivePane(fixture.frame->pane(0, 1));
    EXPECT_FALSE(fixture.frame->action(32772)->isEnabled());
    fixture.frame->routeCommand(32786);
    EXPECT_EQ(taking->taken.size(), 1u);
    EXPECT_EQ(fixture.frame->viewSwitchMode(), 2);
}

TEST_F(MainFrameTest, ViewSwitchCyclesThroughModesOneTwoZero)
{
    Show();
    for (int mode : {1, 2, 0, 1}) {
        frame->routeCommand(32786);
        EXPECT_EQ(frame->lastLayout(), PaneLayouts::ViewSwitch(mode));
    }
    frame->routeCommand(32786); // mode 2: simulation hidden
    TPaneWidths widths = frame->paneWidths();
    EXPECT_EQ(widths[0], 0);
    EXPECT_EQ(widths[1], 700);
}

TEST_F(MainFrameTest, PopupLayoutsAndStartMachining)
{
    Show();
    frame->routeCommand(32796);
    EXPECT_EQ(frame->lastLayout(), PaneLayouts::BuiltInEditor());
    EXPECT_EQ(frame->paneWidths()[1], 600);
    frame->routeCommand(32800);
    EXPECT_EQ(frame->lastLayout(), PaneLayouts::StartMachining());
}

TEST_F(MainFrameTest, NewProgramAnsweredNoToTheEditorUsesTheTableLayout)
{
    Show();
    MakeUnsaved();
    prompter.Answer(EPromptAnswer::No);
    prompter.Answer(EPromptAnswer::No);
    frame->routeCommand(32794);
    EXPECT_TRUE(doc.IsEmpty());
    EXPECT_EQ(frame->lastLayout(), PaneLayouts::NewProgram(frame->width()));
    EXPECT_EQ(Editor()->rowCount(), 0);
}

TEST_F(MainFrameTest, NewProgramCancelledChangesNothing)
{
    MakeUnsaved();
    prompter.Answer(EPromptAnswer::Cancel);
    frame->routeCommand(32794);
    EXPECT_EQ(doc.Statements().size(), 1u);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{CProgramCommands::kSaveQuestion});
}

TEST_F(MainFrameTest, NewProgramWithTheTextEditorLaunchesIt)
{
    prompter.Answer(EPromptAnswer::Yes);
    frame->routeCommand(32794);
    EXPECT_EQ(shell.editorLaunches, 1);
}

TEST_F(MainFrameTest, OpenShowsTheProgramAndNamesTheWindow)
{
    files.Answer(Sample("02-arcs.txt"));
    EXPECT_TRUE(frame->routeCommand(32799));
    EXPECT_EQ(frame->windowTitle(), QString("数控机床虚拟仿真软件 - 02-arcs.txt"));
    EXPECT_EQ(Editor()->rowCount(), static_cast<int>(doc.Statements().size()));
    EXPECT_EQ(Editor()->cellText(4, 1), "G03");
    ASSERT_EQ(frame->recentFiles().Paths().size(), 1u);
    EXPECT_TRUE(frame->action(57616)->isVisible());
    EXPECT_TRUE(frame->isCommandEnabled(57616));
    EXPECT_FALSE(frame->isCommandEnabled(57617));
}

TEST_F(MainFrameTest, OpeningAnotherProgramStopsTheRunFirst)
{
    files.Answer(Sample("01-rapid-and-feed.txt"));
    frame->routeCommand(32799);
    machine->sim.switches.chuckClamped = 1;
    StartSimulation(machine->sim, doc, quiet);
    ASSERT_EQ(RunState(machine->sim.interp), ERunState::Running);
    files.Answer(Sample("02-arcs.txt"));
    frame->routeCommand(32799);
    EXPECT_EQ(RunState(machine->sim.interp), ERunState::Stopped);
}

TEST_F(MainFrameTest, FileNamedRelativelyIsRememberedByItsFullPath)
{
    const QString before = QDir::currentPath();
    QDir::setCurrent(VELMORA_SOURCE_DIR);
    EXPECT_TRUE(frame->openProgramFile("resources/programs/01-rapid-and-feed.txt"));
    QDir::setCurrent(before);
    EXPECT_EQ(frame->recentFiles().Paths().front(), Sample("01-rapid-and-feed.txt"));
    EXPECT_EQ(frame->windowTitle(), QString("数控机床虚拟仿真软件 - 01-rapid-and-feed.txt"));
}

TEST_F(MainFrameTest, DiameterProgrammingIsRememberedShownAndKeptDuringARun)
{
    EXPECT_EQ(frame->statusText(2), "半径编程") << "radius is the default";
    frame->routeCommand(Cmd::DiameterMode);
    EXPECT_TRUE(machine->sim.switches.diameterProgramming);
    EXPECT_TRUE(machine->panel.m_bDiameter);
    EXPECT_TRUE(frame->action(Cmd::DiameterMode)->isChecked());
    EXPECT_EQ(frame->statusText(2), "直径编程");

    auto another = std::make_unique<CMachine>();
    CMainFrame next(SFrameServices{doc, *another, prompter, files, shell, paths, keys, sound}, &app,
                    PlainPanes());
    EXPECT_TRUE(another->sim.switches.diameterProgramming) << "the next session starts in it";

    machine->sim.interp.nodes.resize(1);
    machine->sim.interp.cur = 0;
    machine->sim.interp.sim_running = true;
    frame->updateCommandStates();
    EXPECT_FALSE(frame->action(Cmd::DiameterMode)->isEnabled()) << "the running list was read in one mode";
}

TEST_F(MainFrameTest, ARecentFileThatIsGoneLeavesTheList)
{
    const QString path = QDir::temp().filePath("velmora-ui-gone.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("G00X1Z1\n");
    file.close();
    files.Answer(Sample("01-rapid-and-feed.txt"));
    frame->routeCommand(32799);
    ASSERT_TRUE(frame->openProgramFile(path.toStdString()));
    ASSERT_EQ(frame->recentFiles().Paths().size(), 2u);
    QFile::remove(path);

    frame->routeCommand(57616); // the newest entry, the file just removed
    EXPECT_EQ(frame->recentFiles().Paths(), std::vector<std::string>{Sample("01-rapid-and-feed.txt")});
    EXPECT_EQ(QSettings().value("Recent File List/File2"), QVariant()) << "the list is stored without it";
    EXPECT_EQ(frame->windowTitle(), QString("数控机床虚拟仿真软件 - velmora-ui-gone.txt"));
}

TEST_F(MainFrameTest, AReadThatFailsPartWayNamesTheWindowAfterTheFailedFile)
{
    files.Answer(Sample("01-rapid-and-feed.txt"));
    frame->routeCommand(32799);
    frame->programCommands().read = [](CVelmoraDoc& d, const std::string&) {
        d.RemoveAllStatements();
        SFileResult result = SFileResult::Failure("读取程序文件时出错，程序可能不完整。");
        result.incomplete = true;
        return result;
    };
    files.Answer(Sample("02-arcs.txt"));
    frame->routeCommand(32799);
    EXPECT_EQ(frame->windowTitle(), QString("数控机床虚拟仿真软件 - 02-arcs.txt"));
    EXPECT_EQ(frame->recentFiles().Paths().size(), 1u) << "a file not read whole is not offered again";
    EXPECT_EQ(Editor()->rowCount(), 0);
}

TEST_F(MainFrameTest, EveryOpenCommandOpens)
{
    for (int id : {32795, 32799, 57601}) {
        files.Answer(Sample("01-rapid-and-feed.txt"));
        frame->routeCommand(id);
    }
    EXPECT_EQ(files.opens, 3);
}

TEST_F(MainFrameTest, RecentEntryAsksAboutUnsavedChangesThenOpens)
{
    files.Answer(Sample("01-rapid-and-feed.txt"));
    frame->routeCommand(32799);
    doc.SetModifiedFlag(true);
    prompter.Answer(EPromptAnswer::Cancel);
    frame->routeCommand(57616);
    EXPECT_TRUE(doc.IsModified());
    prompter.Answer(EPromptAnswer::No);
    frame->routeCommand(57616);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(files.opens, 1);
}

TEST_F(MainFrameTest, StandardSaveCommandsSaveTheProgram)
{
    MakeUnsaved();
    for (int id : {32798, 57603, 57604})
        frame->routeCommand(id);
    EXPECT_EQ(files.suggested.size(), 3u);
    EXPECT_TRUE(doc.IsModified()); // every dialog was cancelled
}

TEST_F(MainFrameTest, SaveNamesTheDocumentAndTheWindow)
{
    MakeUnsaved();
    std::string path = QDir::temp().filePath("velmora-ui-save.txt").toStdString();
    files.Answer(path);
    frame->routeCommand(32798);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(frame->windowTitle(), QString("velmora-ui-save.txt - 数控机床虚拟仿真软件"));
    EXPECT_EQ(frame->recentFiles().Paths().front(), path);
    QFile::remove(QString::fromStdString(path));
}

TEST_F(MainFrameTest, CloseAnsweredCancelKeepsTheWindow)
{
    Show();
    MakeUnsaved();
    prompter.Answer(EPromptAnswer::Cancel);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    prompter.Answer(EPromptAnswer::No);
    EXPECT_TRUE(frame->close());
}

TEST_F(MainFrameTest, CloseWithYesWhoseSaveIsCancelledStaysOpen)
{
    Show();
    MakeUnsaved();
    prompter.Answer(EPromptAnswer::Yes);
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(files.suggested.size(), 1u);
}

TEST_F(MainFrameTest, HelpOpensTheInstalledPage)
{
    frame->routeCommand(32801);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_TRUE(QString::fromStdString(shell.opened[0]).endsWith("help/机床操作说明.htm"));
}

TEST_F(MainFrameTest, HelpWithoutABrowserNamesThePage)
{
    shell.openSucceeds = false;
    frame->routeCommand(32801);
    ASSERT_EQ(prompter.Asked().size(), 1u);
    EXPECT_NE(prompter.Asked()[0].text.find("无法打开操作说明"), std::string::npos);
    EXPECT_NE(prompter.Asked()[0].text.find("help/机床操作说明.htm"), std::string::npos);
}

TEST_F(MainFrameTest, RegisteredDialogsEnableTheirCommands)
{
    int runs = 0;
    frame->setDialogRunner(32797, [&] { ++runs; });
    frame->setDialogRunner(32787, {});
    EXPECT_FALSE(frame->action(32787)->isEnabled());
    EXPECT_TRUE(frame->routeCommand(32797));
    EXPECT_EQ(runs, 1);
}

TEST_F(MainFrameTest, ToolCommandsRunTheirDialogsModally)
{
    const std::pair<int, const char*> commands[] = {
        {32797, "cutCompensationDialog"}, {32787, "toolSettingDialog"}};
    for (auto [id, name] : commands) {
        QString shown;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_TRUE(dialog);
            shown = dialog->objectName();
            modal = dialog->isModal() && dialog->parentWidget() == frame.get();
            dialog->close();
        });
        EXPECT_TRUE(frame->routeCommand(id));
        EXPECT_EQ(shown, name);
        EXPECT_TRUE(modal) << name;
    }
}

TEST_F(MainFrameTest, HoveringAnEntryShowsItsPrompt)
{
    frame->action(32783)->hover();
    EXPECT_EQ(frame->statusText(0), "加紧工件");
    frame->setStatusText(1, "N5 G01X10");
    EXPECT_EQ(frame->statusText(1), "N5 G01X10");
}

TEST_F(MainFrameTest, ToolBarAndStatusBarEntriesToggleTheBars)
{
    Show();
    frame->routeCommand(59392);
    EXPECT_FALSE(frame->findChild<QToolBar*>("mainToolBar")->isVisible());
    EXPECT_FALSE(frame->findChild<QToolBar*>("runToolBar")->isVisible());
    EXPECT_FALSE(frame->action(59392)->isChecked());
    frame->routeCommand(59392);
    EXPECT_TRUE(frame->action(59392)->isChecked());
}

} // namespace
