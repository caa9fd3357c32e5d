#include "editor/GcodeEditPanelView.h"

#include "program/DocTestSupport.h"
#include "platform/QtServices.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class EditorViewTest : public ::testing::Test {
protected:
    CScriptedPrompter prompter;
    CVelmoraDoc doc{prompter};
    CQtKeyTyper keys;
    QWidget window;
    QLineEdit* outside = new QLineEdit(&window);
    CGcodeEditPanelView* editor = new CGcodeEditPanelView(doc, prompter, keys, &window);

    void SetUp() override
    {
        auto* layout = new QHBoxLayout(&window);
        layout->addWidget(editor, 1);
        layout->addWidget(outside);
        window.resize(1000, 500);
    }
    void Show()
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QApplication::setActiveWindow(&window);
    }
    void Choose(const char* code)
    {
        int index = editor->codeBox()->findText(code);
        ASSERT_GE(index, 0) << code;
        editor->codeBox()->setCurrentIndex(index);
        emit editor->codeBox()->activated(index);
    }
    void Type(EField field, const char* text) { editor->field(field)->setText(text); }
    void Compose(const char* line, const char* code, const char* x, const char* z)
    {
        Type(EField::Line, line);
        Choose(code);
        Type(EField::X, x);
        Type(EField::Z, z);
    }
    QString Cell(int row, int column) const { return editor->cellText(row, column); }
    QStringList Column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < editor->rowCount(); ++row)
            texts << Cell(row, column);
        return texts;
    }
    void ClickRow(int row)
    {
        QTableView* table = editor->table();
        QRect rect = table->visualRect(table->model()->index(row, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rect.center());
    }
};

TEST_F(EditorViewTest, TableHasTwelveLeftAlignedColumnsAndTheCodeList)
{
    QTableView* table = editor->table();
    ASSERT_EQ(table->model()->columnCount(), 12);
    EXPECT_EQ(table->model()->headerData(1, Qt::Horizontal).toString(), " G/M代码");
    EXPECT_EQ(table->model()->headerData(4, Qt::Horizontal).toString(), "X(U)坐标");
    EXPECT_EQ(table->columnWidth(0), 45);
    EXPECT_EQ(table->columnWidth(5), 76);
    EXPECT_EQ(table->columnWidth(11), 56);
    EXPECT_EQ(editor->codeBox()->count(), 29);
    EXPECT_EQ(editor->codeBox()->currentIndex(), -1);
    EXPECT_EQ(editor->field(EField::Line)->text(), "1");
    EXPECT_EQ(editor->field(EField::X)->text(), "0");
}

TEST_F(EditorViewTest, FieldsSitUnderTheirColumns)
{
    Show();
    QHeaderView* header = editor->table()->horizontalHeader();
    for (EField field : {EField::P, EField::X, EField::T}) {
        int column = static_cast<int>(field);
        QLineEdit* edit = editor->field(field);
        EXPECT_EQ(edit->width(), header->sectionSize(column));
        EXPECT_GT(edit->y(), editor->table()->y() + editor->table()->height() - 1);
    }
}

TEST_F(EditorViewTest, ChoosingACodeEnablesItsFieldsAndPresetsTexts)
{
    Choose("G01");
    EXPECT_TRUE(editor->field(EField::F)->isEnabled());
    EXPECT_FALSE(editor->field(EField::R)->isEnabled());
    EXPECT_EQ(editor->field(EField::X)->text(), "X");
    EXPECT_EQ(editor->field(EField::S)->text(), "0");
}

TEST_F(EditorViewTest, InsertAppendsARowAndAdvances)
{
    Compose("10", "G00", "X20", "Z5");
    editor->insertStatement();
    EXPECT_EQ(Column(0), QStringList{"10"});
    EXPECT_EQ(Cell(0, 4), "X20");
    EXPECT_EQ(editor->field(EField::Line)->text(), "11");
    EXPECT_EQ(editor->field(EField::X)->text(), "X");
    EXPECT_EQ(editor->codeBox()->currentText(), "G00");
}

TEST_F(EditorViewTest, InsertBetweenShowsAtTheBottomUntilRefreshed)
{
    for (const char* line : {"10", "20"}) {
        Compose(line, "G00", "X1", "Z1");
        editor->insertStatement();
    }
    Compose("15", "G00", "X2", "Z2");
    editor->insertStatement();
    EXPECT_EQ(Column(0), (QStringList{"10", "20", "15"}));
    editor->refreshFromDocument();
    EXPECT_EQ(Column(0), (QStringList{"10", "15", "20"}));
}

