// Inverts the axis mapping: from the motor axes' values (positions minus
// offsets, or acceleration limits) back to the coordinates X, Y, Z, A.
#pragma once

#include <array>

namespace corvid {

using Matrix4 = std::array<std::array<double, 4>, 4>;  // [axis][coordinate]
using Vector4 = std::array<double, 4>;

struct SMappingSolution {
    bool solved = false;
    Vector4 point{};                // 0 for coordinates outside the chosen set
    std::array<short, 4> independent{};  // the chosen coordinates, then zeros
    int rank = 0;
};

// Rank by Gaussian elimination with complete pivoting: pivots of magnitude
// 1e-6 or less end the elimination.
int MappingRank(const Matrix4& coefficients);

// The first rows and columns (lexicographic, rows before columns) of the
// rank's size whose square part has full rank, solved against values by
// Gauss-Jordan elimination with complete pivoting. Not solved when a pivot
// vanishes against 1 in double arithmetic or the numbers overflow. May throw
// std::bad_alloc.
SMappingSolution SolveMapping(const Matrix4& coefficients, const Vector4& values);

}  // namespace corvid
