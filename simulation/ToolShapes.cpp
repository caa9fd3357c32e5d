#include "simulation/ToolShapes.h"

#include "editor/ToolLibrary.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr SRgbF kToolColour{1.0f, 0.0f, 1.0f};
constexpr double kLow = -5.0, kHigh = 8.0;      // y of the insert's faces
constexpr double kShankFrom = 20.0, kShankTo = 120.0;

struct SXz {
    double x, z;
};

SPoint3 Sub(SPoint3 a, SPoint3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

// Keeps the face's corners in the order whose normal points away from inside.
SFace Outward(std::vector<SPoint3> corners, SPoint3 inside)
{
    const SPoint3 u = Sub(corners[1], corners[0]), v = Sub(corners[2], corners[0]);
    const SPoint3 n{u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
    const SPoint3 out = Sub(corners[0], inside);
    if (n.x * out.x + n.y * out.y + n.z * out.z < 0.0)
        std::reverse(corners.begin(), corners.end());
    SFace face{static_cast<int>(corners.size()), {}};
    for (std::size_t i = 0; i < corners.size(); ++i)
        face.corners[i] = corners[i];
    return face;
}

// A convex outline in the (x, z) plane, given as a flat slab from kLow to kHigh.
void AddSlab(SPanelGroup& group, const std::vector<SXz>& outline)
{
    SPoint3 centre{0.0, (kLow + kHigh) / 2.0, 0.0};
    for (const SXz& p : outline) {
        centre.x += p.x / outline.size();
        centre.z += p.z / outline.size();
    }
    std::vector<SPoint3> top, bottom;
    for (const SXz& p : outline) {
        top.push_back({p.x, kHigh, p.z});
        bottom.push_back({p.x, kLow, p.z});
    }
    group.faces.push_back(Outward(top, centre));
    group.faces.push_back(Outward(bottom, centre));
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const SXz a = outline[i], b = outline[(i + 1) % outline.size()];
        group.faces.push_back(Outward(
            {{a.x, kLow, a.z}, {b.x, kLow, b.z}, {b.x, kHigh, b.z}, {a.x, kHigh, a.z}}, centre));
    }
}

SPanelGroup WithShank()
{
    return {kToolColour, {{-8, 8, kLow, 5, kShankFrom, kShankTo}}, {}, {}};
}

} // namespace

double GroovingToolWidth()
{
    const CToolLibrary library;
    const std::string& text = library.Rows()[1][tool_library::kColumns - 1];
    double width = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), width);
    return width;
}

SPanelGroup TurningToolShape()
{
    SPanelGroup tool = WithShank();
    AddSlab(tool, {{tool_shape::kTipX, 0.0}, {8.0, kShankFrom}, {-8.0, kShankFrom}});
    return tool;
}

SPanelGroup GroovingToolShape(double width)
{
    SPanelGroup tool = WithShank();
    const double x0 = tool_shape::kTipX, x1 = x0 + std::max(width, 0.5);
    AddSlab(tool, {{x0, 0.0}, {x1, 0.0}, {x1, kShankFrom}, {x0, kShankFrom}});
    return tool;
}

SPanelGroup ThreadingToolShape()
{
    SPanelGroup tool = WithShank();
    const double half = 6.0 * std::tan(30.0 * std::numbers::pi / 180.0);
    const double x = tool_shape::kTipX;
    AddSlab(tool, {{x, 0.0}, {x + half, 6.0}, {x + half, kShankFrom}, {x - half, kShankFrom},
                   {x - half, 6.0}});
    return tool;
}