TEST_F(EditorViewTest, SameNumberConfirmedRebuildsWithTheRenumberedProgram)
{
    for (const char* line : {"1", "2"}) {
        Compose(line, "G00", "X1", "Z1");
        editor->insertStatement();
    }
    Compose("1", "G00", "X9", "Z9");
    prompter.Answer(EPromptAnswer::Ok);
    editor->insertStatement();
    EXPECT_EQ(Column(0), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(Cell(0, 4), "X9");
}

TEST_F(EditorViewTest, RefusedInsertLeavesNoRowBehind)
{
    Compose("5", "G00", "X1", "Z1");
    editor->insertStatement();
    Compose("5", "G00", "X2", "Z2");
    prompter.Answer(EPromptAnswer::Cancel);
    editor->insertStatement();
    EXPECT_EQ(Column(0), QStringList{"5"});
    EXPECT_EQ(Cell(0, 4), "X1");
    EXPECT_EQ(editor->field(EField::Line)->text(), "6");
}

TEST_F(EditorViewTest, InvalidArcShowsItsMessageAndInsertsNothing)
{
    Compose("1", "G02", "U10", "Z1");
    Type(EField::R, "R5");
    Type(EField::F, "F1");
    editor->insertStatement();
    EXPECT_EQ(editor->rowCount(), 0);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"输入X Z R F参数不合法，请核对!"});
    EXPECT_EQ(editor->field(EField::X)->text(), "U10");
}

TEST_F(EditorViewTest, RowClickFillsTheFieldsAndEnablesThoseOfItsCode)
{
    Show();
    doc.AppendInOrder(std::make_unique<CProcess>(7, "G90", "", "", "X40", "Z-30", "", "", "R-2",
                                                 "F0.2", "", "", "", 0));
    doc.UpdateAllViews();
    ClickRow(0);
    EXPECT_EQ(editor->field(EField::Line)->text(), "7");
    EXPECT_EQ(editor->codeBox()->currentText(), "G90");
    EXPECT_EQ(editor->field(EField::R)->text(), "R-2");
    EXPECT_TRUE(editor->field(EField::R)->isEnabled());
    EXPECT_FALSE(editor->field(EField::S)->isEnabled());
}

TEST_F(EditorViewTest, ModifyReplacesTheClickedStatement)
{
    Show();
    Compose("1", "G00", "X1", "Z1");
    editor->insertStatement();
    ClickRow(0);
    Type(EField::X, "X50");
    prompter.Answer(EPromptAnswer::Ok);
    editor->modifyStatement();
    EXPECT_EQ(Cell(0, 4), "X50");
    EXPECT_EQ(doc.Statements().front()->Get(EWord::X), "X50");
}

TEST_F(EditorViewTest, SingleDeleteUsesTheLineNumberField)
{
    for (const char* line : {"1", "2", "3"}) {
        Compose(line, "G00", "X1", "Z1");
        editor->insertStatement();
    }
    Type(EField::Line, "2");
    prompter.Answer(EPromptAnswer::Yes);
    editor->deleteStatements();
    EXPECT_EQ(Column(0), (QStringList{"1", "2"}));
}

TEST_F(EditorViewTest, MultipleDeleteAsksOnceForAllSelectedRows)
{
    for (const char* line : {"1", "2", "3", "4"}) {
        Compose(line, "G00", "X1", "Z1");
        editor->insertStatement();
    }
    prompter.Clear();
    editor->table()->selectRow(1);
    editor->table()->selectionModel()->select(
        editor->table()->model()->index(3, 0),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    prompter.Answer(EPromptAnswer::Yes);
    editor->deleteStatements();
    EXPECT_EQ(Column(0), (QStringList{"1", "3"}));
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"您是否确定要全部删除这些语句?"});
}

TEST_F(EditorViewTest, TypingGoesToTheTrackedFieldEvenAfterFocusLeftThePane)
{
    Show();
    editor->field(EField::Z)->setFocus();
    QApplication::processEvents();
    outside->setFocus();
    QApplication::processEvents();
    editor->field(EField::Z)->clear();
    for (char ch : {'Z', '-', '5'})
        editor->typeCharacter(ch);
    EXPECT_EQ(editor->field(EField::Z)->text(), "Z-5");
    EXPECT_EQ(outside->text(), "");
}

TEST_F(EditorViewTest, LongWordsShowShortenedButClickAndModifyKeepThemWhole)
{
    Show();
    const std::string word = "X" + std::string(200000, '7');
    doc.AppendInOrder(std::make_unique<CProcess>(1, "G00", "", "", word, "Z1", "", "", "", "", "",
                                                 "", "", 0));
    doc.UpdateAllViews();
    EXPECT_LT(Cell(0, 4).size(), 100);
    EXPECT_TRUE(Cell(0, 4).endsWith(QStringLiteral("…")));
    ClickRow(0);
    EXPECT_TRUE(editor->field(EField::X)->text().startsWith(QStringLiteral("X777")));
    Type(EField::Z, "Z2");
    prompter.Answer(EPromptAnswer::Ok);
    editor->modifyStatement();
    EXPECT_EQ(doc.Statements().front()->Get(EWord::X), word);
    EXPECT_EQ(doc.Statements().front()->Get(EWord::Z), "Z2");
}

TEST_F(EditorViewTest, FocusMovedToAnUntrackedEditorFieldClearsTracking)
{
    Show();
    editor->field(EField::X)->setFocus();
    QApplication::processEvents();
    editor->field(EField::I)->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(editor->form().FocusedField());
    editor->field(EField::S)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(editor->form().FocusedField(), EField::S);
}

} // namespace
