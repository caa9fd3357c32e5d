// The part drawing pane, its measuring clicks, and the files and prints made
// from it, read back.
#include "app/FrameTestSupport.h"
#include "common/CommandTable.h"
#include "simulation/PartDrawingView.h"

#include <QAction>
#include <QDockWidget>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct PartDrawingTest : ::testing::Test, FrameFixture {
    QTemporaryDir dir;

    PartDrawingTest()
    {
        CSimulation& sim = machine->sim;
        sim.switches.stockOuterDiameter = 40.0;
        sim.switches.stockLength = 100.0;
        ResetWorkpiece(sim.workpiece, 40.0, 100.0);
        for (int i = 0; i < 30; ++i)
            sim.workpiece.profile_r[i] = i < 15 ? 10.0 : 15.0;
    }
    CPartDrawingView& View() { return *frame->partDrawing(); }
    QByteArray Exported(const char* name)
    {
        const QString path = dir.filePath(name);
        files.Answer(path.toStdString());
        frame->routeCommand(Cmd::ExportDrawing);
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A click at a point of the part, in millimetres.
    void Click(double z, double x)
    {
        const QRectF area(0, 0, View().width(), View().height() - View().fontMetrics().height() - 6);
        const QPointF at = CPartDrawingScale(View().Content().part, area).ToPaint({z, x});
        QTest::mouseClick(&View(), Qt::LeftButton, {}, at.toPoint());
    }
};

TEST_F(PartDrawingTest, CommandShowsTheDockAndHidesItAgain)
{
    frame->show();
    frame->routeCommand(Cmd::PartDrawing);
    EXPECT_TRUE(frame->partDrawingDock()->isVisible());
    frame->routeCommand(Cmd::PartDrawing);
    EXPECT_FALSE(frame->partDrawingDock()->isVisible());
}

TEST_F(PartDrawingTest, ContextMenuSwitchesTheOverlaysOff)
{
    const QList<QAction*> switches = View().actions();
    ASSERT_EQ(switches.size(), 2);
    switches[0]->setChecked(false);
    switches[1]->setChecked(false);
    EXPECT_FALSE(View().Content().showProgrammed);
    EXPECT_FALSE(View().Content().showStock);
}

TEST_F(PartDrawingTest, ClickOnAStepReadsItsDiameterAndTwoCornersMeasure)
{
    View().resize(800, 400);
    View().Refresh();
    Click(-20.0, 15.0);
    EXPECT_EQ(View().Reading(), QStringLiteral("Φ30.00"));
    Click(-60.0, 30.0); // ends that measurement
    Click(-15.0, 10.0);
    Click(-30.0, 20.0);
    EXPECT_EQ(View().Reading(), QStringLiteral("距离 18.03   ΔX 10.00   ΔZ -15.00"));
}

TEST_F(PartDrawingTest, SvgExportHoldsTheDimensionsAndAViewBox)
{
    const QByteArray svg = Exported("part.svg");
    EXPECT_TRUE(svg.contains("viewBox"));
    for (const char* text : {"Φ20.00", "Φ30.00", "Φ40.00", "100.00"})
        EXPECT_TRUE(svg.contains(QByteArray(text))) << text;
}

TEST_F(PartDrawingTest, PdfExportAndPrintWriteAPdfWithATitleBlock)
{
    const QByteArray pdf = Exported("part.pdf");
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 1000);
    const QString printed = dir.filePath("printed.pdf");
    frame->setPrintDialog([&printed](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        return true;
    });
    frame->routeCommand(Cmd::PrintDrawing);
    QFile file(printed);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));
}

TEST_F(PartDrawingTest, PictureExportSavesTheViewPaneAsPng)
{
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    QWidget* view = frame->pane(0, 0);
    view->setAutoFillBackground(true);
    QPalette red = view->palette();
    red.setColor(QPalette::Window, Qt::red);
    view->setPalette(red);
    const QString path = dir.filePath("view.png");
    files.Answer(path.toStdString());
    frame->routeCommand(Cmd::ExportPicture);
    const QImage image(path);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), view->size());
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::red));
}

} // namespace
