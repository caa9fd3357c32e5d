#include "simulation/ArcCentre.h"

#include <cmath>

std::optional<SArcCentre> ArcCentreFromRadius(ECode code, double x0, double z0, double x1, double z1, double r)
{
    const double dx = x1 - x0, dz = z1 - z0;
    const double chord = std::hypot(dx, dz);
    const double radius = std::fabs(r);
    if (!(chord > 0.0) || !(radius > 0.0) || chord > 2.0 * radius * (1.0 + 1e-12))
        return std::nullopt;
    const double half = chord / 2.0;
    const double h = std::sqrt(std::fmax(0.0, radius * radius - half * half));
    // Unit normal of the chord.
    const double nx = -dz / chord, nz = dx / chord;
    const SArcCentre a{(x0 + x1) / 2.0 + h * nx, (z0 + z1) / 2.0 + h * nz};
    const SArcCentre b{(x0 + x1) / 2.0 - h * nx, (z0 + z1) / 2.0 - h * nz};
    const bool lowCentre = (code == ECode::G02) == (r > 0.0);
    const bool aIsLower = a.x <= b.x;
    return lowCentre == aIsLower ? a : b;
}
