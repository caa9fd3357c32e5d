// What the library keeps of one card's coordinated motion: axis mapping,
// acceleration limits, the vector list, and the axis single-axis commands use.
#pragma once

#include <array>

namespace corvid {

constexpr double kDefaultAccelerationLimit = 16384.0;

struct SCoordState {
    // Per motor axis: coefficients of X, Y, Z, A; position minus offset; offset.
    std::array<std::array<double, 6>, 4> mapping{};
    std::array<short, 4> mapped{};
    std::array<short, 4> limitSet{};
    std::array<double, 4> accelerationLimit{kDefaultAccelerationLimit, kDefaultAccelerationLimit,
                                            kDefaultAccelerationLimit, kDefaultAccelerationLimit};
    std::array<short, 4> independent{};
    std::array<double, 4> lastPoint{};
    short listState = 0;
    short currentAxis = 1;  // 0-3
};

// What a reset clears: mappings, limits and the independent coordinates. The
// last point, the list state and the current axis stay.
void ClearCoordinateState(SCoordState& state);

}  // namespace corvid
