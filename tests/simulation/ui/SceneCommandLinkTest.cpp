// The scene commands in the main window: the panel's spindle, the dialogs,
// and the editor following the run.
#include "app/FrameTestSupport.h"
#include "common/CommandTable.h"
#include "editor/GcodeEditPanelView.h"
#include "app/FramePanelHost.h"
#include "panel/MainOperPanlView.h"
#include "app/SceneCommandLink.h"
#include "simulation/SimulationTestSupport.h"
#include "simulation/Warnings.h"

#include <QLineEdit>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

SPaneFactories EditorAndPanel()
{
    SPaneFactories panes = SPaneFactories::Default();
    panes.simulation = [](CMainFrame&) -> QWidget* { return new QWidget; };
    return panes;
}

struct SceneCommandLink : ::testing::Test {
    FrameFixture fixture{EditorAndPanel()};
    CSimulation* sim = &fixture.machine->sim;
    CRecordingOutput out;
    CSceneCommandLink link{*fixture.frame, *fixture.frame->pane(0, 0), *fixture.machine, out, {[] {}, [](int) {}}};
};

TEST_F(SceneCommandLink, TurningSpindleOnThePanelRefusesNewStock)
{
    int dialogs = 0;
    link.stockDialog = [&](QWidget*) -> std::optional<SStockSize> { return ++dialogs, SStockSize{100, 30, 0}; };
    link.Commands().OnCommand(Cmd::ReleaseStock);
    OperatorPanel(*fixture.frame)->State().m_nSpindle = ESpindle::Clockwise;
    link.Commands().OnCommand(Cmd::StockSize);
    EXPECT_EQ(dialogs, 0);
    ASSERT_EQ(out.warnings.size(), 1u);
    EXPECT_EQ(out.warnings[0].kind, kWarnSpindleTurning);
    OperatorPanel(*fixture.frame)->State().m_nSpindle = ESpindle::Stopped;
    link.Commands().OnCommand(Cmd::StockSize);
    EXPECT_EQ(dialogs, 1);
    EXPECT_DOUBLE_EQ(sim->switches.stockLength, 100.0);
}

TEST_F(SceneCommandLink, EditorSelectsTheRunningStatementWithoutTakingTheFocus)
{
    std::istringstream program("G00 X30 Z2\nG01 X20 Z-10 F0.2\nM08\nM02\n");
    ReadProgramStream(fixture.doc, program);
    fixture.doc.UpdateAllViews();
    fixture.frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fixture.frame.get()));
    auto* editor = static_cast<CGcodeEditPanelView*>(fixture.frame->pane(0, 1));
    auto* field = editor->findChildren<QLineEdit*>().front();
    field->setFocus();
    field->setText("X12");
    FollowStatement(*fixture.frame, 3);
    const QModelIndexList selected = editor->table()->selectionModel()->selectedRows();
    ASSERT_FALSE(selected.empty());
    EXPECT_EQ(editor->cellText(selected.front().row(), 0), "3");
    EXPECT_EQ(QApplication::focusWidget(), field);
    EXPECT_EQ(field->text(), "X12");
}

} // namespace
