// Insert, modify, delete and the table rows, on a real document.
#include "editor/EditorForm.h"
#include "editor/TableText.h"

#include "program/DocTestSupport.h"

#include <gtest/gtest.h>

namespace {

class EditorOperations : public ::testing::Test {
protected:
    CScriptedPrompter prompter;
    CVelmoraDoc doc{prompter};
    CEditorForm form;

    void Compose(const char* line, const char* code, const char* x = "X10", const char* z = "Z-5",
                 const char* f = "F0.2")
    {
        form.SetText(EField::Line, line);
        form.ChooseCode(code);
        form.SetText(EField::X, x);
        form.SetText(EField::Z, z);
        form.SetText(EField::F, f);
    }
    // Line 10, then another line 10 with the given answer to the question.
    SInsertOutcome InsertTenTwice(EPromptAnswer answer)
    {
        Compose("10", "G00", "X1", "Z1", "0");
        form.Insert(doc, prompter, 0);
        Compose("10", "G00", "X2", "Z2", "0");
        prompter.Answer(answer);
        return form.Insert(doc, prompter, 1);
    }
};

TEST_F(EditorOperations, FirstInsertAppendsAndAdvancesTheLineNumber)
{
    Compose("10", "G01");
    SInsertOutcome outcome = form.Insert(doc, prompter, 0);
    EXPECT_EQ(outcome.result, kDocAppended);
    EXPECT_EQ(outcome.action, ETableAction::AppendRow);
    EXPECT_EQ(outcome.row[0], "10");
    EXPECT_EQ(outcome.row[1], "G01");
    EXPECT_EQ(outcome.row[4], "X10");
    EXPECT_EQ(outcome.row[5], "Z-5");
    EXPECT_EQ(outcome.row[9], "F0.2");
    EXPECT_EQ(Numbers(doc), std::vector<int>{10});
    EXPECT_EQ(form.Text(EField::Line), "11");
    for (auto [field, letter] : {std::pair{EField::X, "X"}, {EField::Z, "Z"}, {EField::R, "R"},
                                 {EField::F, "F"}, {EField::S, "S"}, {EField::T, "T"},
                                 {EField::P, "P"}, {EField::Q, "Q"}})
        EXPECT_EQ(form.Text(field), letter);
}

TEST_F(EditorOperations, CycleLinesAreStoredUnderTheCycleCode)
{
    form.SetText(EField::Line, "1");
    form.ChooseCode("G71(1)");
    form.SetText(EField::X, "U1");
    form.SetText(EField::R, "R0.5");
    SInsertOutcome outcome = form.Insert(doc, prompter, 0);
    ASSERT_EQ(outcome.result, kDocAppended);
    EXPECT_EQ(doc.Statements().front()->Code(), "G71");
    EXPECT_EQ(outcome.row[1], "G71");
    EXPECT_EQ(outcome.row[4], "U1");
    EXPECT_EQ(outcome.row[8], "R0.5");
}

TEST_F(EditorOperations, InsertBetweenAppendsTheRowAtTheBottom)
{
    for (const char* line : {"10", "20"}) {
        Compose(line, "G00", "X1", "Z1", "0");
        form.Insert(doc, prompter, 0);
    }
    Compose("15", "G00", "X2", "Z2", "0");
    SInsertOutcome outcome = form.Insert(doc, prompter, 2);
    EXPECT_EQ(outcome.result, kDocInsertedBetween);
    EXPECT_EQ(outcome.action, ETableAction::AppendRow);
    EXPECT_EQ(Numbers(doc), (std::vector<int>{10, 15, 20}));
    EXPECT_EQ(form.Text(EField::Line), "16");
}

TEST_F(EditorOperations, SameNumberConfirmedRebuildsTheTable)
{
    SInsertOutcome outcome = InsertTenTwice(EPromptAnswer::Ok);
    EXPECT_EQ(outcome.result, kDocInsertedAt);
    EXPECT_EQ(outcome.action, ETableAction::Rebuild);
    EXPECT_EQ(Numbers(doc), (std::vector<int>{10, 11}));
}

TEST_F(EditorOperations, RefusedInsertRebuildsSoNoRowIsLeftForIt)
{
    SInsertOutcome outcome = InsertTenTwice(EPromptAnswer::Cancel);
    EXPECT_EQ(outcome.result, kDocNothing);
    EXPECT_EQ(outcome.action, ETableAction::Rebuild);
    EXPECT_EQ(Numbers(doc), std::vector<int>{10});
    EXPECT_EQ(form.Text(EField::Line), "11"); // still advances
}

TEST_F(EditorOperations, FailedValidationInsertsNothingAndKeepsTheFields)
{
    Compose("10", "G02", "U10", "Z-5", "F1");
    form.SetText(EField::R, "R5");
    SInsertOutcome outcome = form.Insert(doc, prompter, 0);
    EXPECT_EQ(outcome.action, ETableAction::None);
    EXPECT_TRUE(doc.IsEmpty());
    EXPECT_EQ(form.Text(EField::X), "U10");
    EXPECT_EQ(form.Text(EField::Line), "10");
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"输入X Z R F参数不合法，请核对!"});
}

TEST_F(EditorOperations, UncheckedCodesAreInsertedWithoutValidation)
{
    form.SetText(EField::Line, "5");
    form.ChooseCode("G50");
    form.SetText(EField::S, "S2000");
    EXPECT_EQ(form.Insert(doc, prompter, 0).result, kDocAppended);
    EXPECT_TRUE(prompter.Texts().empty());
}

TEST_F(EditorOperations, InsertWithoutACodeIsRefusedWithAMessage)
{
    SInsertOutcome outcome = form.Insert(doc, prompter, 0);
    EXPECT_EQ(outcome.action, ETableAction::None);
    EXPECT_TRUE(doc.IsEmpty());
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{CEditorForm::kNoCodeMessage});
}

