// velmora-sim's picture of the part: the machined half-profile over the
// stock's outline, the tool path, the drawing's dimensions and a scale bar,
// in millimetres, so that it prints at its true size.
#include "tools/SimExport.h"

#include "common/NumberText.h"
#include "simulation/PartProfile.h"
#include "simulation/Simulation.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMargin = 10.0;
constexpr double kRow = 7.0;      // between rows of lengths below the axis
constexpr double kTextSize = 3.0; // mm

std::string Num(double value) { return FixedText(value == 0.0 ? 0.0 : value, 3); }

// SVG's y grows downwards, so a radius is drawn as its negative.
void AppendPoint(std::string& svg, double z, double x)
{
    svg += Num(z) + ',' + Num(-x) + ' ';
}

std::string ProfilePoints(const CSimulation& sim)
{
    const CWorkpiece& work = sim.workpiece;
    const int slices = SliceCount(work, sim.switches.stockLength);
    const double bore = sim.switches.stockInnerDiameter / 2.0;
    std::string points;
    AppendPoint(points, 0.0, bore);
    for (int i = 0; i < slices; ++i) {
        const double r = std::max(work.profile_r[i], bore);
        AppendPoint(points, -i * work.slice_len, r);
        AppendPoint(points, -(i + 1) * work.slice_len, r);
    }
    AppendPoint(points, -slices * work.slice_len, bore);
    return points;
}

std::string TracePoints(const CWorkpiece& work)
{
    std::string points;
    for (int i = 0; i < work.nn; ++i)
        if (std::isfinite(work.Dg_x[i]) && std::isfinite(work.Dg_z[i]))
            AppendPoint(points, work.Dg_z[i], work.Dg_x[i]);
    return points;
}

std::string Line(double z0, double y0, double z1, double y1)
{
    return "<line x1=\"" + Num(z0) + "\" y1=\"" + Num(y0) + "\" x2=\"" + Num(z1) + "\" y2=\"" +
           Num(y1) + "\"/>\n";
}

std::string Text(double z, double y, const std::string& text)
{
    return "<text stroke=\"none\" x=\"" + Num(z) + "\" y=\"" + Num(y) + "\">" + text + "</text>\n";
}

std::string Dimensions(const SPartProfile& part)
{
    std::string svg = "<g stroke=\"#000000\" stroke-width=\"0.2\" font-size=\"" + Num(kTextSize) +
                      "\" font-family=\"sans-serif\" text-anchor=\"middle\">\n";
    for (const SPartStep& step : part.steps) {
        const double mid = (step.zLeft + step.zRight) / 2.0;
        svg += Line(mid, 0.0, mid, -step.radius) + Text(mid, -step.radius - 1.0, DiameterText(step.radius));
        if (part.steps.size() > 1) // a single step's length is the overall length
            svg += Line(step.zLeft, kRow, step.zRight, kRow) +
                   Text(mid, kRow - 1.0, DimensionText(step.Length()));
    }
    svg += Line(part.zChuck, 2 * kRow, part.zFace, 2 * kRow) +
           Text((part.zChuck + part.zFace) / 2.0, 2 * kRow - 1.0, DimensionText(part.Length()));
    return svg + "</g>\n";
}

std::string ScaleBar(double z, double y)
{
    return "<g stroke=\"#000000\" stroke-width=\"0.6\" font-size=\"" + Num(kTextSize) +
           "\" font-family=\"sans-serif\">\n" + Line(z, y, z + 10.0, y) +
           Text(z + 11.0, y + 1.0, "10 mm") + "</g>\n";
}

} // namespace

std::string ProfileSvg(const CSimulation& sim)
{
    const double length = sim.switches.stockLength, radius = sim.switches.stockOuterDiameter / 2.0;
    // The picture holds the stock, the whole tool path and the dimensions.
    double zMin = -length, zMax = 0.0, xMax = radius;
    const CWorkpiece& work = sim.workpiece;
    for (int i = 0; i < work.nn; ++i) {
        if (!std::isfinite(work.Dg_x[i]) || !std::isfinite(work.Dg_z[i]))
            continue;
        zMin = std::min(zMin, work.Dg_z[i]);
        zMax = std::max(zMax, work.Dg_z[i]);
        xMax = std::max(xMax, work.Dg_x[i]);
    }
    const double left = zMin - kMargin, top = -xMax - kMargin;
    const double width = zMax - zMin + 2 * kMargin, height = xMax + kMargin + 3 * kRow + kMargin;
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      Num(width) + "mm\" height=\"" + Num(height) + "mm\" viewBox=\"" + Num(left) + ' ' +
                      Num(top) + ' ' + Num(width) + ' ' + Num(height) + "\">\n";
    svg += "<polygon fill=\"#ffff00\" stroke=\"#808080\" stroke-width=\"0.2\" points=\"" + ProfilePoints(sim) +
           "\"/>\n<rect fill=\"none\" stroke=\"#000000\" stroke-width=\"0.3\" stroke-dasharray=\"2,1\" x=\"" +
           Num(-length) + "\" y=\"" + Num(-radius) + "\" width=\"" + Num(length) + "\" height=\"" +
           Num(radius - sim.switches.stockInnerDiameter / 2.0) + "\"/>\n";
    svg += "<polyline fill=\"none\" stroke=\"#00a0a0\" stroke-width=\"0.2\" points=\"" + TracePoints(work) + "\"/>\n";
    svg += Dimensions(PartOf(sim)) + ScaleBar(left + 2.0, 3 * kRow);
    return svg + "</svg>\n";
}
