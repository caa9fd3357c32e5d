#include "editor/CutCompsteDlg.h"

#include "editor/CutCompsteRows.h"
#include "editor/EditItem.h"
#include "editor/EditList.h"
#include "platform/ScriptedPrompter.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The table kept by an earlier test would open in the next one.
struct SNoKeptTable {
    SNoKeptTable() { QSettings().remove(CCutCompsteDlg::kSettingsGroup); }
    ~SNoKeptTable() { QSettings().remove(CCutCompsteDlg::kSettingsGroup); }
};

class CutCompsteDlgTest : public ::testing::Test {
protected:
    SNoKeptTable noKeptTable;
    CScriptedPrompter prompter;
    CCutCompsteDlg dialog{prompter};
    CEditList* list = dialog.findChild<CEditList*>("compensationList");

    void SetUp() override
    {
        ASSERT_TRUE(list);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        dialog.activateWindow();
        QApplication::setActiveWindow(&dialog);
    }
    QRect CellRect(int row, int column) const
    {
        return list->visualRect(list->model()->index(row, column));
    }
    void ClickCell(int row, int column, int dx = 0)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          CellRect(row, column).center() + QPoint(dx, 0));
    }
    CEditItem* Box() const { return dialog.findChild<CEditItem*>("editItem"); }
    // The box deletes itself once the event loop runs.
    void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void TypeIntoCell(int row, int column, const char* text)
    {
        ClickCell(row, column);
        ASSERT_TRUE(Box());
        Box()->selectAll();
        QTest::keyClicks(Box(), text);
    }
};

TEST_F(CutCompsteDlgTest, OpensWithOneZeroEntryUnderFourHeadings)
{
    EXPECT_EQ(dialog.windowTitle(), "刀具补偿");
    ASSERT_EQ(list->columnCount(), 4);
    EXPECT_EQ(list->horizontalHeaderItem(1)->text(), "   X");
    EXPECT_EQ(list->columnWidth(0), 80);
    ASSERT_EQ(list->rowCount(), 1);
    EXPECT_EQ(list->itemText(0, 0), "#0000");
    for (int column = 1; column < 4; ++column)
        EXPECT_EQ(list->itemText(0, column), "0.000");
}

TEST_F(CutCompsteDlgTest, AddLabelsTheEleventhAndHundredAndFirstRows)
{
    auto* add = dialog.findChild<QPushButton*>("addButton");
    for (int i = 0; i < 100; ++i)
        QTest::mouseClick(add, Qt::LeftButton);
    ASSERT_EQ(list->rowCount(), 101);
    EXPECT_EQ(list->itemText(10, 0), "#0010");
    EXPECT_EQ(list->itemText(100, 0), "#00100");
    EXPECT_EQ(list->itemText(100, 3), "0.000");
}

TEST_F(CutCompsteDlgTest, ClickOpensABoxExactlyOverTheCellWithItsText)
{
    ClickCell(0, 1);
    ASSERT_TRUE(Box());
    EXPECT_EQ(Box()->text(), "0.000");
    EXPECT_TRUE(Box()->hasFocus());
    const QRect cell = CellRect(0, 1);
    EXPECT_EQ(Box()->geometry(), QRect(cell.left(), cell.top(), 79, cell.height()));
    EXPECT_EQ(Box()->selectedText(), "0.000") << "typing replaces the value";
}

