#include "app/VelmoraApp.h"
#include "platform/QtPrompter.h"
#include "platform/QtServices.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <csignal>

namespace {

class EditorEnvironment : public ::testing::Test {
protected:
    void SetUp() override { m_saved = qgetenv("VELMORA_TEXT_EDITOR"); }
    void TearDown() override { qputenv("VELMORA_TEXT_EDITOR", m_saved); }

private:
    QByteArray m_saved;
};

TEST_F(EditorEnvironment, RunningEditorIsBroughtForwardNotStartedAgain)
{
    qputenv("VELMORA_TEXT_EDITOR", "sleep 30");
    CQtShell shell;
    ASSERT_TRUE(shell.LaunchTextEditor());
    const qint64 pid = shell.EditorProcessId();
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(shell.LaunchTextEditor());
    EXPECT_EQ(shell.EditorProcessId(), pid);
    ::kill(static_cast<pid_t>(pid), SIGTERM);
}

TEST_F(EditorEnvironment, NoEditorThatStartsGivesFalse)
{
    qputenv("VELMORA_TEXT_EDITOR", "/nonexistent/velmora-editor");
    if (CQtShell::EditorCandidates().size() > 1)
        GTEST_SKIP() << "a desktop text editor is installed here";
    CQtShell shell;
    EXPECT_FALSE(shell.LaunchTextEditor());
}

TEST(QtShell, MissingDocumentIsNotOpened)
{
    CQtShell shell;
    EXPECT_FALSE(shell.OpenDocument("/nonexistent/help.htm"));
    EXPECT_FALSE(shell.OpenDocument(""));
}

TEST(QtResourcePaths, CurrentDirectoryFirstThenTheFolders)
{
    QTemporaryDir first, second;
    QDir(second.path()).mkpath("help");
    QFile page(second.filePath("help/page.htm"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    CQtResourcePaths paths({first.path(), second.path()});
    EXPECT_EQ(paths.Find("help/page.htm"), QDir::cleanPath(page.fileName()).toStdString());
    EXPECT_EQ(paths.Find("help/none.htm"), "");
}

// Finds nothing, counting the look-ups.
struct SNoResources : CResourcePaths {
    mutable int lookups = 0;
    std::string Find(const std::string&) const override { return ++lookups, std::string(); }
};

std::vector<QString> g_qtMessages;

TEST(QtSoundPlayer, MissingSoundFileIsSkippedQuietlyAndLookedForAgain)
{
    SNoResources paths;
    CQtSoundPlayer sound(paths);
    g_qtMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { g_qtMessages.push_back(text); });
    sound.Play("Sound/none-such.wav");
    sound.Play("Sound/none-such.wav");
    QCoreApplication::processEvents();
    qInstallMessageHandler(previous);
    EXPECT_EQ(g_qtMessages, std::vector<QString>{});
    EXPECT_EQ(paths.lookups, 2); // a sound installed later still plays
}

TEST(QtKeyTyper, TypesIntoTheFocusedField)
{
    QLineEdit edit;
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    edit.activateWindow();
    edit.setFocus();
    QApplication::setActiveWindow(&edit);
    CQtKeyTyper keys;
    for (char ch : {'X', '1', '.', '5'})
        keys.TypeChar(ch, false);
    keys.TypeChar('#', true);
    EXPECT_EQ(edit.text(), "X1.5#");
}

struct SSeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Answers the next message box by its button, noting what it showed.
void AnswerNextBox(SSeenBox& seen, QMessageBox::StandardButton answer)
{
    QTimer::singleShot(0, [&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        box->button(answer)->click();
    });
}

TEST(QtPrompter, ShowsTheButtonsAndIconAndGivesTheAnswer)
{
    CQtPrompter qtPrompter("标题");
    CPrompter& prompter = qtPrompter;
    SSeenBox seen;
    AnswerNextBox(seen, QMessageBox::No);
    EXPECT_EQ(prompter.Ask("要保存吗?", EPromptButtons::YesNoCancel, EPromptIcon::Question),
              EPromptAnswer::No);
    EXPECT_EQ(seen.title, "标题");
    EXPECT_EQ(seen.text, "要保存吗?");
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

    AnswerNextBox(seen, QMessageBox::Ok);
    EXPECT_EQ(prompter.Ask("出错", EPromptButtons::Ok, EPromptIcon::Stop, "错误"),
              EPromptAnswer::Ok);
    EXPECT_EQ(seen.title, "错误");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);

    AnswerNextBox(seen, QMessageBox::Cancel);
    EXPECT_EQ(prompter.Ask("确认?", EPromptButtons::OkCancel), EPromptAnswer::Cancel);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
}

// Clicks the skip button of the next box, or presses Escape on it.
void SkipOrEscapeNextBox(bool skip, QString& skipCaption)
{
    QTimer::singleShot(0, [skip, &skipCaption] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        auto* button = box->findChild<QPushButton*>("skipRest");
        ASSERT_TRUE(button);
        skipCaption = button->text();
        if (skip)
            button->click();
        else
            QTest::keyClick(box, Qt::Key_Escape);
    });
}

TEST(QtPrompter, SkipRestButtonReadsInChineseAndEscapeMeansOk)
{
    CQtPrompter prompter("标题");
    QString caption;
    SkipOrEscapeNextBox(true, caption);
    EXPECT_EQ(prompter.Ask("第2行无G/M指令，请纠正!", EPromptButtons::OkSkipRest, EPromptIcon::None, {}),
              EPromptAnswer::SkipRest);
    EXPECT_EQ(caption, QString::fromUtf8(CPrompter::kSkipRestCaption));
    SkipOrEscapeNextBox(false, caption);
    EXPECT_EQ(prompter.Ask("第3行无G/M指令，请纠正!", EPromptButtons::OkSkipRest, EPromptIcon::None, {}),
              EPromptAnswer::Ok);
}

TEST(QtPrompter, ABoxShownWhileBusyHasTheArrowCursor)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Qt::CursorShape during = Qt::WaitCursor;
    QTimer::singleShot(0, [&during] {
        during = QApplication::overrideCursor()->shape();
        QApplication::activeModalWidget()->close();
    });
    CQtPrompter("标题").Ask("第2行无G/M指令，请纠正!", EPromptButtons::OkSkipRest, EPromptIcon::None, {});
    EXPECT_EQ(during, Qt::ArrowCursor);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QApplication::restoreOverrideCursor();
}

TEST(QtFileChooser, SaveDialogStartsInTheGivenFolderWithTheName)
{
    QTemporaryDir folder;
    QString shownFolder, shownName;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        shownFolder = dialog->directory().absolutePath();
        shownName = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
        dialog->reject();
    });
    CQtFileChooser chooser;
    EXPECT_EQ(chooser.ChooseSave(folder.path().toStdString(), "零件.txt"), std::nullopt);
    EXPECT_EQ(shownFolder, QDir(folder.path()).absolutePath());
    EXPECT_EQ(shownName, "零件.txt");
}

TEST(QtTranslations, StandardButtonsReadInChinese)
{
    QTranslator translator;
    CVelmoraApp::LoadTranslations(translator);
    QMessageBox box(QMessageBox::Question, "t", "x", QMessageBox::Yes | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "是(&Y)");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), "取消");
    QCoreApplication::removeTranslator(&translator);
    QLocale::setDefault(QLocale::c());
}

} // namespace
