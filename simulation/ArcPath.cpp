#include "simulation/ArcPath.h"

#include "simulation/Workpiece.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kEndTolerance = 0.01; // mm

double Direction(ECode code) { return code == ECode::G02 ? -1.0 : 1.0; }

double AngleOf(const SArcPath& arc, SArcPoint p) { return std::atan2(p.x - arc.cx, p.z - arc.cz); }

// The sweep from a to b turning in direction dir, in (0, 2 pi].
double SweepBetween(double a, double b, double dir)
{
    double sweep = std::fmod(dir * (b - a), kTwoPi);
    if (sweep <= 1e-12)
        sweep += kTwoPi;
    return dir * sweep;
}

SArcPoint PointAtAngle(const SArcPath& arc, double angle)
{
    return {arc.cx + arc.radius * std::sin(angle), arc.cz + arc.radius * std::cos(angle)};
}

void CutPoint(CWorkpiece& work, SArcPoint p) { CutAt(work, p.x, p.z); }

// Between two angles where z runs one way and x stays on one side of the
// centre: every slice boundary crossed, at the arc's x there.
void CutMonotonePiece(CWorkpiece& work, const SArcPath& arc, double a0, double a1)
{
    const SArcPoint p0 = PointAtAngle(arc, a0), p1 = PointAtAngle(arc, a1);
    const double side = std::sin((a0 + a1) / 2.0) >= 0.0 ? 1.0 : -1.0;
    const double zLow = std::min(p0.z, p1.z), zHigh = std::max(p0.z, p1.z);
    for (double zb = std::ceil(zLow); zb <= zHigh; zb += 1.0) {
        const double dz = zb - arc.cz;
        const double x = arc.cx + side * std::sqrt(std::fmax(0.0, arc.radius * arc.radius - dz * dz));
        CutAt(work, x, zb);
    }
    CutPoint(work, p0);
    CutPoint(work, p1);
}

} // namespace

double SArcPath::Length() const { return std::fabs(sweep) * radius; }

std::optional<SArcPath> ArcFromRadius(ECode code, SArcPoint from, SArcPoint to, double r)
{
    const double dx = to.x - from.x, dz = to.z - from.z;
    const double chord = std::hypot(dx, dz);
    const double radius = std::fabs(r);
    if (!(chord > 0.0) || !(radius > 0.0) || chord > 2.0 * radius + kEndTolerance)
        return std::nullopt;
    const double half = chord / 2.0;
    const double h = std::sqrt(std::fmax(0.0, radius * radius - half * half));
    // Left of the chord, seen along it in the (z, x) plane.
    const double nz = -dx / chord, nx = dz / chord;
    const double side = Direction(code) * (r > 0.0 ? 1.0 : -1.0);
    SArcPath arc;
    arc.cz = (from.z + to.z) / 2.0 + side * h * nz;
    arc.cx = (from.x + to.x) / 2.0 + side * h * nx;
    arc.radius = radius;
    arc.start = AngleOf(arc, from);
    arc.sweep = SweepBetween(arc.start, AngleOf(arc, to), Direction(code));
    return arc;
}

std::optional<SArcPath> ArcFromCentre(ECode code, SArcPoint from, SArcPoint to, double i, double k)
{
    SArcPath arc;
    arc.cx = from.x + i;
    arc.cz = from.z + k;
    arc.radius = std::hypot(i, k);
    const double endRadius = std::hypot(to.x - arc.cx, to.z - arc.cz);
    if (!(arc.radius > 0.0) || !(std::fabs(endRadius - arc.radius) <= kEndTolerance))
        return std::nullopt;
    arc.start = AngleOf(arc, from);
    arc.sweep = SweepBetween(arc.start, AngleOf(arc, to), Direction(code));
    return arc;
}

SArcPoint PointAlong(const SArcPath& arc, double s)
{
    const double fraction = arc.Length() > 0.0 ? s / arc.Length() : 1.0;
    return PointAtAngle(arc, arc.start + arc.sweep * std::clamp(fraction, 0.0, 1.0));
}

void CutAlongArc(CWorkpiece& work, const SArcPath& arc, double s0, double s1)
{
    const double length = arc.Length();
    if (!(length > 0.0))
        return;
    double a = arc.start + arc.sweep * std::clamp(s0 / length, 0.0, 1.0);
    const double end = arc.start + arc.sweep * std::clamp(s1 / length, 0.0, 1.0);
    const double dir = arc.sweep >= 0.0 ? 1.0 : -1.0;
    // Split where z turns (angles 0 and pi): each piece is monotone in z
    // and stays on one side of the centre in x.
    while (dir * (end - a) > 1e-12) {
        const double next = dir > 0.0 ? std::floor(a / std::numbers::pi + 1e-9) + 1.0
                                      : std::ceil(a / std::numbers::pi - 1e-9) - 1.0;
        const double b = dir * (next * std::numbers::pi - end) < 0.0 ? next * std::numbers::pi : end;
        CutMonotonePiece(work, arc, a, b);
        a = b;
    }
}
