#include "simulation/FrameRecorder.h"
#include "panel/PanelState.h"
#include "simulation/Camera.h"
#include "simulation/OffscreenHost.h"
#include "simulation/SceneFrame.h"
#include "simulation/Simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kWidth = 640, kHeight = 480;
const SVec3 kStockMiddle{555.0, 652.5, 150.0};

struct SceneRenderTest : ::testing::Test {
    std::unique_ptr<CMachine> machine = std::make_unique<CMachine>();
    CSimulation& sim = machine->sim;
    CPanelState& panel = machine->panel;
    CFrameRecorder out;
    CCamera camera;
    std::unique_ptr<COffscreenHost> host;

    void SetUp() override
    {
        sim.switches.stockOuterDiameter = 40.0;
        sim.switches.doorOffset = 20.0; // settled shut
        host = std::make_unique<COffscreenHost>(sim, kWidth, kHeight);
        if (!host->IsValid())
            GTEST_SKIP() << "no OpenGL context here";
    }
    QImage Frame()
    {
        host->Render(*machine, out, camera);
        return host->Grab();
    }
    QColor At(const QImage& image, SVec3 world) const
    {
        const SVec3 p = ProjectToWindow(camera, image.width(), image.height(), world);
        return image.pixelColor(int(p.x), int(p.y));
    }
    void OpenDoor()
    {
        sim.switches.doorClosed = 0;
        sim.switches.doorOffset = -480.0;
    }
};

bool IsGrey(const QColor& c)
{
    return std::abs(c.red() - c.green()) < 25 && std::abs(c.green() - c.blue()) < 25
           && c.red() > 60;
}

bool IsBlack(const QColor& c)
{
    return c.red() < 10 && c.green() < 10 && c.blue() < 10;
}

int DifferentPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            count += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green())
                             + std::abs(p.blue() - q.blue()) > 30;
        }
    return count;
}

// Rows from the first to the last that hold anything but background.
int DrawnHeight(const QImage& image)
{
    int top = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!IsBlack(image.pixelColor(x, y))) {
                if (top < 0)
                    top = y;
                bottom = y;
                break;
            }
    return bottom - top;
}

TEST_F(SceneRenderTest, StockIsVisibleInGrey)
{
    EXPECT_TRUE(IsGrey(At(Frame(), kStockMiddle)));
}

TEST_F(SceneRenderTest, HiddenModeDropsTheMachineButKeepsChuckAndWorkpiece)
{
    const SVec3 baseFront{600.0, 200.0, 420.0};
    const SVec3 chuck{400.0, 652.5, 225.0};
    const QImage solid = Frame();
    sim.switches.renderMode = ERenderMode::Hidden;
    const QImage hidden = Frame();
    EXPECT_FALSE(IsBlack(At(solid, baseFront)));
    EXPECT_TRUE(IsBlack(At(hidden, baseFront)));
    EXPECT_TRUE(IsGrey(At(hidden, kStockMiddle)));
    EXPECT_FALSE(IsBlack(At(hidden, chuck)));
}

TEST_F(SceneRenderTest, ClosedDoorCoversWhatTheOpenDoorShows)
{
    const SVec3 doorPanel{600.0, 425.0, 420.0};
    const QColor shut = At(Frame(), doorPanel);
    OpenDoor();
    const QColor open = At(Frame(), doorPanel);
    EXPECT_GT(shut.blue(), shut.red() + 40);
    EXPECT_GT(std::abs(shut.red() - open.red()) + std::abs(shut.blue() - open.blue()), 40);
}

TEST_F(SceneRenderTest, WireFrameDiffersFromSolid)
{
    const QImage solid = Frame();
    sim.switches.renderMode = ERenderMode::WireFrame;
    const QImage wire = Frame();
    EXPECT_GT(DifferentPixels(solid, wire), kWidth * kHeight / 10);
}

