// The tool library and tool edit dialogs, driven with the mouse.
#include "editor/DAOJU.h"
#include "editor/DAOJUBJ.h"
#include "editor/ToolPicture.h"
#include "platform/ScriptedPrompter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct ToolLibraryDialog : ::testing::Test {
    CScriptedPrompter prompter;
    std::vector<TToolEditTexts> edited; // what each edit dialog was opened with
    std::optional<TToolEditTexts> editAnswer;
    CDAOJU dialog{prompter, [this](QWidget*, const TToolEditTexts& texts) {
                      edited.push_back(texts);
                      return editAnswer;
                  }};

    void ClickRow(int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QTableWidget* list = dialog.list();
        const QRect cell = list->visualRect(list->model()->index(row, 1));
        QTest::mouseClick(list->viewport(), button, {}, cell.center());
    }
    void Press(const char* name) { QTest::mouseClick(dialog.findChild<QPushButton*>(name), Qt::LeftButton); }
    QString Station(int n) const { return dialog.findChild<QLabel*>(QString("station%1").arg(n))->text(); }
};

TEST_F(ToolLibraryDialog, ListsTheThreeToolsUnderCentredHeadings)
{
    QTableWidget* list = dialog.list();
    ASSERT_EQ(list->rowCount(), 3);
    EXPECT_EQ(list->item(2, 1)->text(), "螺纹车刀");
    EXPECT_EQ(list->item(0, 0)->text(), "   1");
    EXPECT_EQ(list->horizontalHeaderItem(7)->text(), "刀片切槽宽");
    EXPECT_EQ(list->columnWidth(7), 100);
    EXPECT_EQ(list->horizontalHeaderItem(0)->textAlignment(), int(Qt::AlignCenter));
    EXPECT_EQ(dialog.windowTitle(), "刀具库");
}

TEST_F(ToolLibraryDialog, MountRequestRemembersTheClickedRowAndKeepsTheDialogOpen)
{
    dialog.show();
    ClickRow(2);
    Press("mountButton");
    EXPECT_EQ(dialog.selection().clickedRow, 2);
    EXPECT_EQ(dialog.selection().mountRequested, 1);
    EXPECT_EQ(dialog.selection().removalRequested, 0);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(ToolLibraryDialog, StationsShowTheTurretAsAnOkWouldLeaveIt)
{
    dialog.setMounted({1, 0, 0});
    EXPECT_EQ(Station(1), "刀位1：外圆车刀");
    EXPECT_EQ(Station(3), "刀位3：空");
    EXPECT_EQ(Station(4), "刀位4：空");
    ClickRow(2);
    Press("mountButton");
    EXPECT_EQ(Station(3), "刀位3：螺纹车刀");
    // The requests follow the clicked row: now both concern tool 1.
    ClickRow(0);
    Press("removeButton");
    EXPECT_EQ(Station(1), "刀位1：空");
    EXPECT_EQ(Station(3), "刀位3：空");
}

TEST_F(ToolLibraryDialog, AClickBesideTheRowsForgetsTheClickedRow)
{
    ClickRow(1);
    QTableWidget* list = dialog.list();
    list->resize(900, 300);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, list->viewport()->height() - 5));
    EXPECT_EQ(dialog.selection().clickedRow, -1);
}

TEST_F(ToolLibraryDialog, OnlyALeftClickChoosesTheTool)
{
    ClickRow(1);
    ClickRow(2, Qt::RightButton);
    ClickRow(0, Qt::MiddleButton);
    EXPECT_EQ(dialog.selection().clickedRow, 1);
}

TEST_F(ToolLibraryDialog, EditWithoutASelectionAsksForOneAndOpensNothing)
{
    Press("editButton");
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"请选择一项再修改!"});
    EXPECT_TRUE(edited.empty());
}

TEST_F(ToolLibraryDialog, ConfirmedEditWritesTheSixTextsBackIntoTheRow)
{
    ClickRow(0);
    editAnswer = TToolEditTexts{"150.0", "90.0", "35.0", "22.0", "31.0", ""};
    Press("editButton");
    ASSERT_EQ(edited.size(), 1u);
    EXPECT_EQ(edited[0][0], "130.0");
    EXPECT_EQ(dialog.list()->item(0, 2)->text(), "150.0");
    EXPECT_EQ(dialog.list()->item(0, 6)->text(), "31.0");
}

TEST_F(ToolLibraryDialog, DoubleClickEditsTheRow)
{
    QTableWidget* list = dialog.list();
    const QPoint centre = list->visualRect(list->model()->index(2, 3)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    ASSERT_EQ(edited.size(), 1u);
    EXPECT_EQ(edited[0][0], "125.0");
}

TEST(ToolEditDialog, ExchangesSixTextsUnchecked)
{
    CDAOJUBJ dialog;
    dialog.setTexts({"a", "95.0", "", "20.0", "30.0", "x"});
    QTest::keyClicks(dialog.edit(2), "60");
    const TToolEditTexts texts = dialog.texts();
    EXPECT_EQ(texts[0], "a");
    EXPECT_EQ(texts[2], "60");
    EXPECT_EQ(texts[5], "x");
    EXPECT_EQ(dialog.windowTitle(), "刀具编辑");
}

TEST(ToolEditDialog, ShowsAPictureOfEachToolType)
{
    CDAOJUBJ dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    for (int tool = 0; tool < 3; ++tool) {
        auto* picture = dialog.findChild<CToolPicture*>(QString("toolPicture%1").arg(tool + 1));
        ASSERT_NE(picture, nullptr);
        const QImage image = picture->grab().toImage();
        // The tip is drawn in its insert colour somewhere below the shank.
        bool tip = false;
        for (int y = image.height() / 2; y < image.height() && !tip; ++y)
            for (int x = 0; x < image.width() && !tip; ++x)
                tip = image.pixelColor(x, y).red() > 180 && image.pixelColor(x, y).blue() < 120;
        EXPECT_TRUE(tip) << tool;
    }
}

} // namespace
