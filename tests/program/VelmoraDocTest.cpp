#include "DocTestSupport.h"

#include <gtest/gtest.h>

namespace {

const char* const kSameNumber = "已经存在相同的行号，插入到当前行位置按\"是\"，取消操作按\"取消\"。";

class VelmoraDocTest : public ::testing::Test {
protected:
    void Fill(std::initializer_list<int> numbers)
    {
        for (int number : numbers) {
            auto record = Statement(number, "G01");
            record->Set(EWord::X, "X" + std::to_string(number));
            ASSERT_EQ(doc.InsertStatement(record, true), kDocAppended);
        }
        doc.SetModifiedFlag(false);
    }
    int Insert(int number, bool silent = true)
    {
        auto record = Statement(number);
        return doc.InsertStatement(record, silent);
    }

    CScriptedPrompter prompter;
    CVelmoraDoc doc{prompter};
};

TEST_F(VelmoraDocTest, InsertFindsItsPlaceByNumber)
{
    EXPECT_EQ(Insert(10), kDocAppended);
    EXPECT_EQ(doc.Statements()[0]->m_ptStart, SPoint{});
    Fill({20, 30});
    EXPECT_EQ(Insert(25), kDocInsertedBetween);
    EXPECT_EQ(doc.Statements()[2]->m_ptStart, (SPoint{20, 0}));
    EXPECT_EQ(Insert(31), kDocAppended);
    EXPECT_EQ(Numbers(doc), (std::vector<int>{10, 20, 25, 30, 31}));
    EXPECT_TRUE(prompter.Asked().empty());
}

TEST_F(VelmoraDocTest, InsertBeforeEveryNumberIsRefusedSilentlyButMarksTheDocument)
{
    Fill({10, 20, 30});
    auto record = Statement(5);
    EXPECT_EQ(doc.InsertStatement(record, false), kDocNothing);
    EXPECT_NE(record, nullptr) << "a refused record stays with the caller";
    EXPECT_EQ(Numbers(doc), (std::vector<int>{10, 20, 30}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(prompter.Asked().empty());
}

TEST_F(VelmoraDocTest, InsertOnAnEqualNumberRenumbersOnlyTheRunOfEqualFollowers)
{
    Fill({1, 2, 3, 5});
    EXPECT_EQ(Insert(2), kDocInsertedAt);
    EXPECT_EQ(Numbers(doc), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(doc.Statements()[1]->Get(EWord::X), "X0") << "the new record takes the old place";
    EXPECT_EQ(doc.Statements()[2]->Get(EWord::X), "X2");
    EXPECT_EQ(doc.Statements()[1]->m_ptStart, (SPoint{1, 0}));
}

TEST_F(VelmoraDocTest, InsertOnAnEqualNumberAsksUnlessSilent)
{
    Fill({10, 20, 30});
    prompter.Answer(EPromptAnswer::Cancel);
    EXPECT_EQ(Insert(10, false), kDocNothing);
    ASSERT_EQ(prompter.Asked().size(), 1u);
    EXPECT_EQ(prompter.Asked()[0].text, kSameNumber);
    EXPECT_EQ(prompter.Asked()[0].buttons, EPromptButtons::OkCancel);
    EXPECT_EQ(Numbers(doc), (std::vector<int>{10, 20, 30}));

    prompter.Answer(EPromptAnswer::Ok);
    EXPECT_EQ(Insert(10, false), kDocInsertedAt);
    EXPECT_EQ(Numbers(doc), (std::vector<int>{10, 11, 20, 30}));
    EXPECT_EQ(doc.Statements()[0]->m_ptStart, SPoint{}) << "the head starts at the initial point";
}

TEST_F(VelmoraDocTest, DeleteRenumbersFollowersOnlyWhenAsked)
{
    Fill({10, 20, 30});
    EXPECT_EQ(doc.DeleteStatement(20, true, true), kDocDeletedInside);
    EXPECT_EQ(Numbers(doc), (std::vector<int>{10, 29}));
    Fill({40});
    EXPECT_EQ(doc.DeleteStatement(29, true, false), kDocDeletedInside);
    EXPECT_EQ(Numbers(doc), (std::vector<int>{10, 40}));
    EXPECT_EQ(doc.DeleteStatement(40, true, true), kDocDeletedLast);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(prompter.Asked().empty());
}

TEST_F(VelmoraDocTest, EditsKeepTheCommentsAndNumbersOfTheFile)
{
    Fill({10, 20, 30});
    doc.Statements()[1]->SetLayout("// rough\n", "N20 ", " ; cut");
    auto changed = Statement(20, "G00");
    prompter.Answer(EPromptAnswer::Ok);
    ASSERT_EQ(doc.ModifyStatement(changed), kDocModified);
    EXPECT_EQ(doc.Statements()[1]->NumberWord(), "N20 ");
    EXPECT_EQ(doc.Statements()[1]->LineEnd(), " ; cut");
    doc.DeleteStatement(20, true, false);
    EXPECT_EQ(doc.Statements()[1]->KeptBefore(), "// rough\n") << "the comment line stays in its place";
    doc.DeleteStatement(30, true, false);
    doc.DeleteStatement(10, true, false);
    EXPECT_EQ(doc.TrailingText(), "// rough\n");
}

TEST_F(VelmoraDocTest, DeleteAsksAndReportsAMissingNumberEvenWhenSilent)
{
    Fill({10, 20});
    prompter.Answer(EPromptAnswer::No);
    EXPECT_EQ(doc.DeleteStatement(20, false, true), kDocNothing);
    EXPECT_EQ(doc.DeleteStatement(99, true, true), kDocNothing);
    EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{"您是否确定要删除第20条语句?", "没有找到您要删除的语句!"}));
    EXPECT_EQ(prompter.Asked()[0].buttons, EPromptButtons::YesNo);
    EXPECT_EQ(Numbers(doc), (std::vector<int>{10, 20}));
}

TEST_F(VelmoraDocTest, BulkDeleteTakesEveryNumberGivenWithoutRenumbering)
{
    Fill({10, 20, 30, 40, 50});
    EXPECT_EQ(doc.DeleteStatements({40, 10, 30}), 3u);
    EXPECT_EQ(Numbers(doc), (std::vector<int>{20, 50}));
    EXPECT_EQ(doc.Statements()[1]->Get(EWord::X), "X50");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(prompter.Asked().empty());
}

TEST_F(VelmoraDocTest, BulkDeleteReportsEachNumberItCannotFind)
{
    Fill({10, 20});
    EXPECT_EQ(doc.DeleteStatements({20, 99, 20}), 1u);
    EXPECT_EQ(Numbers(doc), (std::vector<int>{10}));
    EXPECT_EQ(prompter.Texts(), (std::vector<std::string>(2, "没有找到您要删除的语句!")));
}

TEST_F(VelmoraDocTest, ModifyReplacesTheStatementWithItsNumberAfterConfirmation)
{
    Fill({10, 20});
    auto replacement = Statement(20, "G01", "U5", "Z-10");
    prompter.Answer(EPromptAnswer::Cancel);
    EXPECT_EQ(doc.ModifyStatement(replacement), kDocNothing);
    ASSERT_NE(replacement, nullptr);
    EXPECT_EQ(doc.ModifyStatement(replacement), kDocModified);
    EXPECT_EQ(doc.Statements()[1]->Get(EWord::X), "U5");
    EXPECT_EQ(doc.Statements()[1]->m_ptEnd, (SPoint{15, -10}));
    auto stray = Statement(15);
    EXPECT_EQ(doc.ModifyStatement(stray), kDocNothing);
    EXPECT_EQ(prompter.Texts(),
              (std::vector<std::string>{"确认修改所选语句吗?", "确认修改所选语句吗?", "没有找到所选语句!"}));
}

struct SEndCase {
    const char* code;
    const char* x;
    const char* z;
    SPoint expected;
};

// A turning or facing cycle returns to where it started, as on a control.
TEST(ComputeEndPoint, CombinesAbsoluteAndIncrementalWordsOfMotionStatements)
{
    const SEndCase cases[] = {
        {"G01", "X30", "Z-5", {30, -5}},   {"G01", "U5", "Z-10", {25, -10}}, {"G02", "u5", "w-1", {25, -1}},
        {"G90", "X30", "W-2", {20, 0}},    {"G41", "U5", "Z-10", {20, 0}},   {"M03", "X1", "Z1", {20, 0}},
        {"G00", "", "Z5", {7, 7}},         {"G00", "X", "Z5", {0, 5}},       {"G01", "R5", "Z5", {7, 7}},
    };
    for (const auto& c : cases) {
        CProcess record(1, c.code, "", "", c.x, c.z, "", "", "", "", "", "", "", 0);
        record.m_ptStart = {20, 0};
        record.m_ptEnd = {7, 7};
        CVelmoraDoc::ComputeEndPoint(record);
        EXPECT_EQ(record.m_ptEnd, c.expected) << c.code << ' ' << c.x << ' ' << c.z;
    }
}

TEST(VelmoraDoc, PathNameGivesTheTitleAndANewDocumentTakesItBack)
{
    CScriptedPrompter prompter;
    CVelmoraDoc doc(prompter);
    EXPECT_EQ(doc.GetTitle(), "Halvorn数控");
    doc.SetPathName("/home/li/程序/轴.txt");
    EXPECT_EQ(doc.GetTitle(), "轴.txt");
    doc.OnNewDocument();
    EXPECT_EQ(doc.GetTitle(), "Halvorn数控");
    EXPECT_EQ(doc.GetPathName(), "");
}

} // namespace