TEST_F(SceneRenderTest, TransparentModeShowsTheMachineFaintly)
{
    const SVec3 baseFront{600.0, 200.0, 420.0};
    sim.switches.renderMode = ERenderMode::Transparent;
    const QColor faint = At(Frame(), baseFront);
    EXPECT_FALSE(IsBlack(faint));
    EXPECT_LT(faint.red() + faint.green() + faint.blue(), 150);
}

TEST_F(SceneRenderTest, FourteenPixelDragTurnsTheSceneAndSixDoNot)
{
    const QImage before = Frame();
    MousePress(camera, 100, 100);
    MouseMove(camera, EMouseMode::Rotate, 106, 100);
    EXPECT_LT(DifferentPixels(before, Frame()), 10);
    MouseMove(camera, EMouseMode::Rotate, 120, 100);
    EXPECT_GT(DifferentPixels(before, Frame()), 1000);
}

TEST_F(SceneRenderTest, ResizingKeepsTheFieldOfView)
{
    sim.switches.renderMode = ERenderMode::Hidden;
    const int narrow = DrawnHeight(Frame());
    host->Resize(2 * kWidth, kHeight);
    const int wide = DrawnHeight(Frame());
    EXPECT_GT(narrow, 50);
    EXPECT_NEAR(narrow, wide, 3);
}

TEST_F(SceneRenderTest, TailstockComesUpToTheStockWithTheCone)
{
    OpenDoor();
    const SVec3 parked{1120.0, 560.0, 200.0};
    const QImage removed = Frame();
    sim.switches.coneInstalled = 1;
    sim.switches.coneRemoved = 0;
    const QImage installed = Frame();
    EXPECT_NE(At(removed, parked), At(installed, parked));
    EXPECT_GT(DifferentPixels(removed, installed), 2000);
}

TEST_F(SceneRenderTest, MachinedSlicesShowYellow)
{
    sim.interp.sim_running = true;
    panel.m_nRefMode = ERefMode::ReferenceReturn;
    sim.turret.currentTool = 0;
    for (int i = 0; i < 200; ++i)
        sim.workpiece.profile_r[i] = i < 150 ? 15.0 : 20.0;
    const QColor c = At(Frame(), {600.0, 652.5, 150.0});
    EXPECT_GT(c.red(), 120);
    EXPECT_GT(c.green(), 120);
    EXPECT_LT(c.blue(), c.red() - 60);
}

TEST_F(SceneRenderTest, FramesLeaveThePictureOpaqueEvenWhereTheMachineIsTranslucent)
{
    sim.switches.renderMode = ERenderMode::Transparent;
    const QImage image = Frame();
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 255);
    EXPECT_EQ(At(image, {600.0, 200.0, 420.0}).alpha(), 255);
}

} // namespace

namespace {

// Pixels that turned cyan, the trace's colour, from one picture to the next.
int NewCyanPixels(const QImage& before, const QImage& after)
{
    int count = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x) {
            const QColor a = before.pixelColor(x, y), c = after.pixelColor(x, y);
            count += c.green() > a.green() + 40 && c.blue() > a.blue() + 20
                     && c.red() < c.green() - 60;
        }
    return count;
}

// Orange-red pixels in the window rectangle between two world points.
int OrangePixels(const QImage& image, SVec3 a, SVec3 b, const CCamera& camera)
{
    const SVec3 p = ProjectToWindow(camera, image.width(), image.height(), a);
    const SVec3 q = ProjectToWindow(camera, image.width(), image.height(), b);
    int count = 0;
    for (int y = int(std::min(p.y, q.y)); y <= int(std::max(p.y, q.y)); ++y)
        for (int x = int(std::min(p.x, q.x)); x <= int(std::max(p.x, q.x)); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 150 && c.green() < 120 && c.blue() < 60;
        }
    return count;
}

