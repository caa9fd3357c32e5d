#include "simulation/ToolShapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// x of every face corner at the given z (the cutting edge lies at z 0).
std::vector<double> XsAt(const SPanelGroup& tool, double z)
{
    std::vector<double> xs;
    for (const SFace& f : tool.faces)
        for (int i = 0; i < f.count; ++i)
            if (std::abs(f.corners[i].z - z) < 1e-9)
                xs.push_back(f.corners[i].x);
    return xs;
}

TEST(ToolShapesTest, GroovingEdgeIsAsWideAsTheGrooveAndThreadingPointIsSixtyDegrees)
{
    const std::vector<double> edge = XsAt(GroovingToolShape(3.0), 0.0);
    EXPECT_DOUBLE_EQ(*std::min_element(edge.begin(), edge.end()), tool_shape::kTipX);
    EXPECT_DOUBLE_EQ(*std::max_element(edge.begin(), edge.end()), tool_shape::kTipX + 3.0);
    const std::vector<double> flanks = XsAt(ThreadingToolShape(), 6.0);
    const double spread = *std::max_element(flanks.begin(), flanks.end())
                          - *std::min_element(flanks.begin(), flanks.end());
    EXPECT_NEAR(2.0 * std::atan(spread / 2.0 / 6.0) * 180.0 / std::numbers::pi, 60.0, 1e-6);
    for (double x : XsAt(TurningToolShape(), 0.0))
        EXPECT_DOUBLE_EQ(x, tool_shape::kTipX);
}

TEST(ToolShapesTest, EveryFaceOfTheInsertsFacesOutwards)
{
    for (const SPanelGroup& tool : {TurningToolShape(), GroovingToolShape(5.0), ThreadingToolShape()}) {
        SPoint3 c{};
        int n = 0;
        for (const SFace& f : tool.faces)
            for (int i = 0; i < f.count; ++i, ++n) {
                c.x += f.corners[i].x;
                c.y += f.corners[i].y;
                c.z += f.corners[i].z;
            }
        c = {c.x / n, c.y / n, c.z / n};
        for (const SFace& f : tool.faces) {
            const SPoint3 a = f.corners[0], b = f.corners[1], d = f.corners[2];
            const double ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
            const double vx = d.x - a.x, vy = d.y - a.y, vz = d.z - a.z;
            const double nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
            EXPECT_GT(nx * (a.x - c.x) + ny * (a.y - c.y) + nz * (a.z - c.z), 0.0);
        }
    }
}

} // namespace
