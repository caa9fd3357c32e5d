// The main window with its real panes on a virtual display: what a person
// sees of the 3D view and the operator panel after layouts and view commands.
#include "app/FrameTestSupport.h"
#include "common/CommandTable.h"
#include "simulation/CameraPresets.h"
#include "panel/MainOperPanlView.h"
#include "panel/PanelKeyButton.h"
#include "panel/PanelKeys.h"
#include "simulation/MySDOpenGLView.h"

#include <QApplication>
#include <QOpenGLContext>
#include <QScreen>
#include <QSplitter>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct FrameLayoutTest : ::testing::Test, FrameFixture {
    // A common laptop screen.
    FrameLayoutTest() : FrameFixture(SPaneFactories::Default()) { frame->resize(1366, 768); }

    void SetUp() override
    {
        machine->sim.switches.stockOuterDiameter = 40.0;
        frame->show();
        if (!QTest::qWaitForWindowExposed(frame.get()) || View()->context() == nullptr
            || !View()->context()->isValid())
            GTEST_SKIP() << "no OpenGL window here";
    }
    int m_shots = 0;
    CMySDOpenGLView* View() const { return static_cast<CMySDOpenGLView*>(frame->pane(0, 0)); }
    // Rows from the first to the last holding the stock's grey.
    int GreyHeight(const QImage& image)
    {
        int top = -1, bottom = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); x += 2) {
                const QColor c = image.pixelColor(x, y);
                if (std::abs(c.red() - c.green()) < 20 && std::abs(c.green() - c.blue()) < 20
                    && c.red() > 70) {
                    top = top < 0 ? y : top;
                    bottom = y;
                    break;
                }
            }
        return bottom - top;
    }
    void Settle() { QTest::qWait(120); }
    // Share of the view's pixels on the screen that are not background black:
    // what the window shows, not what the view would draw if asked.
    double LitShare()
    {
        const QPoint at = View()->mapTo(frame.get(), QPoint(0, 0));
        const QImage image = QGuiApplication::primaryScreen()
                                 ->grabWindow(frame->winId(), at.x(), at.y(), View()->width(),
                                              View()->height())
                                 .toImage();
        if (qEnvironmentVariableIsSet("VELMORA_KEEP_PICTURES"))
            image.save(QString("/tmp/layout-%1.png").arg(++m_shots));
        if (image.isNull() || image.width() < 2)
            return 0.0;
        int lit = 0;
        for (int y = 0; y < image.height(); y += 4)
            for (int x = 0; x < image.width(); x += 4)
                lit += qGray(image.pixel(x, y)) > 20;
        return lit / (double((image.width() + 3) / 4) * ((image.height() + 3) / 4));
    }
};

TEST_F(FrameLayoutTest, NoLayoutSequenceLeavesTheViewBlack)
{
    const int sequence[] = {Cmd::ViewSwitch, Cmd::ViewSwitch, Cmd::ViewSwitch, Cmd::ViewSwitch,
                            Cmd::StartMachining, Cmd::ViewSwitch, Cmd::BuiltInEditor,
                            Cmd::ViewSwitch, Cmd::ViewSwitch};
    for (int id : sequence) {
        frame->routeCommand(id);
        // A busy machine may take a while to show the new layout; a pane
        // that stays black stays black however long it is given.
        if (View()->width() > 50) {
            EXPECT_TRUE(QTest::qWaitFor([this] { return LitShare() > 0.3; }, 3000))
                << "after command " << id;
        }
    }
}

TEST_F(FrameLayoutTest, PanelIsWhollyVisibleAndTheViewTakesTwoFifths)
{
    Settle();
    EXPECT_GE(View()->width(), frame->width() * 2 / 5);
    auto* panel = qobject_cast<CMainOperPanlView*>(frame->pane(0, 2));
    ASSERT_NE(panel, nullptr);
    const QRect seen(panel->viewport()->mapTo(frame.get(), QPoint(0, 0)), panel->viewport()->size());
    for (const SPanelKey& key : PanelKeys()) {
        const QWidget* button = panel->Key(key.id);
        const QRect at(button->mapTo(frame.get(), QPoint(0, 0)), button->size());
        EXPECT_TRUE(seen.contains(at)) << key.id;
        EXPECT_TRUE(frame->rect().contains(at)) << key.id;
    }
}

TEST_F(FrameLayoutTest, LookAtWorkFillsHalfThePaneWithTheStock)
{
    machine->sim.switches.renderMode = ERenderMode::Hidden;
    const int before = GreyHeight(View()->grabFramebuffer());
    frame->routeCommand(Cmd::LookAtWork);
    const QImage framed = View()->grabFramebuffer();
    EXPECT_GT(GreyHeight(framed), framed.height() / 2);
    EXPECT_LT(before, framed.height() / 2);
}

TEST_F(FrameLayoutTest, ResetViewBringsTheStartViewBackAfterTurning)
{
    const QImage start = View()->grabFramebuffer();
    CCamera& cam = View()->Camera();
    MousePress(cam, 100, 100);
    MouseMove(cam, EMouseMode::Rotate, 400, 300);
    MouseRelease(cam);
    const QImage turned = View()->grabFramebuffer();
    frame->routeCommand(Cmd::ResetView);
    const QImage back = View()->grabFramebuffer();
    auto differing = [](const QImage& a, const QImage& b) {
        int n = 0;
        for (int y = 0; y < a.height(); y += 2)
            for (int x = 0; x < a.width(); x += 2)
                n += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 40;
        return n;
    };
    const int quarter = start.width() * start.height() / 4;
    EXPECT_GT(differing(start, turned), quarter / 20);
    EXPECT_LT(differing(start, back), quarter / 200);
}

} // namespace
