#pragma once
// The centre of an arc programmed by its radius alone.
#include "program/Codes.h"

#include <optional>

struct SArcCentre {
    double x = 0.0, z = 0.0;
};

// The step traces G02 on the side of the centre with the larger X and G03 on
// the smaller, so a positive radius puts the centre on the other side of the
// chord (the shorter arc) and a negative one on the same side. No centre
// when the radius is 0, the points coincide, or the chord is longer than
// the diameter.
std::optional<SArcCentre> ArcCentreFromRadius(ECode code, double x0, double z0, double x1, double z1, double r);
