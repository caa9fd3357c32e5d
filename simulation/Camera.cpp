#include "simulation/Camera.h"

#include <cmath>
#include <numbers>

namespace {

TMatrix4 Identity()
{
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

TMatrix4 Multiply(const TMatrix4& a, const TMatrix4& b)
{
    TMatrix4 r{};
    for (int c = 0; c < 4; ++c)
        for (int row = 0; row < 4; ++row) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k)
                sum += a[k * 4 + row] * b[c * 4 + k];
            r[c * 4 + row] = sum;
        }
    return r;
}

TMatrix4 Translation(double x, double y, double z)
{
    TMatrix4 m = Identity();
    m[12] = x;
    m[13] = y;
    m[14] = z;
    return m;
}

// Rotation about one of the axes (0 x, 1 y, 2 z), degrees.
TMatrix4 Rotation(double degrees, int axis)
{
    const double r = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(r), s = std::sin(r);
    TMatrix4 m = Identity();
    const int a = (axis + 1) % 3, b = (axis + 2) % 3;
    m[a * 4 + a] = c;
    m[b * 4 + b] = c;
    m[a * 4 + b] = s;
    m[b * 4 + a] = -s;
    return m;
}

TMatrix4 SceneRotation(TMatrix4 m, const CCamera& cam)
{
    for (int axis = 0; axis < 3; ++axis)
        m = Multiply(m, Rotation(cam.scene_rot[axis], axis));
    return m;
}

std::array<double, 4> Apply(const TMatrix4& m, const std::array<double, 4>& v)
{
    std::array<double, 4> r{};
    for (int row = 0; row < 4; ++row)
        for (int k = 0; k < 4; ++k)
            r[row] += m[k * 4 + row] * v[k];
    return r;
}

} // namespace

void MousePress(CCamera& cam, int x, int y)
{
    cam.dragging = 1;
    cam.last_x = x;
    cam.last_y = y;
}

void MouseRelease(CCamera& cam)
{
    cam.dragging = 0;
}

float TurnBy(float angle, int d, int& rest)
{
    const int pixels = rest + d;
    const int degrees = pixels / camera::kTurnPixels;
    rest = pixels - degrees * camera::kTurnPixels;
    const float turn = static_cast<float>(degrees);
    return angle >= 360.0f ? turn - 360.0f : turn;
}

void MouseMove(CCamera& cam, EMouseMode mode, int x, int y)
{
    const int dx = x - cam.last_x, dy = y - cam.last_y;
    if (cam.dragging) {
        switch (mode) {
        case EMouseMode::Rotate:
            cam.user_rot[0] += TurnBy(cam.user_rot[0], dy, cam.turn_rest[0]);
            cam.user_rot[1] += TurnBy(cam.user_rot[1], dx, cam.turn_rest[1]);
            break;
        case EMouseMode::Pan:
            cam.pan[0] += camera::kPanPerPixel * dx;
            cam.pan[1] -= camera::kPanPerPixel * dy;
            break;
        case EMouseMode::Zoom:
            cam.scene_move[2] += dy;
            break;
        }
    }
    cam.last_x = x;
    cam.last_y = y;
}

TMatrix4 Projection(int w, int h)
{
    const double f = 1.0 / std::tan(camera::kFieldOfView / 2.0 * std::numbers::pi / 180.0);
    const double aspect = h > 0 ? static_cast<double>(w) / h : 1.0;
    const double n = camera::kNear, far = camera::kFar;
    TMatrix4 m{};
    m[0] = f / aspect;
    m[5] = f;
    m[10] = (far + n) / (n - far);
    m[11] = -1.0;
    m[14] = 2.0 * far * n / (n - far);
    return m;
}

TMatrix4 AxisIndicatorView(const CCamera& cam)
{
    return SceneRotation(Translation(camera::kEyeX, 0.0, camera::kEyeZ), cam);
}

TMatrix4 LightView(const CCamera& cam)
{
    const TMatrix4 m = Multiply(Translation(camera::kEyeX, 0.0, camera::kEyeZ),
                                Translation(cam.scene_move[0], cam.scene_move[1],
                                            cam.scene_move[2] * camera::kZoomScale));
    return SceneRotation(m, cam);
}

TMatrix4 SceneModelView(const CCamera& cam)
{
    const SVec3& c = cam.pivot;
    TMatrix4 m = Multiply(LightView(cam), Translation(cam.pan[0] + c.x, cam.pan[1] + c.y, c.z));
    m = Multiply(m, Rotation(cam.user_rot[0], 0));
    m = Multiply(m, Rotation(cam.user_rot[1], 1));
    return Multiply(m, Translation(-c.x, -c.y, -c.z));
}

SVec3 ToEye(const CCamera& cam, SVec3 world)
{
    const auto e = Apply(SceneModelView(cam), {world.x, world.y, world.z, 1.0});
    return {e[0], e[1], e[2]};
}

SVec3 ProjectToWindow(const CCamera& cam, int w, int h, SVec3 world)
{
    const TMatrix4 mvp = Multiply(Projection(w, h), SceneModelView(cam));
    const auto clip = Apply(mvp, {world.x, world.y, world.z, 1.0});
    const double nx = clip[0] / clip[3], ny = clip[1] / clip[3], nz = clip[2] / clip[3];
    return {(nx + 1.0) / 2.0 * w, (1.0 - ny) / 2.0 * h, (nz + 1.0) / 2.0};
}
