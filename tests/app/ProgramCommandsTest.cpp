#include "app/ProgramCommands.h"

#include "program/DocTestSupport.h"
#include "app/ScriptedFileChooser.h"
#include "platform/PlatformDoubles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class ProgramCommandsTest : public ::testing::Test {
protected:
    CScriptedPrompter prompter;
    CVelmoraDoc doc{prompter};
    CScriptedFileChooser files;
    CRecordingShell shell;
    CProgramCommands commands{doc, prompter, files, shell};
    fs::path dir = fs::temp_directory_path() /
                   ("velmora-commands-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());

    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    std::string WriteFile(const char* name, const char* text)
    {
        fs::path path = dir / name;
        std::ofstream(path) << text;
        return path.string();
    }
    void MakeUnsaved()
    {
        doc.AppendInOrder(Statement(1));
        doc.SetModifiedFlag(true);
    }
};

TEST_F(ProgramCommandsTest, CleanOrEmptyProgramsAreNotQuestioned)
{
    EXPECT_TRUE(commands.CanClose());
    doc.AppendInOrder(Statement(1));
    doc.SetModifiedFlag(false);
    EXPECT_TRUE(commands.CanClose());
    doc.RemoveAllStatements();
    doc.SetModifiedFlag(true);
    EXPECT_TRUE(commands.CanClose());
    EXPECT_TRUE(prompter.Asked().empty());
}

TEST_F(ProgramCommandsTest, CloseAnswers)
{
    MakeUnsaved();
    prompter.Answer(EPromptAnswer::Cancel);
    EXPECT_FALSE(commands.CanClose());
    prompter.Answer(EPromptAnswer::No);
    EXPECT_TRUE(commands.CanClose());
    ASSERT_EQ(prompter.Asked().size(), 2u);
    EXPECT_EQ(prompter.Asked()[0].text, CProgramCommands::kSaveQuestion);
    EXPECT_EQ(prompter.Asked()[0].buttons, EPromptButtons::YesNoCancel);
}

TEST_F(ProgramCommandsTest, YesWhoseSaveIsCancelledKeepsTheWindowAndTheFlag)
{
    MakeUnsaved();
    prompter.Answer(EPromptAnswer::Yes);
    files.Answer(std::nullopt);
    EXPECT_FALSE(commands.CanClose());
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ProgramCommandsTest, YesSavesUnderTheChosenNameAndClears)
{
    MakeUnsaved();
    prompter.Answer(EPromptAnswer::Yes);
    std::string path = (dir / "saved.txt").string();
    files.Answer(path);
    EXPECT_TRUE(commands.CanClose());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "saved.txt");
    EXPECT_EQ(files.suggested, std::vector<std::string>{CVelmoraDoc::kDefaultTitle});
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(prompter.Asked().size(), 1u) << "a faithful save says nothing";
}

TEST_F(ProgramCommandsTest, ASaveThatWillNotReadBackTheSameAsksFirstAndCanBeCancelled)
{
    doc.AppendInOrder(Statement(1));
    doc.AppendInOrder(std::make_unique<CProcess>(2, "G04", "P1", "", "", "", "", "", "", "", "", "", "", 0));
    doc.AddDroppedLine({7, "G73U1W1R3"});
    doc.SetModifiedFlag(true);
    files.Answer((dir / "dwell.txt").string());
    prompter.Answer(EPromptAnswer::Cancel);
    EXPECT_FALSE(commands.SaveProgram());
    EXPECT_FALSE(fs::exists(dir / "dwell.txt"));
    ASSERT_EQ(prompter.Asked().size(), 1u);
    EXPECT_EQ(prompter.Asked()[0].text, "原文件第7行“G73U1W1R3”不是可保存的语句，保存后会丢失，请核对!\n"
                                        "第2行语句保存后重新打开时会丢失，请核对!");
    EXPECT_EQ(prompter.Asked()[0].icon, EPromptIcon::Warning);

    files.Answer((dir / "dwell.txt").string());
    EXPECT_TRUE(commands.SaveProgram());
    EXPECT_TRUE(fs::exists(dir / "dwell.txt"));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.DroppedLines().empty()) << "the saved file no longer has them";
}

TEST_F(ProgramCommandsTest, FailedSaveIsReportedAndKeepsTheFlag)
{
    MakeUnsaved();
    files.Answer((dir / "missing-folder" / "x.txt").string());
    EXPECT_FALSE(commands.SaveProgram());
    EXPECT_TRUE(doc.IsModified());
    ASSERT_EQ(prompter.Asked().size(), 1u);
    EXPECT_EQ(prompter.Asked()[0].caption, CProgramCommands::kErrorCaption);
    EXPECT_EQ(prompter.Asked()[0].icon, EPromptIcon::Stop);
    EXPECT_FALSE(prompter.Asked()[0].text.empty());
}