TEST_F(SceneRenderTest, TracePolylineShowsOnlyWhenSwitchedOn)
{
    sim.interp.sim_running = true;
    panel.m_nRefMode = ERefMode::ReferenceReturn;
    sim.turret.currentTool = 0;
    for (int i = 0; i < 40; ++i) {
        sim.workpiece.Dg_x[i] = 30.0 + (i % 2) * 30.0;
        sim.workpiece.Dg_z[i] = -5.0 * i;
    }
    sim.workpiece.nn = 40;
    for (int i = 0; i < 200; ++i)
        sim.workpiece.profile_r[i] = 20.0;
    sim.switches.renderMode = ERenderMode::Hidden; // nothing in front of the trace
    const QImage off = Frame();
    EXPECT_LT(NewCyanPixels(off, Frame()), 5);
    sim.switches.toolPathShown = 1;
    EXPECT_GT(NewCyanPixels(off, Frame()), 50);
}

TEST_F(SceneRenderTest, NameplateIsLetteredInOrange)
{
    EXPECT_GT(OrangePixels(Frame(), {100.0, 340.0, 430.0}, {420.0, 400.0, 430.0}, camera), 40);
}

TEST_F(SceneRenderTest, DoorIsLeftOutInTransparentMode)
{
    const SVec3 doorPanel{600.0, 425.0, 420.0};
    sim.switches.renderMode = ERenderMode::Transparent;
    const QColor c = At(Frame(), doorPanel);
    EXPECT_LT(c.blue(), c.red() + 40);
}

TEST_F(SceneRenderTest, APaintWithoutATickDrawsTheSameFrameAgain)
{
    OpenDoor();
    panel.m_nSpindle = ESpindle::Clockwise;
    panel.m_bCoolant = 1;
    sim.interp.t_num = 2;
    const SFramePose pose = host->Render(*machine, out, camera);
    const QImage first = host->Grab();
    const CSceneAnimation before = sim.anim;
    host->Draw(*machine, pose, camera);
    EXPECT_EQ(DifferentPixels(first, host->Grab()), 0);
    EXPECT_EQ(sim.anim.spin_angle, before.spin_angle);
    EXPECT_DOUBLE_EQ(sim.anim.turret_angle, before.turret_angle);
    EXPECT_DOUBLE_EQ(sim.anim.stream_phase, before.stream_phase);
}

TEST_F(SceneRenderTest, TurretSwingShowsInThePicture)
{
    sim.turret.mounted[0] = sim.turret.mounted[1] = 1;
    const QImage station1 = Frame();
    sim.interp.t_num = 2;
    sim.anim.turret_angle = -90.0;
    EXPECT_GT(DifferentPixels(station1, Frame()), 200);
}

} // namespace

namespace {

TEST_F(SceneRenderTest, CoolantStreamRunsFromTheTurretToTheToolTip)
{
    OpenDoor();
    sim.turret.mounted[0] = 1;
    panel.m_nRefMode = ERefMode::Jog;
    for (const auto& [along, across] : {std::pair{-250.0, -40.0}, std::pair{-150.0, -20.0}}) {
        panel.m_dTurretZ = along;
        panel.m_dTurretX = across;
        panel.m_bCoolant = 0;
        const QImage dry = Frame();
        panel.m_bCoolant = 1;
        const QImage wet = Frame();
        const SBedPoint tip = ToolTipWorld(sim, panel);
        const SVec3 p = ProjectToWindow(camera, kWidth, kHeight, {tip.x, 652.5, tip.z});
        // The droplets that are new in the wet frame lie about the tip.
        int near = 0, far = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const QColor a = dry.pixelColor(x, y), b = wet.pixelColor(x, y);
                if (std::abs(a.blue() - b.blue()) + std::abs(a.red() - b.red()) < 40)
                    continue;
                (std::hypot(x - p.x, y - p.y) < 40.0 ? near : far) += 1;
            }
        EXPECT_GT(near, 5) << along;
        EXPECT_EQ(far, 0) << along;
    }
}

} // namespace
