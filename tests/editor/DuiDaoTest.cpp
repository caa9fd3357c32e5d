#include "editor/DuiDao.h"

#include "editor/DuiDaoPicture.h"

#include <QImage>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(DuiDaoTest, EverythingSitsOnTheGreyGround)
{
    CDuiDao dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QImage picture = dialog.grab().toImage();
    EXPECT_EQ(picture.pixel(1, 1) & 0xFFFFFF, 0xBEBEBEu);
    QRadioButton* button = dialog.touchPointButton(1);
    const QPoint besideText = button->mapTo(&dialog, QPoint(button->width() - 1, 1));
    EXPECT_EQ(picture.pixel(besideText) & 0xFFFFFF, 0xBEBEBEu);
    EXPECT_EQ(dialog.windowTitle(), "对刀");
}

TEST(DuiDaoTest, EachRadioButtonSitsLevelWithItsTouchPointUpperOneFirst)
{
    CDuiDao dialog;
    CDuiDaoPicture* picture = dialog.picture();
    for (int i = 0; i < 2; ++i) {
        QRadioButton* button = dialog.touchPointButton(i);
        const QPoint point = picture->mapTo(&dialog, picture->touchPoint(i));
        const QRect rect(button->mapTo(&dialog, QPoint(0, 0)), button->size());
        EXPECT_TRUE(rect.top() <= point.y() && point.y() <= rect.bottom()) << i;
        EXPECT_GT(rect.left(), point.x()) << i;
    }
    EXPECT_LT(picture->touchPoint(0).y(), picture->touchPoint(1).y());
}

} // namespace
