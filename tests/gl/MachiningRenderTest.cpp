// A short program machined frame by frame through the renderer: the cut
// part of the bar shows yellow, the rest stays grey.
#include "panel/PanelState.h"
#include "simulation/Camera.h"
#include "simulation/FrameRecorder.h"
#include "simulation/OffscreenHost.h"
#include "simulation/SimulationTestSupport.h"

#include <gtest/gtest.h>

namespace {

bool IsYellow(const QColor& c) { return c.red() > 120 && c.green() > 120 && c.blue() < c.red() / 2; }

TEST(MachiningRender, CutSlicesShowYellowAndTheRestGrey)
{
    SMachine m;
    CFrameRecorder out;
    CCamera camera;
    m.sim->switches.doorOffset = 20.0; // settled shut
    COffscreenHost host(*m.sim, 640, 480);
    if (!host.IsValid())
        GTEST_SKIP() << "no OpenGL context here";
    m.SpindleOn();
    SProgram program("G00 X30 Z2\nG00 X15 Z2\nG01 X15 Z-60 F0.2\nG00 X30 Z-60\nM02\n");
    StartSimulation(*m.sim, program.doc, out);
    for (int frame = 0; frame < 1000 && m.sim->interp.HasCurrent(); ++frame)
        host.Render(*m.machine, out, camera);
    ASSERT_FALSE(m.sim->interp.HasCurrent());
    host.Render(*m.machine, out, camera);
    const QImage image = host.Grab();
    const auto at = [&](double depth) {
        // The bar's free end lies at 455 + length; depth runs towards the chuck.
        const SVec3 p = ProjectToWindow(camera, image.width(), image.height(), {655.0 - depth, 652.5, 150.0});
        return image.pixelColor(int(p.x), int(p.y));
    };
    EXPECT_TRUE(IsYellow(at(30.0))) << at(30.0).name().toStdString();
    EXPECT_FALSE(IsYellow(at(150.0))) << at(150.0).name().toStdString();
}

} // namespace

namespace {

// Centre of the pure green tip marker, or (-1, -1) when none shows.
QPointF MarkerCentre(const QImage& image)
{
    double sx = 0.0, sy = 0.0;
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.green() > 200 && c.red() < 60 && c.blue() < 60) {
                sx += x;
                sy += y;
                ++n;
            }
        }
    return n == 0 ? QPointF(-1, -1) : QPointF(sx / n + 0.5, sy / n + 0.5);
}

TEST(MachiningRender, DrawnToolTipStandsAtTheLastTracePoint)
{
    SMachine m;
    CFrameRecorder out;
    CCamera camera;
    m.sim->switches.doorOffset = 20.0;
    COffscreenHost host(*m.sim, 640, 480);
    if (!host.IsValid())
        GTEST_SKIP() << "no OpenGL context here";
    host.MarkToolTip(true);
    SProgram program("G00 X30 Z2\nG00 X15 Z2\nG01 X15 Z-60 F0.2\nG00 X30 Z-60\n");
    StartSimulation(*m.sim, program.doc, out);
    for (int frames : {1, 40, 200}) {
        for (int i = 0; i < frames && m.sim->interp.HasCurrent(); ++i)
            host.Render(*m.machine, out, camera);
        const QImage image = host.Grab();
        if (qEnvironmentVariableIsSet("VELMORA_KEEP_PICTURES"))
            image.save(QString("/tmp/tip-%1.png").arg(frames));
        const SBedPoint last = TracePointWorld(*m.sim, m.sim->workpiece.nn - 1);
        const SVec3 p = ProjectToWindow(camera, image.width(), image.height(),
                                        {last.x, 652.5, last.z});
        const QPointF tip = MarkerCentre(image);
        EXPECT_NEAR(tip.x(), p.x, 3.0) << "after " << m.sim->workpiece.nn << " trace points";
        EXPECT_NEAR(tip.y(), p.y, 3.0) << "after " << m.sim->workpiece.nn << " trace points";
    }
}

} // namespace
