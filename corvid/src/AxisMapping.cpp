// The axis mapping: each motor axis as a combination of the coordinates plus
// an offset, its inverse for the current point and the acceleration limits,
// and the position commands that go through it.
#include "CommandList.h"
#include "Coordinated.h"
#include "CoordState.h"
#include "Frame.h"
#include "MappingSolve.h"
#include "corvid.h"

#include <cmath>
#include <cstddef>

namespace corvid {

namespace {

constexpr double kTiny = 1e-12;
constexpr std::size_t kPositionMinusOffset = 4;
constexpr std::size_t kOffset = 5;
constexpr std::uint16_t kSynchPosWord = 20;
constexpr std::uint16_t kZeroPosWord = 21;
constexpr std::uint16_t kActualPosWord = 39;
constexpr std::uint16_t kAccLimitWord = 85;
constexpr std::uint16_t kFirstPointWord = 120;
constexpr std::uint16_t kFirstLimitWord = 124;
constexpr std::uint16_t kBeginMappingWord = 129;
constexpr std::uint16_t kFirstCoefficientWord = 136;
constexpr std::uint16_t kOffsetWord = 140;
constexpr std::uint16_t kEndTransactionWord = 141;

// Which coordinate limits count as missing: those below the bound, or those
// whose magnitude is below it.
enum class ELimitCheck { Value, Magnitude };

Matrix4 Coefficients()
{
    Matrix4 m{};
    for (std::size_t axis = 0; axis < 4; ++axis)
        for (std::size_t c = 0; c < 4; ++c)
            m[axis][c] = Coord().mapping[axis][c];
    return m;
}

Vector4 PositionsMinusOffsets()
{
    Vector4 values{};
    for (std::size_t axis = 0; axis < 4; ++axis)
        values[axis] = Coord().mapping[axis][kPositionMinusOffset];
    return values;
}

bool SolvePoint(Point4& point)
{
    const SMappingSolution solution = SolveMapping(Coefficients(), PositionsMinusOffsets());
    if (!solution.solved)
        return false;
    Coord().independent = solution.independent;
    point = solution.point;
    return true;
}

// A coordinate without a limit of its own gets the largest the card takes.
bool SolveLimits(Vector4& limits, ELimitCheck check)
{
    const SMappingSolution solution = SolveMapping(Coefficients(), Coord().accelerationLimit);
    if (!solution.solved)
        return false;
    limits = solution.point;
    for (double& limit : limits)
        if ((check == ELimitCheck::Value ? limit : std::fabs(limit)) < kTiny)
            limit = kDefaultAccelerationLimit;
    return true;
}

short RefreshPosition(std::size_t axis)
{
    double position = 0;
    if (ReadAxisPosition(static_cast<int>(axis), position) != CV_RC_DONE)
        return CV_RC_COMM;
    auto& record = Coord().mapping[axis];
    record[kPositionMinusOffset] = position - record[kOffset];
    return CV_RC_DONE;
}

void AddReals(CCommandList& list, std::uint16_t firstWord, const Vector4& values)
{
    for (std::size_t i = 0; i < 4; ++i)
        list.Real(static_cast<std::uint16_t>(firstWord + i), values[i]);
}

bool AcceptableCoefficients(const double* coefficients)
{
    for (int i = 0; i < 5; ++i)
        if (!std::isfinite(coefficients[i]))
            return false;
    // The offset goes to the card as a whole 32-bit number.
    return std::fabs(std::round(coefficients[4])) <= 2147483647.0;
}

short MapAxis(short axis, const double* coefficients)
{
    if (axis < 1 || axis > 4 || coefficients == nullptr || !AcceptableCoefficients(coefficients))
        return CV_RC_RANGE;
    const auto index = static_cast<std::size_t>(axis - 1);
    const double offset = std::round(coefficients[4]);
    double position = 0;
    if (ReadAxisPosition(static_cast<int>(index), position) != CV_RC_DONE)
        return CV_RC_COMM;
    SCoordState& coord = Coord();
    coord.mapped[index] = 1;
    coord.mapping[index] = {coefficients[0], coefficients[1], coefficients[2], coefficients[3],
                            position - offset, offset};
    for (std::size_t other = 0; other < 4; ++other)
        if (coord.mapped[other] != 0 && RefreshPosition(other) != CV_RC_DONE)
            return CV_RC_COMM;
    Point4 point{};
    Vector4 limits{};
    if (!SolvePoint(point) || !SolveLimits(limits, ELimitCheck::Value))
        return CV_RC_MAPPING;
    CCommandList list;
    list.Whole(kBeginMappingWord, static_cast<std::int32_t>(index));
    for (std::size_t c = 0; c < 4; ++c)
        list.Real(static_cast<std::uint16_t>(kFirstCoefficientWord + c), coefficients[c]);
    list.Whole(kOffsetWord, static_cast<std::int32_t>(offset));
    AddReals(list, kFirstPointWord, point);
    AddReals(list, kFirstLimitWord, limits);
    list.Whole(kEndTransactionWord, 0);
    const short result = list.Send();
    if (result == CV_RC_DONE) {
        coord.lastPoint = point;
    } else if (result == CV_RC_COMM) {
        // Leave no half-sent mapping open on the card.
        CCommandList().Whole(kEndTransactionWord, 0).Send();
    }
    return result;
}

// An allocation that fails while solving changes nothing that was there before.
short MapAxisWhole(short axis, const double* coefficients)
{
    const SCoordState before = Coord();
    try {
        return MapAxis(axis, coefficients);
    } catch (...) {
        Coord() = before;
        throw;
    }
}

short SetAccLmt(double limit)
{
    if (!(limit >= kTiny && limit <= kDefaultAccelerationLimit))
        return CV_RC_TOO_SLOW;
    SCoordState& coord = Coord();
    const auto axis = static_cast<std::size_t>(coord.currentAxis);
    coord.accelerationLimit[axis] = limit;
    coord.limitSet[axis] = 1;
    CCommandList list;
    list.Whole(kAccLimitWord, static_cast<std::int32_t>(limit * 65536.0));
    if (coord.mapped[axis] != 0) {
        Vector4 limits{};
        if (!SolveLimits(limits, ELimitCheck::Magnitude))
            return CV_RC_MAPPING;
        AddReals(list, kFirstLimitWord, limits);
    }
    return list.Whole(kEndTransactionWord, 0).Send();
}

short PositionCommand(std::uint16_t word, std::int32_t argument)
{
    SCoordState& coord = Coord();
    const auto current = static_cast<std::size_t>(coord.currentAxis);
    CCommandList list;
    list.Whole(word, argument);
    if (coord.mapped[current] == 0)
        return list.Whole(kEndTransactionWord, 0).Send();
    for (std::size_t axis = 0; axis < 4; ++axis)
        if (axis != current && RefreshPosition(axis) != CV_RC_DONE)
            return CV_RC_COMM;
    auto& record = coord.mapping[current];
    record[kPositionMinusOffset] = argument - record[kOffset];
    Point4 point{};
    if (!SolvePoint(point))
        return CV_RC_MAPPING;
    AddReals(list, kFirstPointWord, point);
    const short result = list.Whole(kEndTransactionWord, 0).Send();
    if (result == CV_RC_DONE && coord.listState == 1)
        coord.lastPoint = point;
    return result;
}

}  // namespace
}  // namespace corvid

using corvid::Serialised;

short CV_MapAxis(short axis, const double* coefficients)
{
    return Serialised(CV_RC_MAPPING, [=] { return corvid::MapAxisWhole(axis, coefficients); });
}

short CV_SetAccLmt(double limit) { return Serialised([limit] { return corvid::SetAccLmt(limit); }); }

short CV_SetAtlPos(std::int32_t position)
{
    return Serialised([position] { return corvid::PositionCommand(corvid::kActualPosWord, position); });
}

short CV_SynchPos(void) { return Serialised([] { return corvid::PositionCommand(corvid::kSynchPosWord, 0); }); }

short CV_ZeroPos(void) { return Serialised([] { return corvid::PositionCommand(corvid::kZeroPosWord, 0); }); }
