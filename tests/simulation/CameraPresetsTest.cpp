#include "simulation/CameraPresets.h"
#include "simulation/Machine.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int kW = 800, kH = 600;

// The window rectangle the box's corners project to: left, top, right, bottom.
std::array<double, 4> Extent(const CCamera& cam, const SWorldBox& box)
{
    std::array<double, 4> e{1e9, 1e9, -1e9, -1e9};
    for (int c = 0; c < 8; ++c) {
        const SVec3 p = ProjectToWindow(cam, kW, kH, {c & 1 ? box.hi.x : box.lo.x,
                                                      c & 2 ? box.hi.y : box.lo.y,
                                                      c & 4 ? box.hi.z : box.lo.z});
        e = {std::min(e[0], p.x), std::min(e[1], p.y), std::max(e[2], p.x), std::max(e[3], p.y)};
    }
    return e;
}

TEST(CameraPresetsTest, ResetBringsTheStartViewBackAfterTurningPanningAndZooming)
{
    CCamera cam;
    MousePress(cam, 0, 0);
    MouseMove(cam, EMouseMode::Rotate, 300, 200);
    MouseMove(cam, EMouseMode::Pan, 310, 240);
    WheelZoom(cam, 3);
    ResetView(cam);
    EXPECT_EQ(SceneModelView(cam), SceneModelView(CCamera{}));
}

TEST(CameraPresetsTest, FramedWorkpieceFillsThePaneWithoutLeavingIt)
{
    CMachine machine;
    machine.sim.switches.stockOuterDiameter = 40.0;
    const SWorldBox box = WorkpieceBox(machine);
    for (bool front : {false, true}) {
        CCamera cam;
        if (front)
            FrontView(cam, box, double(kW) / kH);
        else
            FrameBox(cam, box, double(kW) / kH);
        const auto e = Extent(cam, box);
        EXPECT_GE(e[0], 0.0);
        EXPECT_GE(e[1], 0.0);
        EXPECT_LE(e[2], kW);
        EXPECT_LE(e[3], kH);
        EXPECT_GT(std::max((e[2] - e[0]) / kW, (e[3] - e[1]) / kH), 0.7) << front;
    }
}

TEST(CameraPresetsTest, FrontViewShowsTheAxisLevelAndTheCrossSlideUpright)
{
    CMachine machine;
    CCamera cam;
    FrontView(cam, WorkpieceBox(machine), 1.0);
    const SVec3 chuck = ProjectToWindow(cam, kW, kH, {455.0, 652.5, 150.0});
    const SVec3 end = ProjectToWindow(cam, kW, kH, {655.0, 652.5, 150.0});
    const SVec3 front = ProjectToWindow(cam, kW, kH, {455.0, 652.5, 170.0});
    EXPECT_NEAR(chuck.y, end.y, 0.5);
    EXPECT_GT(end.x, chuck.x);
    EXPECT_NEAR(front.x, chuck.x, 0.5);
    EXPECT_GT(std::abs(front.y - chuck.y), 10.0);
}

TEST(CameraPresetsTest, WheelNotchesZoomInEvenStepsAndBackAgain)
{
    CCamera cam;
    auto distance = [&cam] { return -ToEye(cam, cam.pivot).z; };
    const double start = distance();
    WheelZoom(cam, 1);
    const double one = distance();
    WheelZoom(cam, 1);
    EXPECT_NEAR(one / start, distance() / one, 1e-6);
    EXPECT_LT(one, start);
    WheelZoom(cam, -2);
    EXPECT_NEAR(distance(), start, 1e-3 * start);
}

TEST(CameraPresetsTest, ToolIsFramedWithTheStockOnlyWhenNearIt)
{
    CMachine machine;
    machine.sim.switches.stockOuterDiameter = 40.0;
    const SWorldBox away = WorkpieceBox(machine); // the tool stands at home
    EXPECT_NEAR(away.hi.x, 455.0 + 200.0, 1e-9);
    machine.panel.m_nRefMode = ERefMode::Jog;
    machine.sim.anim.manual_z = -270.0;
    const SWorldBox near = WorkpieceBox(machine);
    EXPECT_GT(near.hi.z, away.hi.z);
}

} // namespace
