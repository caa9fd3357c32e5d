#include "simulation/PartProfile.h"

#include "common/NumberText.h"
#include "simulation/Simulation.h"

#include <algorithm>
#include <cmath>

namespace {

// A step is at least this many slices whose radii agree this closely: a
// chamfer or an arc, whose radius changes from slice to slice, makes none.
constexpr int kMinStepSlices = 3;
constexpr double kFlat = 0.005;

struct SRun {
    int first = 0, last = 0; // slices, inclusive
};

std::vector<SRun> FlatRuns(std::span<const double> r, int begin)
{
    std::vector<SRun> runs;
    const int n = static_cast<int>(r.size());
    for (int i = begin; i < n;) {
        int j = i;
        while (j + 1 < n && std::abs(r[j + 1] - r[i]) <= kFlat)
            ++j;
        if (j - i + 1 >= kMinStepSlices)
            runs.push_back({i, j});
        i = j + 1;
    }
    return runs;
}

// Steps from the runs: each boundary between two steps lies in the middle of
// the slices between them; the outer ones at the face and at the chuck end.
std::vector<SPartStep> StepsOf(const std::vector<SRun>& runs, std::span<const double> r,
                               double len, int begin)
{
    std::vector<SPartStep> steps;
    const int n = static_cast<int>(r.size());
    for (std::size_t k = 0; k < runs.size(); ++k) {
        const double right = k == 0 ? begin : (runs[k - 1].last + 1 + runs[k].first) / 2.0;
        const double left = k + 1 == runs.size() ? n : (runs[k].last + 1 + runs[k + 1].first) / 2.0;
        steps.push_back({-right * len, -left * len, r[runs[k].first]});
    }
    return steps;
}

std::vector<SPartPoint> OutlineOf(const std::vector<SRun>& runs, std::span<const double> r,
                                  double len, int begin)
{
    std::vector<SPartPoint> outline;
    const int n = static_cast<int>(r.size());
    std::size_t run = 0;
    for (int i = begin; i < n; ++i) {
        if (run < runs.size() && i == runs[run].first) {
            outline.push_back({-i * len, r[i]});
            i = runs[run].last;
            outline.push_back({-(i + 1) * len, r[i]});
            ++run;
        } else {
            outline.push_back({-(i + 0.5) * len, r[i]});
        }
    }
    return outline;
}

} // namespace

SPartProfile AnalyseProfile(std::span<const double> radii, double sliceLength,
                            double stockDiameter, double boreDiameter)
{
    SPartProfile part;
    part.stockRadius = stockDiameter / 2.0;
    part.boreRadius = boreDiameter / 2.0;
    const int n = static_cast<int>(radii.size());
    int begin = 0;
    while (begin < n && radii[begin] <= part.boreRadius + kFlat)
        ++begin;
    part.zFace = -begin * sliceLength;
    part.zChuck = -n * sliceLength;
    const std::vector<SRun> runs = FlatRuns(radii, begin);
    part.steps = StepsOf(runs, radii, sliceLength, begin);
    part.outline = OutlineOf(runs, radii, sliceLength, begin);
    return part;
}

SPartProfile PartOf(const CSimulation& sim)
{
    const CWorkpiece& w = sim.workpiece;
    const int n = SliceCount(w, sim.switches.stockLength);
    return AnalyseProfile(std::span<const double>(w.profile_r.data(), static_cast<std::size_t>(n)),
                          w.slice_len, sim.switches.stockOuterDiameter,
                          sim.switches.stockInnerDiameter);
}

const SPartStep* StepAt(const SPartProfile& part, double z)
{
    for (const SPartStep& step : part.steps)
        if (z <= step.zRight && z >= step.zLeft)
            return &step;
    return nullptr;
}

SMeasurement Measure(SPartPoint from, SPartPoint to)
{
    const double dx = to.x - from.x, dz = to.z - from.z;
    return {std::hypot(dx, dz), dx, dz};
}

SPartPoint SnapToCorner(const SPartProfile& part, SPartPoint p, double reach)
{
    SPartPoint best = p;
    double nearest = reach;
    for (const SPartPoint& corner : part.outline) {
        const double d = Measure(p, corner).distance;
        if (d <= nearest) {
            nearest = d;
            best = corner;
        }
    }
    return best;
}

std::vector<SPartPoint> ProgrammedContour(const CInterpreterState& interp)
{
    std::vector<SPartPoint> contour;
    for (const MoveNode& node : interp.nodes)
        if (node.kind == 'G')
            contour.push_back({node.z1, node.x1});
    return contour;
}

std::string DiameterText(double radius)
{
    return "Φ" + FixedText(2.0 * radius, 2);
}

std::string DimensionText(double length)
{
    return FixedText(length, 2);
}
