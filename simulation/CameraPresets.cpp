#include "simulation/CameraPresets.h"

#include "simulation/SceneFrame.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kFill = 0.8;          // of the pane the framed box takes
constexpr double kWheelStep = 0.8;     // distance kept per notch
constexpr double kToolReach = 60.0;    // a tool farther off the stock is left out
constexpr double kSmallestStock = 20.0; // a view of a bare chuck still shows something

double HalfViewTangent()
{
    return std::tan(camera::kFieldOfView / 2.0 * std::numbers::pi / 180.0);
}

void Include(SWorldBox& box, SVec3 p)
{
    box.lo = {std::min(box.lo.x, p.x), std::min(box.lo.y, p.y), std::min(box.lo.z, p.z)};
    box.hi = {std::max(box.hi.x, p.x), std::max(box.hi.y, p.y), std::max(box.hi.z, p.z)};
}

double Gap(double lo, double hi, double v)
{
    return v < lo ? lo - v : (v > hi ? v - hi : 0.0);
}

} // namespace

void ResetView(CCamera& cam)
{
    const SVec3 pivot = cam.pivot;
    const int dragging = cam.dragging, x = cam.last_x, y = cam.last_y;
    cam = CCamera{};
    cam.pivot = pivot;
    cam.dragging = dragging;
    cam.last_x = x;
    cam.last_y = y;
}

void FrameBox(CCamera& cam, const SWorldBox& box, double aspect)
{
    cam.scene_move[0] = cam.scene_move[1] = cam.scene_move[2] = 0.0f;
    SWorldBox eye{{1e300, 1e300, 1e300}, {-1e300, -1e300, -1e300}};
    for (int corner = 0; corner < 8; ++corner)
        Include(eye, ToEye(cam, {corner & 1 ? box.hi.x : box.lo.x, corner & 2 ? box.hi.y : box.lo.y,
                                 corner & 4 ? box.hi.z : box.lo.z}));
    const double t = HalfViewTangent() * kFill;
    const double halfW = (eye.hi.x - eye.lo.x) / 2.0, halfH = (eye.hi.y - eye.lo.y) / 2.0;
    const double depth = (eye.hi.z - eye.lo.z) / 2.0;
    const double distance =
        std::max({halfH / t, halfW / (t * std::max(aspect, 0.1)), camera::kNear * 1.5}) + depth;
    cam.scene_move[0] = static_cast<float>(-(eye.lo.x + eye.hi.x) / 2.0);
    cam.scene_move[1] = static_cast<float>(-(eye.lo.y + eye.hi.y) / 2.0);
    cam.scene_move[2] =
        static_cast<float>((-distance - (eye.lo.z + eye.hi.z) / 2.0) / camera::kZoomScale);
}

void FrontView(CCamera& cam, const SWorldBox& box, double aspect)
{
    ResetView(cam);
    cam.scene_rot[0] = 90.0f;
    cam.scene_rot[1] = cam.scene_rot[2] = 0.0f;
    FrameBox(cam, box, aspect);
}

void WheelZoom(CCamera& cam, int notches)
{
    const double distance = -ToEye(cam, cam.pivot).z;
    const double wanted = std::clamp(distance * std::pow(kWheelStep, notches),
                                     camera::kNear * 1.5, camera::kFar / 4.0);
    cam.scene_move[2] += static_cast<float>((distance - wanted) / camera::kZoomScale);
}

SWorldBox WorkpieceBox(const CMachine& machine)
{
    const CSceneSwitches& sw = machine.sim.switches;
    const double r = std::max(sw.stockOuterDiameter, kSmallestStock) / 2.0;
    const double length = std::max(sw.stockLength, kSmallestStock);
    SWorldBox box{{scene::kChuckFaceX, scene::kAxisY - r, scene::kAxisZ - r},
                  {scene::kChuckFaceX + length, scene::kAxisY + r, scene::kAxisZ + r}};
    const SBedPoint tip = ToolTipWorld(machine.sim, machine.panel);
    if (Gap(box.lo.x, box.hi.x, tip.x) < kToolReach && Gap(box.lo.z, box.hi.z, tip.z) < kToolReach)
        Include(box, {tip.x, scene::kAxisY, tip.z});
    return box;
}

SVec3 WorkpieceCentre(const CMachine& machine)
{
    return {scene::kChuckFaceX + machine.sim.switches.stockLength / 2.0, scene::kAxisY,
            scene::kAxisZ};
}
