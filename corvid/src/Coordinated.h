// Shared steps of coordinated motion: reading the card's points and axis
// positions, and where the next segment starts.
#pragma once

#include "MappingSolve.h"

#include <cstdint>

namespace corvid {

// Coordinates X, Y, Z, A.
using Point4 = Vector4;

struct SCard;

short ReadProfilePoint(SCard& card, Point4& point);
short ReadBreakPoint(SCard& card, Point4& point);

// The position of motor axis 0-3 (word 148): 0 or -1.
short ReadAxisPosition(SCard& card, int axis, double& position);

// The library's last point while a list is built, else the card's profile point.
short SegmentStart(SCard& card, Point4& start);

}  // namespace corvid
