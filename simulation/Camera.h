#pragma once
// The view's camera: a fixed scene orientation, the mouse's rotation, pan and
// zoom, and the perspective projection. Plain math, so the navigation can be
// checked without a window.
#include "simulation/SceneSwitches.h"

#include <array>

struct SVec3 {
    double x = 0.0, y = 0.0, z = 0.0;
};

// Column-major, as the fixed-function pipeline loads it.
using TMatrix4 = std::array<double, 16>;

struct CCamera {
    float scene_rot[3] = {30.0f, -30.0f, 0.0f};
    float scene_move[3] = {0.0f, 0.0f, 0.0f}; // the third is the zoom, drawn times 50
    float pan[2] = {0.0f, 0.0f};
    float user_rot[2] = {0.0f, 0.0f};
    // Pixels of a slow drag not yet turned into whole degrees, about x and y.
    int turn_rest[2] = {0, 0};
    // The user's rotation turns the scene about this world point, so that
    // the workpiece stays in view however far it is turned.
    SVec3 pivot{555.0, 652.5, 150.0};
    int dragging = 0;
    int last_x = 0, last_y = 0;
};

namespace camera {
inline constexpr double kFieldOfView = 2.5; // vertical, degrees
inline constexpr double kNear = 1000.0;
inline constexpr double kFar = 8000000.0;
inline constexpr double kEyeX = -500.0;     // where the frame puts the scene before turning it
inline constexpr double kEyeZ = -40000.0;
inline constexpr int kTurnPixels = 7;
inline constexpr float kPanPerPixel = 3.0f;
inline constexpr float kZoomScale = 50.0f;
} // namespace camera

void MousePress(CCamera& cam, int x, int y);
void MouseRelease(CCamera& cam);
// Navigation while the left button is held, by the mouse mode; the last
// position is taken on every move.
void MouseMove(CCamera& cam, EMouseMode mode, int x, int y);

// The rotation a drag of d pixels adds to an angle that stands at angle;
// rest carries the pixels too few for a degree over to the next message.
float TurnBy(float angle, int d, int& rest);

// The perspective projection for a viewport of w x h; an empty viewport
// gets a square one's.
TMatrix4 Projection(int w, int h);
// The axis indicator turns with the scene's fixed orientation only.
TMatrix4 AxisIndicatorView(const CCamera& cam);
// Where the light is placed: the scene moved and turned, before the user's
// pan and rotation, so the light stays put while the user turns the machine.
TMatrix4 LightView(const CCamera& cam);
// The model-view matrix the machine is drawn with.
TMatrix4 SceneModelView(const CCamera& cam);
// Eye coordinates of a world point (the viewer looks along -z).
SVec3 ToEye(const CCamera& cam, SVec3 world);
// Window pixel (x right, y down) of a world point, for a viewport of w x h.
SVec3 ProjectToWindow(const CCamera& cam, int w, int h, SVec3 world);
