// The stock-size dialog's refusals and what it hands back.
#include "platform/ScriptedPrompter.h"
#include "simulation/MAOPEISZ.h"
#include "simulation/TubePicture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct StockDialog : ::testing::Test {
    CScriptedPrompter prompter;
    CMAOPEISZ dialog{prompter};
    void Type(EStockField field, const char* text)
    {
        dialog.field(field)->clear();
        QTest::keyClicks(dialog.field(field), QString::fromUtf8(text));
    }
    void PressOk() { QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton); }
};

TEST_F(StockDialog, AcceptsValuesWithinTheRanges)
{
    dialog.show();
    Type(EStockField::Length, "300");
    Type(EStockField::OuterDiameter, "80");
    Type(EStockField::InnerDiameter, "12.5");
    PressOk();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(dialog.values().length, 300.0);
    EXPECT_DOUBLE_EQ(dialog.values().outerDiameter, 80.0);
    EXPECT_DOUBLE_EQ(dialog.values().innerDiameter, 12.5);
    EXPECT_TRUE(prompter.Asked().empty());
}

TEST_F(StockDialog, RefusesAnOuterDiameterBeyondItsRangeAndStaysOpen)
{
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    Type(EStockField::OuterDiameter, "81");
    PressOk();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"毛坯外径：请输入一个介于 0 和 80 之间的数字(单位：mm)。"});
    EXPECT_EQ(prompter.Asked()[0].icon, EPromptIcon::Warning);
    EXPECT_TRUE(dialog.field(EStockField::OuterDiameter)->hasFocus());
    EXPECT_DOUBLE_EQ(dialog.values().outerDiameter, 0.0);
}

TEST_F(StockDialog, RefusesTextThatIsNotANumber)
{
    dialog.show();
    Type(EStockField::Length, "2o0");
    PressOk();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"毛坯长度：请输入一个数字。"});
}

TEST_F(StockDialog, TheBoreIsEnteredOnTheTubePicture)
{
    auto* picture = dialog.findChild<CTubePicture*>("tubePicture");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(dialog.field(EStockField::InnerDiameter)->parentWidget(), picture);
    EXPECT_EQ(dialog.field(EStockField::Length)->text(), "0");
    EXPECT_EQ(dialog.windowTitle(), "毛坯参数设置");
}

} // namespace
