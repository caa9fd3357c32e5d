#include "simulation/Camera.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Drags from (100, 100) in steps of (dx, dy) per mouse message.
void Drag(CCamera& cam, EMouseMode mode, int dx, int dy, int steps)
{
    MousePress(cam, 100, 100);
    for (int i = 1; i <= steps; ++i)
        MouseMove(cam, mode, 100 + i * dx, 100 + i * dy);
    MouseRelease(cam);
}

TEST(CameraTest, FourteenPixelsTurnTwoDegreesHoweverSlowlyTheyAreDragged)
{
    CCamera fast, slow, wobbly;
    Drag(fast, EMouseMode::Rotate, 14, -14, 1);
    Drag(slow, EMouseMode::Rotate, 1, -1, 14);
    Drag(wobbly, EMouseMode::Rotate, 6, 0, 1);
    Drag(wobbly, EMouseMode::Rotate, -6, 0, 1);
    for (const CCamera* cam : {&fast, &slow}) {
        EXPECT_FLOAT_EQ(cam->user_rot[1], 2.0f);
        EXPECT_FLOAT_EQ(cam->user_rot[0], -2.0f);
    }
    EXPECT_FLOAT_EQ(wobbly.user_rot[1], 0.0f);
}

TEST(CameraTest, TurningPast360WrapsBack)
{
    int rest = 0;
    EXPECT_FLOAT_EQ(TurnBy(360.0f, 14, rest), -358.0f);
    EXPECT_FLOAT_EQ(TurnBy(359.0f, 14, rest), 2.0f);
}

TEST(CameraTest, TurningKeepsThePivotWhereItIsOnScreen)
{
    CCamera cam;
    const SVec3 before = ProjectToWindow(cam, 800, 600, cam.pivot);
    Drag(cam, EMouseMode::Rotate, 280, 140, 1);
    const SVec3 after = ProjectToWindow(cam, 800, 600, cam.pivot);
    EXPECT_NEAR(after.x, before.x, 0.5);
    EXPECT_NEAR(after.y, before.y, 0.5);
}

TEST(CameraTest, PanMovesThreeUnitsAPixelWithYUp)
{
    CCamera cam;
    Drag(cam, EMouseMode::Pan, 10, 0, 1);
    Drag(cam, EMouseMode::Pan, 0, 10, 1);
    EXPECT_FLOAT_EQ(cam.pan[0], 30.0f);
    EXPECT_FLOAT_EQ(cam.pan[1], -30.0f);
}

TEST(CameraTest, ZoomTakesThePixelsDown)
{
    CCamera cam;
    Drag(cam, EMouseMode::Zoom, 0, 12, 1);
    EXPECT_FLOAT_EQ(cam.scene_move[2], 12.0f);
}

TEST(CameraTest, MovingWithoutTheButtonOnlyRemembersThePosition)
{
    CCamera cam;
    MouseMove(cam, EMouseMode::Pan, 40, 50);
    EXPECT_FLOAT_EQ(cam.pan[0], 0.0f);
    EXPECT_EQ(cam.last_x, 40);
    EXPECT_EQ(cam.last_y, 50);
}

TEST(CameraTest, ResizingKeepsTheFieldOfViewAndChangesOnlyTheAspect)
{
    const TMatrix4 narrow = Projection(400, 300);
    const TMatrix4 wide = Projection(800, 300);
    EXPECT_DOUBLE_EQ(narrow[5], wide[5]);
    EXPECT_NEAR(1.0 / std::tan(1.25 * 3.14159265358979 / 180.0), wide[5], 1e-6);
    EXPECT_DOUBLE_EQ(narrow[0], 2.0 * wide[0]);
}

TEST(CameraTest, ZoomingDownBringsTheSceneCloser)
{
    CCamera cam;
    const SVec3 chuck{455.0, 652.5, 150.0};
    const SVec3 far = ProjectToWindow(cam, 800, 600, chuck);
    cam.scene_move[2] = 100.0f;
    const SVec3 near = ProjectToWindow(cam, 800, 600, chuck);
    EXPECT_LT(near.z, far.z);
}

TEST(CameraTest, TheWorkAreaFacesTheDefaultView)
{
    CCamera cam;
    for (SVec3 corner : {SVec3{0, 0, 0}, SVec3{1200, 0, 420}, SVec3{455, 652.5, 150},
                         SVec3{1120, 452.5, 150}}) {
        const SVec3 p = ProjectToWindow(cam, 800, 600, corner);
        EXPECT_GT(p.x, 0.0);
        EXPECT_LT(p.x, 800.0);
        EXPECT_GT(p.y, 0.0);
        EXPECT_LT(p.y, 600.0);
    }
}

} // namespace
