#include "MappingSolve.h"

#include <cmath>
#include <cstddef>
#include <numeric>
#include <utility>
#include <vector>

namespace corvid {

namespace {

constexpr double kRankPivot = 1e-6;

// A square system held in working memory of its own size.
struct SSystem {
    std::size_t n = 0;
    std::vector<double> a;   // n x n, row-major
    std::vector<double> b;   // n
    std::vector<std::size_t> column;  // which unknown each column holds

    explicit SSystem(std::size_t size) : n(size), a(size * size), b(size), column(size)
    {
        std::iota(column.begin(), column.end(), std::size_t{0});
    }
    double& At(std::size_t row, std::size_t col) { return a[row * n + col]; }

    // Largest magnitude of the part below and right of k, moved to (k, k).
    double PivotTo(std::size_t k)
    {
        std::size_t bestRow = k, bestCol = k;
        for (std::size_t i = k; i < n; ++i)
            for (std::size_t j = k; j < n; ++j)
                if (std::fabs(At(i, j)) > std::fabs(At(bestRow, bestCol)))
                    bestRow = i, bestCol = j;
        for (std::size_t j = 0; j < n; ++j)
            std::swap(At(k, j), At(bestRow, j));
        std::swap(b[k], b[bestRow]);
        for (std::size_t i = 0; i < n; ++i)
            std::swap(At(i, k), At(i, bestCol));
        std::swap(column[k], column[bestCol]);
        return At(k, k);
    }

    void EliminateBelow(std::size_t k)
    {
        for (std::size_t i = k + 1; i < n; ++i) {
            const double factor = At(i, k) / At(k, k);
            for (std::size_t j = k; j < n; ++j)
                At(i, j) -= factor * At(k, j);
        }
    }

    void EliminateAround(std::size_t k)
    {
        const double pivot = At(k, k);
        for (std::size_t j = k; j < n; ++j)
            At(k, j) /= pivot;
        b[k] /= pivot;
        for (std::size_t i = 0; i < n; ++i) {
            if (i == k)
                continue;
            const double factor = At(i, k);
            for (std::size_t j = k; j < n; ++j)
                At(i, j) -= factor * At(k, j);
            b[i] -= factor * b[k];
        }
    }
};

SSystem Part(const Matrix4& m, const std::vector<std::size_t>& rows,
             const std::vector<std::size_t>& cols)
{
    SSystem system(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = 0; j < cols.size(); ++j)
            system.At(i, j) = m[rows[i]][cols[j]];
    return system;
}

int Rank(SSystem system)
{
    int rank = 0;
    for (std::size_t k = 0; k < system.n; ++k) {
        // A pivot that is not a number (coefficients that overflowed) ends it too.
        if (!(std::fabs(system.PivotTo(k)) > kRankPivot))
            break;
        system.EliminateBelow(k);
        ++rank;
    }
    return rank;
}

// The next index set of the same size from 0..3 in lexicographic order.
bool NextSubset(std::vector<std::size_t>& set)
{
    const std::size_t size = set.size();
    for (std::size_t i = size; i-- > 0;) {
        if (set[i] < 4 - size + i) {
            ++set[i];
            for (std::size_t j = i + 1; j < size; ++j)
                set[j] = set[j - 1] + 1;
            return true;
        }
    }
    return false;
}

std::vector<std::size_t> FirstSubset(int size)
{
    std::vector<std::size_t> set(static_cast<std::size_t>(size));
    std::iota(set.begin(), set.end(), std::size_t{0});
    return set;
}

bool FirstFullRankPart(const Matrix4& m, int rank, std::vector<std::size_t>& rows,
                       std::vector<std::size_t>& cols)
{
    rows = FirstSubset(rank);
    do {
        cols = FirstSubset(rank);
        do {
            if (Rank(Part(m, rows, cols)) == rank)
                return true;
        } while (NextSubset(cols));
    } while (NextSubset(rows));
    return false;
}

}  // namespace

int MappingRank(const Matrix4& coefficients)
{
    return Rank(Part(coefficients, FirstSubset(4), FirstSubset(4)));
}

SMappingSolution SolveMapping(const Matrix4& coefficients, const Vector4& values)
{
    SMappingSolution solution;
    solution.rank = MappingRank(coefficients);
    if (solution.rank == 0) {
        solution.solved = true;
        return solution;
    }
    std::vector<std::size_t> rows, cols;
    if (!FirstFullRankPart(coefficients, solution.rank, rows, cols))
        return solution;
    SSystem system = Part(coefficients, rows, cols);
    for (std::size_t i = 0; i < rows.size(); ++i)
        system.b[i] = values[rows[i]];
    for (std::size_t k = 0; k < system.n; ++k) {
        const double pivot = system.PivotTo(k);
        if (1.0 + std::fabs(pivot) == 1.0 || !std::isfinite(pivot))
            return solution;
        system.EliminateAround(k);
    }
    // Coefficients near the end of the double range can overflow on the way.
    for (const double value : system.b)
        if (!std::isfinite(value))
            return solution;
    for (std::size_t k = 0; k < system.n; ++k)
        solution.point[cols[system.column[k]]] = system.b[k];
    for (std::size_t j = 0; j < cols.size(); ++j)
        solution.independent[j] = static_cast<short>(cols[j]);
    solution.solved = true;
    return solution;
}

}  // namespace corvid