TEST_F(EditorOperations, InsertedMCodeKeepsItsCodeSlotAndClearsTheCodeField)
{
    form.SetText(EField::Line, "3");
    form.ChooseCode("M03");
    form.SetText(EField::S, "S600");
    SInsertOutcome outcome = form.Insert(doc, prompter, 0);
    EXPECT_EQ(outcome.row[1], "M03");
    EXPECT_EQ(doc.Statements().front()->Code(), "M03");
    EXPECT_EQ(form.Text(EField::Code), "");
}

TEST_F(EditorOperations, ModifyReplacesAfterConfirmationAndMovesMCodesToTheAuxiliarySlot)
{
    Compose("1", "G00", "X1", "Z1", "0");
    form.Insert(doc, prompter, 0);
    form.SetText(EField::Line, "1");
    form.SetText(EField::Code, "M05");
    prompter.Answer(EPromptAnswer::Ok);
    EXPECT_TRUE(form.Modify(doc, prompter));
    const CProcess& replaced = *doc.Statements().front();
    EXPECT_EQ(replaced.Code(), "");
    EXPECT_EQ(replaced.AuxCode(), "M05");
    EXPECT_EQ(replaced.m_nListIndex, 0);
    prompter.Answer(EPromptAnswer::Cancel);
    form.SetText(EField::Code, "G01");
    EXPECT_FALSE(form.Modify(doc, prompter));
}

TEST_F(EditorOperations, DeleteOneAsksTheDocumentAndRenumbers)
{
    for (const char* line : {"1", "2", "3"}) {
        Compose(line, "G00", "X1", "Z1", "0");
        form.Insert(doc, prompter, 0);
    }
    form.SetText(EField::Line, "2");
    prompter.Clear();
    prompter.Answer(EPromptAnswer::Yes);
    EXPECT_TRUE(form.DeleteOne(doc, prompter));
    EXPECT_EQ(Numbers(doc), (std::vector<int>{1, 2}));
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"您是否确定要删除第2条语句?"});
}

TEST_F(EditorOperations, DeleteManyAsksOnceAndDoesNotRenumber)
{
    for (const char* line : {"1", "2", "3", "4"}) {
        Compose(line, "G00", "X1", "Z1", "0");
        form.Insert(doc, prompter, 0);
    }
    prompter.Clear();
    prompter.Answer(EPromptAnswer::No);
    EXPECT_FALSE(CEditorForm::DeleteMany(doc, prompter, {2, 3}));
    EXPECT_EQ(doc.Statements().size(), 4u);
    prompter.Answer(EPromptAnswer::Yes);
    EXPECT_TRUE(CEditorForm::DeleteMany(doc, prompter, {2, 3}));
    EXPECT_EQ(Numbers(doc), (std::vector<int>{1, 4}));
    EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{CEditorForm::kDeleteAllQuestion,
                                                          CEditorForm::kDeleteAllQuestion}));
}

TEST_F(EditorOperations, TableRowsShowEachWordUnderItsHeading)
{
    auto add = [this](std::unique_ptr<CProcess> record) {
        doc.AppendInOrder(std::move(record));
    };
    add(std::make_unique<CProcess>(1, "", "", "", "", "", "", "", "", "", "", "T0101", "", 0));
    add(std::make_unique<CProcess>(2, "M03", "", "", "", "", "", "", "", "", "S600", "", "", 0));
    add(std::make_unique<CProcess>(3, "G90", "", "", "X40", "Z-30", "", "", "R0", "F0.2", "", "", "", 0));
    add(std::make_unique<CProcess>(4, "", "", "", "X9", "", "", "", "", "", "", "", "M05", 0));
    add(std::make_unique<CProcess>(5, "G01", "0", "0", "X1", "Z2", "I", "K", "0", "F3", "0", "T", "", 0));
    add(std::make_unique<CProcess>(6, "G71", "P1", "Q2", "U3", "W4", "", "", "R5", "F6", "S7", "", "", 0));
    auto rows = CEditorForm::TableRows(doc);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows.Row(0), (TEditorRow{"1", "", "", "", "", "", "", "", "", "", "", "T0101"}));
    EXPECT_EQ(rows.Row(1), (TEditorRow{"2", "M03", "", "", "", "", "", "", "", "", "S600", ""}));
    EXPECT_EQ(rows.Row(2), (TEditorRow{"3", "G90", "", "", "X40", "Z-30", "", "", "", "F0.2", "", ""}));
    EXPECT_EQ(rows.Row(3), (TEditorRow{"4", "M05", "X9", "", "", "", "", "", "", "", "", ""}));
    // A bare T letter left by the editor's reset is no tool word.
    EXPECT_EQ(rows.Row(4), (TEditorRow{"5", "G01", "", "", "X1", "Z2", "", "", "", "F3", "", ""}));
    EXPECT_EQ(rows.Row(5), (TEditorRow{"6", "G71", "P1", "Q2", "U3", "W4", "", "", "R5", "F6", "S7", ""}));
    EXPECT_EQ(doc.Statements()[5]->m_nListIndex, 5);
}

TEST_F(EditorOperations, ClickingARefreshedCycleRowReadsTheSameWordsBack)
{
    doc.AppendInOrder(std::make_unique<CProcess>(6, "G71", "P1", "Q2", "U3", "W4", "", "", "R5",
                                                 "F6", "S7", "", "", 0));
    form.ClickRow(CEditorForm::TableRows(doc).Row(0));
    EXPECT_EQ(form.Text(EField::R), "R5");
    EXPECT_EQ(form.Text(EField::F), "F6");
    EXPECT_EQ(form.Text(EField::I), "");
}

} // namespace