TEST_F(ProgramCommandsTest, AReadOnlyFileIsLeftAndAnotherNameOffered)
{
    MakeUnsaved();
    const std::string locked = WriteFile("locked.txt", "G00X9Z9\n");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    files.Answer(locked);
    files.Answer((dir / "copy.txt").string());
    EXPECT_TRUE(commands.SaveProgram());
    ASSERT_EQ(prompter.Asked().size(), 1u);
    EXPECT_EQ(prompter.Asked()[0].text, "文件“" + locked + "”是只读的，不能保存。\n是否另存为其他文件?");
    EXPECT_EQ(prompter.Asked()[0].buttons, EPromptButtons::YesNo);
    std::ifstream kept(locked);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "G00X9Z9\n");
    EXPECT_TRUE(fs::exists(dir / "copy.txt"));
    EXPECT_EQ(doc.GetTitle(), "copy.txt");
}

TEST_F(ProgramCommandsTest, AFileWithAGbkNameOpensByItsShownName)
{
    const std::string onDisk = WriteFile("\xd4\xb2\xbb\xa1.txt", "G00X1Z1\n"); // 圆弧.txt from a Windows zip
    EXPECT_EQ(commands.OpenRecent((dir / "圆弧.txt").string()), EOpenResult::Opened);
    EXPECT_EQ(doc.GetPathName(), onDisk);
    doc.RemoveAllStatements();
    // As a UTF-8 desktop hands the name on, each undecodable run a U+FFFD.
    EXPECT_EQ(commands.OpenRecent((dir / "\xd4\xb2\xef\xbf\xbd\xef\xbf\xbd.txt").string()), EOpenResult::Opened);
    EXPECT_EQ(doc.Statements().size(), 1u);
}

TEST_F(ProgramCommandsTest, NewProgramCancelledLeavesTheProgram)
{
    MakeUnsaved();
    prompter.Answer(EPromptAnswer::Cancel);
    EXPECT_EQ(commands.NewProgram(), ENewProgram::Cancelled);
    EXPECT_EQ(doc.Statements().size(), 1u);
}

struct SViewSpy : CDocView {
    int updates = 0;
    void OnDocumentChanged() override { ++updates; }
};

TEST_F(ProgramCommandsTest, NewProgramNoEmptiesTellsTheViewsAndUsesTheTable)
{
    SViewSpy spy;
    doc.AddView(&spy);
    MakeUnsaved();
    prompter.Answer(EPromptAnswer::No); // do not save
    prompter.Answer(EPromptAnswer::No); // not the text editor
    EXPECT_EQ(commands.NewProgram(), ENewProgram::BuiltIn);
    EXPECT_TRUE(doc.IsEmpty());
    EXPECT_EQ(spy.updates, 1);
    EXPECT_EQ(shell.editorLaunches, 0);
    EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{CProgramCommands::kSaveQuestion,
                                                          CProgramCommands::kEditorQuestion}));
    doc.RemoveView(&spy);
}

TEST_F(ProgramCommandsTest, ANewProgramIsUntitledAndNeverEmptiesAFileWithoutAsking)
{
    const fs::path old = dir / "old.txt";
    std::ofstream(old) << "G00X1Z1\n";
    doc.SetPathName(old.string());
    shell.editorName = "gedit";
    prompter.Answer(EPromptAnswer::No); // not the text editor
    commands.NewProgram();
    EXPECT_NE(prompter.Asked().back().text.find("gedit"), std::string::npos) << "names the editor that will start";
    EXPECT_EQ(doc.GetTitle(), CVelmoraDoc::kDefaultTitle);
    EXPECT_TRUE(doc.GetPathName().empty());

    files.Answer(old.string());
    prompter.Answer(EPromptAnswer::Cancel);
    EXPECT_FALSE(commands.SaveProgram());
    EXPECT_EQ(fs::file_size(old), 8u);
    EXPECT_NE(prompter.Asked().back().text.find("old.txt"), std::string::npos);
}

TEST_F(ProgramCommandsTest, NewProgramWithTheTextEditor)
{
    prompter.Answer(EPromptAnswer::Yes);
    EXPECT_EQ(commands.NewProgram(), ENewProgram::TextEditor);
    EXPECT_EQ(shell.editorLaunches, 1);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{CProgramCommands::kEditorQuestion});

    shell.editorStarts = false;
    prompter.Clear();
    prompter.Answer(EPromptAnswer::Yes);
    commands.NewProgram();
    ASSERT_EQ(prompter.Asked().size(), 2u);
    EXPECT_EQ(prompter.Asked()[1].text, "启动文本编辑器出错！");
    EXPECT_EQ(prompter.Asked()[1].caption, "错误");
    EXPECT_EQ(prompter.Asked()[1].icon, EPromptIcon::Stop);
}

