#include "tools/SimExport.h"

#include "common/NumberText.h"
#include "program/FileReplace.h"
#include "simulation/ProfileMesh.h"
#include "simulation/Simulation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

void AppendNumber(std::string& text, double value) { AppendFixed(text, value, 6); }

SPartShape Stock(const CSimulation& sim)
{
    return {sim.switches.stockOuterDiameter, sim.switches.stockInnerDiameter, sim.switches.stockLength};
}

// SVG user units are millimetres; y grows downwards, so a radius is drawn
// as its negative.
void AppendPoint(std::string& svg, double z, double x)
{
    AppendFixed(svg, z, 3);
    svg += ',';
    AppendFixed(svg, x == 0.0 ? 0.0 : -x, 3);
    svg += ' ';
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

void AppendFloat(std::string& out, float value)
{
    // STL is little-endian, as is every machine this builds on.
    char bytes[4];
    std::memcpy(bytes, &value, 4);
    out.append(bytes, 4);
}

TVertex Normal(const STriangle& t)
{
    const double u[3] = {t.b[0] - t.a[0], t.b[1] - t.a[1], t.b[2] - t.a[2]};
    const double v[3] = {t.c[0] - t.a[0], t.c[1] - t.a[1], t.c[2] - t.a[2]};
    double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (length > 0.0)
        for (double& c : n)
            c /= length;
    return {static_cast<float>(n[0]), static_cast<float>(n[1]), static_cast<float>(n[2])};
}

} // namespace

std::string ProfileCsv(const CSimulation& sim)
{
    std::string csv = "slice,radius\n";
    const int slices = SliceCount(sim.workpiece, sim.switches.stockLength);
    for (int i = 0; i < slices; ++i) {
        csv += std::to_string(i) + ',';
        AppendNumber(csv, sim.workpiece.profile_r[i]);
        csv += '\n';
    }
    return csv;
}

std::string TraceCsv(const CSimulation& sim)
{
    std::string csv = "index,x,z\n";
    for (int i = 0; i < sim.workpiece.nn; ++i) {
        csv += std::to_string(i) + ',';
        AppendNumber(csv, sim.workpiece.Dg_x[i]);
        csv += ',';
        AppendNumber(csv, sim.workpiece.Dg_z[i]);
        csv += '\n';
    }
    return csv;
}

std::string ProfileSvg(const CSimulation& sim)
{
    const double length = sim.switches.stockLength, radius = sim.switches.stockOuterDiameter / 2.0;
    // The picture holds the stock and the whole tool path, with a margin.
    double zMin = -length, zMax = 0.0, xMax = radius;
    const CWorkpiece& work = sim.workpiece;
    for (int i = 0; i < work.nn; ++i) {
        if (!std::isfinite(work.Dg_x[i]) || !std::isfinite(work.Dg_z[i]))
            continue;
        zMin = std::min(zMin, work.Dg_z[i]);
        zMax = std::max(zMax, work.Dg_z[i]);
        xMax = std::max(xMax, work.Dg_x[i]);
    }
    const double margin = 10.0;
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"";
    for (double value : {zMin - margin, -xMax - margin, zMax - zMin + 2 * margin, xMax + 2 * margin}) {
        AppendFixed(svg, value, 3);
        svg += ' ';
    }
    svg.back() = '"';
    svg += ">\n<polygon fill=\"#ffff00\" stroke=\"#808080\" stroke-width=\"0.2\" points=\"" + ProfilePoints(sim) +
           "\"/>\n<rect fill=\"none\" stroke=\"#000000\" stroke-width=\"0.3\" stroke-dasharray=\"2,1\" x=\"";
    AppendFixed(svg, -length, 3);
    svg += "\" y=\"";
    AppendFixed(svg, -radius, 3);
    svg += "\" width=\"";
    AppendFixed(svg, length, 3);
    svg += "\" height=\"";
    AppendFixed(svg, radius - sim.switches.stockInnerDiameter / 2.0, 3);
    svg += "\"/>\n<polyline fill=\"none\" stroke=\"#00a0a0\" stroke-width=\"0.2\" points=\"" +
           TracePoints(work) + "\"/>\n</svg>\n";
    return svg;
}

std::string PartStl(const CSimulation& sim)
{
    const std::vector<STriangle> mesh = RevolveProfile(sim.workpiece, Stock(sim));
    std::string stl(80, '\0');
    std::memcpy(stl.data(), "velmora machined part", 21);
    const auto count = static_cast<std::uint32_t>(mesh.size());
    char bytes[4];
    std::memcpy(bytes, &count, 4);
    stl.append(bytes, 4);
    for (const STriangle& t : mesh) {
        for (float c : Normal(t))
            AppendFloat(stl, c);
        for (const TVertex* v : {&t.a, &t.b, &t.c})
            for (float c : *v)
                AppendFloat(stl, c);
        stl.append(2, '\0');
    }
    return stl;
}

std::string WriteWholeFile(const std::string& path, const std::string& content)
{
    const SReplaceFailure failure = ReplaceFileContents(path, content);
    return failure.error == 0 ? std::string() : DescribeReplaceFailure("无法写入导出文件", path, failure);
}
