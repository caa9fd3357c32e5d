// The panel in the real main window: its keys type into the statement
// editor, its alarms reach the status bar and its menu reaches the frame.
#include "app/MainFrm.h"
#include "app/ScriptedFileChooser.h"
#include "program/VelmoraDoc.h"
#include "editor/GcodeEditPanelView.h"
#include "app/FramePanelHost.h"
#include "panel/MainOperPanlView.h"
#include "panel/PanelKeyButton.h"
#include "platform/PlatformDoubles.h"
#include "platform/QtServices.h"
#include "platform/ScriptedPrompter.h"
#include "simulation/Machine.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace {

class PanelInFrameTest : public ::testing::Test {
protected:
    PanelInFrameTest()
    {
        SPaneFactories panes = SPaneFactories::Default();
        panes.simulation = [](CMainFrame&) -> QWidget* { return new QWidget; };
        frame.emplace(SFrameServices{doc, machine, prompter, files, shell, paths, keys, sound}, nullptr,
                      panes);
        frame->resize(1400, 800);
        frame->show();
        frame->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&*frame));
    }

    CMainOperPanlView* Panel() { return OperatorPanel(*frame); }
    CGcodeEditPanelView* Editor() { return qobject_cast<CGcodeEditPanelView*>(frame->pane(0, 1)); }
    // The pane may be narrower than the cabinet: scroll the key into view.
    void Click(int id)
    {
        Panel()->ensureWidgetVisible(Panel()->Key(id));
        QTest::mouseClick(Panel()->Key(id), Qt::LeftButton);
    }

    CScriptedPrompter prompter;
    CVelmoraDoc doc{prompter};
    CMachine machine;
    CScriptedFileChooser files;
    CRecordingShell shell;
    CFixedResourcePaths paths;
    CQtKeyTyper keys;
    CRecordingSound sound;
    std::optional<CMainFrame> frame;
};

TEST_F(PanelInFrameTest, PanelIsTheThirdPane)
{
    ASSERT_NE(Panel(), nullptr);
    EXPECT_EQ(Panel()->objectName(), QStringLiteral("operatorPanel"));
}

TEST_F(PanelInFrameTest, KeypadTypesIntoTheEditorFieldThatLastHadTheFocus)
{
    Editor()->codeBox()->setCurrentIndex(0);   // G00 enables X and Z
    QLineEdit* x = Editor()->field(EField::X);
    ASSERT_TRUE(x->isEnabled());
    x->clear();
    x->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    Click(111);   // X
    Click(120);   // 1
    Click(132);   // SHIFT
    Click(121);   // #
    Click(126);   // +
    Click(127);   // *
    EXPECT_EQ(x->text().toUpper(), QStringLiteral("X1#+*"));
    Click(132);
    Click(127);
    EXPECT_EQ(x->text().toUpper(), QStringLiteral("X1#+*0"));
}

TEST_F(PanelInFrameTest, PressedKeysTypeIntoTheEditorFieldThatHasTheFocus)
{
    Editor()->codeBox()->setCurrentIndex(0);
    QLineEdit* z = Editor()->field(EField::Z);
    z->clear();
    z->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    for (int id : {113, 126, 120, 128, 121})   // Z - 1 . 2
        Panel()->PressKey(id);
    EXPECT_EQ(z->text().toUpper(), QStringLiteral("Z-1.2"));
}

TEST_F(PanelInFrameTest, ClicksOnThePanelLeaveTheFocusInTheEditor)
{
    QLineEdit* line = Editor()->field(EField::Line);
    line->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    Panel()->ensureWidgetVisible(Panel()->Key(120));
    QTest::mouseClick(Panel()->Cabinet(), Qt::LeftButton, {}, QPoint(5, 5));
    Click(120);
    EXPECT_EQ(QApplication::focusWidget(), line);
    EXPECT_EQ(Panel()->focusPolicy(), Qt::NoFocus);
}

TEST_F(PanelInFrameTest, OvertravelTextGoesToStatusPaneOne)
{
    Click(154);
    for (int i = 0; i < 4; ++i)
        Click(135);
    EXPECT_EQ(frame->statusText(1), QStringLiteral("+x向超程!"));
    EXPECT_EQ(sound.played, (std::vector<std::string>{"Sound/warn.wav"}));
}

TEST_F(PanelInFrameTest, MenuCommandsReachTheFrame)
{
    Panel()->ShowProgramMenu({50, 50});
    QMenu* menu = Panel()->ProgramMenu();
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 4);
    for (QAction* action : actions)
        EXPECT_EQ(action->isEnabled(), frame->isCommandEnabled(action->data().toInt()));
    actions[2]->trigger();   // the built-in editor's layout
    EXPECT_EQ(frame->lastLayout()[1].ideal, 600);
    menu->close();
}

} // namespace
