#include "simulation/ProfileMesh.h"

#include "simulation/Workpiece.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// A point of the profile's outline: z along the axis, r from it.
struct SOutlinePoint {
    double z, r;
};

struct SRing {
    std::vector<double> cos, sin;
    explicit SRing(int segments)
    {
        for (int j = 0; j <= segments; ++j) {
            const double angle = 2.0 * std::numbers::pi * (j % segments) / segments;
            cos.push_back(std::cos(angle));
            sin.push_back(std::sin(angle));
        }
    }
};

TVertex At(const SOutlinePoint& p, const SRing& ring, int j)
{
    if (p.r == 0.0)
        return {0.0f, 0.0f, static_cast<float>(p.z)}; // one point on the axis, never a -0
    return {static_cast<float>(p.r * ring.cos[j]), static_cast<float>(p.r * ring.sin[j]), static_cast<float>(p.z)};
}

// The surface swept by one outline edge; an end on the axis closes to a point.
void RevolveEdge(const SOutlinePoint& p, const SOutlinePoint& q, const SRing& ring, std::vector<STriangle>& mesh)
{
    if ((p.z == q.z && p.r == q.r) || (p.r == 0.0 && q.r == 0.0))
        return;
    const int segments = static_cast<int>(ring.cos.size()) - 1;
    for (int j = 0; j < segments; ++j) {
        const TVertex p0 = At(p, ring, j), p1 = At(p, ring, j + 1);
        const TVertex q0 = At(q, ring, j), q1 = At(q, ring, j + 1);
        if (p.r != 0.0)
            mesh.push_back({p0, q0, p1});
        if (q.r != 0.0)
            mesh.push_back({q0, q1, p1});
    }
}

// The outline of slices [first, last) of the part, running from the free
// end along the outside towards the chuck and back along the bore or axis.
std::vector<SOutlinePoint> Outline(const std::vector<double>& radius, int first, int last, double len, double bore)
{
    std::vector<SOutlinePoint> outline{{-first * len, bore}};
    for (int i = first; i < last; ++i) {
        if (i == first || radius[i] != radius[i - 1])
            outline.push_back({-i * len, radius[i]});
        if (i + 1 == last || radius[i + 1] != radius[i])
            outline.push_back({-(i + 1) * len, radius[i]});
    }
    outline.push_back({-last * len, bore});
    return outline;
}

} // namespace

std::vector<STriangle> RevolveProfile(const CWorkpiece& work, const SPartShape& stock, int segments)
{
    const int slices = SliceCount(work, stock.length);
    const double bore = std::max(0.0, stock.innerDiameter / 2.0);
    std::vector<double> radius(static_cast<std::size_t>(slices));
    for (int i = 0; i < slices; ++i)
        radius[i] = std::max(work.profile_r[i], bore); // a cut deeper than the bore leaves no wall
    const SRing ring(segments);
    std::vector<STriangle> mesh;
    for (int first = 0; first < slices;) {
        if (!(radius[first] > bore)) {
            ++first;
            continue;
        }
        int last = first;
        while (last < slices && radius[last] > bore)
            ++last;
        const auto outline = Outline(radius, first, last, work.slice_len, bore);
        for (std::size_t n = 0; n < outline.size(); ++n)
            RevolveEdge(outline[n], outline[(n + 1) % outline.size()], ring, mesh);
        first = last;
    }
    return mesh;
}

double MeshVolume(const std::vector<STriangle>& mesh)
{
    double volume = 0.0;
    for (const STriangle& t : mesh) {
        const double ax = t.a[0], ay = t.a[1], az = t.a[2];
        const double bx = t.b[0], by = t.b[1], bz = t.b[2];
        const double cx = t.c[0], cy = t.c[1], cz = t.c[2];
        volume += ax * (by * cz - bz * cy) - ay * (bx * cz - bz * cx) + az * (bx * cy - by * cx);
    }
    return volume / 6.0;
}
