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
