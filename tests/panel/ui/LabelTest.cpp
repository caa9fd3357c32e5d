#include "panel/Label.h"

#include "platform/PlatformDoubles.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The bounding box of the pixels that differ from the fill colour.
QRect InkBox(const QImage& image, const QColor& fill)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != fill)
                box |= QRect(x, y, 1, 1);
    return box;
}

int CountColour(const QImage& image, const QColor& colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

class LabelTest : public ::testing::Test {
protected:
    LabelTest()
    {
        label.resize(200, 60);
        label.SetBkColor(Qt::black).SetTextColor(Qt::white).SetText(QStringLiteral("X 12.250"));
    }
    QImage Grab() { return label.grab().toImage(); }

    CLabel label{1001};
};

TEST_F(LabelTest, FillsItsBackgroundAndPaintsTheTextInItsColour)
{
    const QImage image = Grab();
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::black));
    EXPECT_GT(CountColour(image, Qt::white), 5);
    label.SetBkColor(QColor(0, 255, 255));
    EXPECT_EQ(Grab().pixelColor(1, 1), QColor(0, 255, 255));
}

TEST_F(LabelTest, WithoutABackgroundTheFaceColourFills)
{
    CLabel plain;
    plain.resize(50, 20);
    EXPECT_EQ(plain.grab().toImage().pixelColor(2, 2), plain.palette().color(QPalette::Button));
}

TEST_F(LabelTest, CentredLabelCentresASingleLineBothWays)
{
    label.SetLabelStyle(kLabelCentre | kLabelCentreImage);
    const QRect ink = InkBox(Grab(), Qt::black);
    ASSERT_TRUE(ink.isValid());
    EXPECT_NEAR(ink.center().x(), 100, 3);
    EXPECT_NEAR(ink.center().y(), 30, 4);
}

TEST_F(LabelTest, TwoLineTextInACentredImageLabelKeepsBothLinesAtTheTop)
{
    label.resize(200, 120);
    label.SetLabelStyle(kLabelCentre | kLabelCentreImage);
    label.SetText(QStringLiteral("one\r\ntwo"));
    const QRect ink = InkBox(Grab(), Qt::black);
    EXPECT_NEAR(ink.center().x(), 100, 4);
    EXPECT_LT(ink.top(), 12);
    EXPECT_GT(ink.height(), 2 * QFontMetrics(label.font()).ascent() - 4);
}

TEST_F(LabelTest, RightAlignedTextEndsAtTheRightEdge)
{
    label.SetLabelStyle(kLabelRight);
    EXPECT_GT(InkBox(Grab(), Qt::black).right(), 190);
}

TEST_F(LabelTest, LargerFontDrawsLargerFigures)
{
    label.SetLabelStyle(kLabelCentre | kLabelCentreImage);
    const int small = InkBox(Grab(), Qt::black).height();
    label.SetFontSize(28);
    const int large = InkBox(Grab(), Qt::black).height();
    EXPECT_GT(large, small + 8);
}

TEST_F(LabelTest, FontOperationsChangeTheDescription)
{
    label.SetFontBold(true).SetFontItalic(true).SetFontUnderline(true);
    label.SetFontName(QStringLiteral("Liberation Serif")).SetRotationAngle(90, true);
    const SLabelFont& font = label.FontDescription();
    EXPECT_EQ(font.weight, 700);
    EXPECT_TRUE(font.italic);
    EXPECT_TRUE(font.underline);
    EXPECT_EQ(font.face, "Liberation Serif");
    EXPECT_EQ(font.escapement, 900);
    label.SetFontBold(false);
    EXPECT_EQ(label.FontDescription().weight, 400);
}

TEST_F(LabelTest, RotatedTextStandsUpright)
{
    label.resize(120, 120);
    label.SetFontSize(20);
    const QRect flat = InkBox(Grab(), Qt::black);
    label.SetRotationAngle(90, true);
    const QRect upright = InkBox(Grab(), Qt::black);
    EXPECT_GT(flat.width(), flat.height());
    EXPECT_GT(upright.height(), upright.width());
}

TEST_F(LabelTest, Text3DAddsAHighlightCopy)
{
    EXPECT_EQ(CountColour(Grab(), Qt::red), 0);
    label.SetText3DHiliteColor(Qt::red).SetText3D(true, true);
    EXPECT_GT(CountColour(Grab(), Qt::red), 10);
}

TEST_F(LabelTest, FlashingTextVanishesInItsDarkPhase)
{
    label.FlashText(true);
    EXPECT_EQ(CountColour(Grab(), Qt::white), 0);
    label.FlashText(false);
    EXPECT_GT(CountColour(Grab(), Qt::white), 5);
}

TEST_F(LabelTest, SunkenAndBorderSetTheFrame)
{
    label.SetBorder(true);
    EXPECT_EQ(label.frameShape(), QFrame::Box);
    label.SetSunken(true);
    EXPECT_EQ(label.frameShadow(), QFrame::Sunken);
    label.SetSunken(false);
    EXPECT_EQ(label.frameShape(), QFrame::Box);
    label.SetBorder(false);
    EXPECT_EQ(label.frameShape(), QFrame::NoFrame);
}

TEST_F(LabelTest, ClickNotifiesTheParentWithItsIdAndCode)
{
    QSignalSpy spy(&label, &CLabel::Notify);
    QTest::mouseClick(&label, Qt::LeftButton);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 1001);
    EXPECT_EQ(spy.at(0).at(1).toInt(), 0x8200);
    label.SetLink(false, false);
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(spy.count(), 1);
}

TEST_F(LabelTest, LinkClickOpensTheTextInsteadOfNotifying)
{
    CRecordingShell shell;
    label.SetShell(&shell);
    label.SetText(QStringLiteral("help/page.htm")).SetLink(true, true);
    QSignalSpy spy(&label, &CLabel::Notify);
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(shell.opened, (std::vector<std::string>{"help/page.htm"}));
}

TEST_F(LabelTest, TransparentLabelPaintsNoBackground)
{
    QWidget parent;
    parent.resize(200, 60);
    parent.setAutoFillBackground(true);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(10, 200, 10));
    parent.setPalette(palette);
    auto* glass = new CLabel(7, &parent);
    glass->resize(200, 60);
    glass->SetText(QStringLiteral("glass")).SetTransparent(true);
    EXPECT_EQ(parent.grab().toImage().pixelColor(1, 1), QColor(10, 200, 10));
}

} // namespace