TEST_F(CutCompsteDlgTest, EscAfterTypingKeepsTheCellAndTheDialog)
{
    TypeIntoCell(0, 2, "12.5");
    QTest::keyClick(Box(), Qt::Key_Escape);
    Settle();
    EXPECT_FALSE(Box());
    EXPECT_EQ(list->itemText(0, 2), "0.000");
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(CutCompsteDlgTest, EnterStoresTheTextWithoutClosingTheDialog)
{
    TypeIntoCell(0, 1, "-3.2");
    QTest::keyClick(Box(), Qt::Key_Return);
    Settle();
    EXPECT_FALSE(Box());
    EXPECT_EQ(list->itemText(0, 1), "-3.2");
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(CutCompsteDlgTest, ClickOnAnotherCellStoresTheTextAndEditsThatCell)
{
    dialog.addRow();
    TypeIntoCell(0, 0, "#T1");
    ClickCell(1, 1);
    Settle();
    EXPECT_EQ(list->itemText(0, 0), "#T1");
    ASSERT_TRUE(Box());
    EXPECT_EQ(Box()->row(), 1);
    EXPECT_EQ(Box()->column(), 1);
}

TEST_F(CutCompsteDlgTest, EndOfEditReachesTheListsOwnerEvenWhenEscaped)
{
    QSignalSpy ended(list, &CEditList::labelEditEnded);
    TypeIntoCell(0, 3, "0.4");
    QTest::keyClick(Box(), Qt::Key_Escape);
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended[0][0].toInt(), 0);
    EXPECT_EQ(ended[0][1].toInt(), 3);
    EXPECT_TRUE(ended[0][3].toBool());
}

TEST_F(CutCompsteDlgTest, ANumberTypedOverTheCellReplacesIt)
{
    ClickCell(0, 1);
    QTest::keyClicks(Box(), "1.5");
    QTest::keyClick(Box(), Qt::Key_Return);
    EXPECT_EQ(list->itemText(0, 1), "1.5");
}

TEST_F(CutCompsteDlgTest, AnOffsetThatIsNoNumberIsRefusedWithAMessage)
{
    TypeIntoCell(0, 2, "1.2.3");
    QTest::keyClick(Box(), Qt::Key_Return);
    EXPECT_EQ(list->itemText(0, 2), "0.000");
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{CutCompste::kNotANumber});
}

TEST_F(CutCompsteDlgTest, RowsClosedWithOkOpenAgainAndCancelledOnesDoNot)
{
    dialog.addRow();
    TypeIntoCell(1, 3, "0.4");
    QTest::keyClick(Box(), Qt::Key_Return);
    dialog.accept();
    CCutCompsteDlg reopened(prompter);
    ASSERT_EQ(reopened.list()->rowCount(), 2);
    EXPECT_EQ(reopened.list()->itemText(1, 0), "#0001");
    EXPECT_EQ(reopened.list()->itemText(1, 3), "0.4");
    reopened.addRow();
    reopened.reject();
    EXPECT_EQ(CCutCompsteDlg(prompter).list()->rowCount(), 2);
}

TEST_F(CutCompsteDlgTest, EscWithNoBoxOpenCancelsTheDialog)
{
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(CutCompsteDlgTest, DeleteEditsTheTextInTheBoxAndRemovesTheRowOtherwise)
{
    dialog.addRow();
    ClickCell(1, 1);
    QTest::keyClick(Box(), Qt::Key_Home);
    QTest::keyClick(Box(), Qt::Key_Delete);
    EXPECT_EQ(Box()->text(), ".000");
    EXPECT_EQ(list->rowCount(), 2);
    QTest::keyClick(Box(), Qt::Key_Return);
    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_EQ(list->rowCount(), 1);
    EXPECT_EQ(list->itemText(0, 0), "#0000");
}

TEST_F(CutCompsteDlgTest, TheKeypadDeleteRemovesTheRowToo)
{
    dialog.addRow();
    ClickCell(1, 1);
    QTest::keyClick(Box(), Qt::Key_Return);
    QTest::keyClick(list, Qt::Key_Delete, Qt::KeypadModifier);
    EXPECT_EQ(list->rowCount(), 1);
}

TEST_F(CutCompsteDlgTest, TypingWidensTheBoxUpToTheListsRightEdge)
{
    ClickCell(0, 1);
    const int columnRight = Box()->geometry().right();
    QTest::keyClicks(Box(), "1234567890");
    EXPECT_GT(Box()->geometry().right(), columnRight);
    EXPECT_LT(Box()->geometry().right() + 1, list->viewport()->width());
    QTest::keyClicks(Box(), "123456789012345678901234567890");
    EXPECT_EQ(Box()->geometry().right() + 1, list->viewport()->width());
}

TEST_F(CutCompsteDlgTest, CellPartlyScrolledOffToTheLeftIsScrolledIntoViewFirst)
{
    QScrollBar* bar = list->horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 20); // the four columns are wider than the list
    bar->setValue(20);
    ASSERT_LT(CellRect(0, 0).left(), 0);
    ClickCell(0, 0, 20);
    ASSERT_TRUE(Box());
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(Box()->geometry().left(), 0);
    EXPECT_EQ(Box()->width(), 80);
}

} // namespace