TEST_F(ProgramCommandsTest, OpenReadsTheFileAndNamesTheDocument)
{
    SViewSpy spy;
    doc.AddView(&spy);
    files.Answer(WriteFile("part.txt", "G00X100Z100\nX50\nG01Z-20F0.2\n"));
    EXPECT_EQ(commands.OpenProgram(), EOpenResult::Opened);
    EXPECT_EQ(Numbers(doc), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(doc.GetTitle(), "part.txt");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(spy.updates, 1);
    doc.RemoveView(&spy);
}

TEST_F(ProgramCommandsTest, OpenCancelledAtTheQuestionOrTheDialogChangesNothing)
{
    MakeUnsaved();
    prompter.Answer(EPromptAnswer::Cancel);
    EXPECT_EQ(commands.OpenProgram(), EOpenResult::Unchanged);
    EXPECT_EQ(files.opens, 0);
    prompter.Answer(EPromptAnswer::No);
    files.Answer(std::nullopt);
    EXPECT_EQ(commands.OpenProgram(), EOpenResult::Unchanged);
    EXPECT_EQ(files.opens, 1);
    EXPECT_EQ(doc.Statements().size(), 1u);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ProgramCommandsTest, OpenOfAMissingFileIsReportedInChineseAndKeepsTheProgram)
{
    MakeUnsaved();
    prompter.Answer(EPromptAnswer::No);
    const std::string gone = (dir / "gone.txt").string();
    EXPECT_EQ(commands.OpenRecent(gone), EOpenResult::Missing);
    EXPECT_EQ(doc.Statements().size(), 1u);
    ASSERT_EQ(prompter.Asked().size(), 2u);
    EXPECT_EQ(prompter.Asked()[1].caption, "错误");
    EXPECT_EQ(prompter.Asked()[1].text, "无法打开程序文件“" + gone + "”：文件或文件夹不存在。");
}

TEST_F(ProgramCommandsTest, AFileThatExistsButCannotBeReadIsNotCalledMissing)
{
    EXPECT_EQ(commands.OpenRecent(dir.string()), EOpenResult::Unchanged);
}

// A disk that gives the first lines of a file, then fails.
SFileResult FailPartWay(CVelmoraDoc& doc, const std::string&)
{
    std::istringstream firstLines("G00X1Z1\nG01X2Z2F1\n");
    ReadProgramStream(doc, firstLines);
    SFileResult result = SFileResult::Failure("读取程序文件时出错，程序可能不完整。");
    result.incomplete = true;
    return result;
}

TEST_F(ProgramCommandsTest, AReadThatFailsPartWayNamesTheFailedFileAndOffersNoFileToSaveOver)
{
    files.Answer(WriteFile("before.txt", "G00X9Z9\n"));
    ASSERT_EQ(commands.OpenProgram(), EOpenResult::Opened);
    commands.read = FailPartWay;
    const std::string failed = WriteFile("broken.txt", "G00X1Z1\n");
    files.Answer(failed);
    EXPECT_EQ(commands.OpenProgram(), EOpenResult::Incomplete);
    EXPECT_EQ(doc.Statements().size(), 2u);
    EXPECT_EQ(doc.GetTitle(), "broken.txt");
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_EQ(prompter.Asked().back().icon, EPromptIcon::Stop);

    files.Answer(std::nullopt);
    commands.SaveProgram();
    EXPECT_EQ(files.folders.back(), dir.string());
    EXPECT_EQ(files.suggested.back(), "") << "the user must choose the name";
}

TEST_F(ProgramCommandsTest, SaveDialogStartsBesideTheOpenFileUnderItsName)
{
    files.Answer(std::nullopt);
    commands.SaveProgram();
    files.Answer(WriteFile("part.txt", "G00X1Z1\n"));
    ASSERT_EQ(commands.OpenProgram(), EOpenResult::Opened);
    files.Answer(std::nullopt);
    commands.SaveProgram();
    EXPECT_EQ(files.folders, (std::vector<std::string>{"", dir.string()}));
    EXPECT_EQ(files.suggested, (std::vector<std::string>{CVelmoraDoc::kDefaultTitle, "part.txt"}));
}

TEST_F(ProgramCommandsTest, BusyIndicatorWrapsTheRead)
{
    std::vector<bool> calls;
    commands.busy = [&](bool busy) { calls.push_back(busy); };
    EXPECT_EQ(commands.OpenRecent(WriteFile("a.txt", "G00X1Z1\n")), EOpenResult::Opened);
    EXPECT_EQ(calls, (std::vector<bool>{true, false}));
}

} // namespace
