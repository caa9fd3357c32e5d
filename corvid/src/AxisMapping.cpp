// The axis mapping: each motor axis as a combination of the coordinates plus
// an offset, its inverse for the current point and the acceleration limits,
// and the position commands that go through it.
#include "CommandList.h"
#include "Coordinated.h"
#include "Frame.h"
#include "MappingSolve.h"
#include "corvid.h"

#include <algorithm>
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

Matrix4 Coefficients(const SCoordState& coord)
{
    Matrix4 m{};
    for (std::size_t axis = 0; axis < 4; ++axis)
        for (std::size_t c = 0; c < 4; ++c)
            m[axis][c] = coord.mapping[axis][c];
    return m;
}

Vector4 PositionsMinusOffsets(const SCoordState& coord)
{
    Vector4 values{};
    for (std::size_t axis = 0; axis < 4; ++axis)
        values[axis] = coord.mapping[axis][kPositionMinusOffset];
    return values;
}

bool SolvePoint(SCoordState& coord, Point4& point)
{
    const SMappingSolution solution = SolveMapping(Coefficients(coord), PositionsMinusOffsets(coord));
    if (!solution.solved)
        return false;
    coord.independent = solution.independent;
    point = solution.point;
    return true;
}

// Limits are magnitudes. A coordinate may accelerate as fast as every motor
// that follows it allows: a motor following it with coefficient k reaches k
// times its acceleration. A coordinate that no motor follows gets the largest
// limit the card takes, which means none.
Vector4 CoordinateLimits(const SCoordState& coord)
{
    Vector4 limits{};
    limits.fill(kDefaultAccelerationLimit);
    for (std::size_t axis = 0; axis < 4; ++axis)
        for (std::size_t c = 0; c < 4; ++c)
            if (const double k = std::fabs(coord.mapping[axis][c]); k > 0)
                limits[c] = std::min(limits[c], coord.accelerationLimit[axis] / k);
    return limits;
}

short RefreshPosition(SCard& card, SCoordState& coord, std::size_t axis)
{
    double position = 0;
    if (ReadAxisPosition(card, static_cast<int>(axis), position) != CV_RC_DONE)
        return CV_RC_COMM;
    auto& record = coord.mapping[axis];
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

CCommandList MappingList(std::size_t index, const double* coefficients, double offset,
                         const Point4& point, const SCoordState& coord)
{
    CCommandList list;
    list.Whole(kBeginMappingWord, static_cast<std::int32_t>(index));
    for (std::size_t c = 0; c < 4; ++c)
        list.Real(static_cast<std::uint16_t>(kFirstCoefficientWord + c), coefficients[c]);
    list.Whole(kOffsetWord, static_cast<std::int32_t>(offset));
    AddReals(list, kFirstPointWord, point);
    AddReals(list, kFirstLimitWord, CoordinateLimits(coord));
    list.Whole(kEndTransactionWord, 0);
    return list;
}

// Works on a copy of the card's state, kept only when the card took the whole
// mapping: a refused or failed mapping leaves the earlier one in force.
short MapAxis(SCard& card, short axis, const double* coefficients)
{
    if (axis < 1 || axis > 4 || coefficients == nullptr || !AcceptableCoefficients(coefficients))
        return CV_RC_RANGE;
    const auto index = static_cast<std::size_t>(axis - 1);
    const double offset = std::round(coefficients[4]);
    double position = 0;
    if (ReadAxisPosition(card, static_cast<int>(index), position) != CV_RC_DONE)
        return CV_RC_COMM;
    SCoordState next = card.coord;
    next.mapped[index] = 1;
    next.mapping[index] = {coefficients[0], coefficients[1], coefficients[2], coefficients[3],
                           position - offset, offset};
    for (std::size_t other = 0; other < 4; ++other)
        if (next.mapped[other] != 0 && RefreshPosition(card, next, other) != CV_RC_DONE)
            return CV_RC_COMM;
    Point4 point{};
    if (!SolvePoint(next, point))
        return CV_RC_MAPPING;
    const short result = MappingList(index, coefficients, offset, point, next).Send(card);
    if (result == CV_RC_DONE) {
        next.lastPoint = point;
        card.coord = next;
    } else if (result == CV_RC_COMM) {
        // Leave no half-sent mapping open on the card.
        CCommandList().Whole(kEndTransactionWord, 0).Send(card);
    }
    return result;
}

short SetAccLmt(SCard& card, double limit)
{
    if (!(limit >= kTiny && limit <= kDefaultAccelerationLimit))
        return CV_RC_TOO_SLOW;
    SCoordState next = card.coord;
    const auto axis = static_cast<std::size_t>(next.currentAxis);
    next.accelerationLimit[axis] = limit;
    next.limitSet[axis] = 1;
    CCommandList list;
    list.Whole(kAccLimitWord, static_cast<std::int32_t>(limit * 65536.0));
    if (next.mapped[axis] != 0)
        AddReals(list, kFirstLimitWord, CoordinateLimits(next));
    const short result = list.Whole(kEndTransactionWord, 0).Send(card);
    if (result == CV_RC_DONE)
        card.coord = next;
    return result;
}

short PositionCommand(SCard& card, std::uint16_t word, std::int32_t argument)
{
    SCoordState next = card.coord;
    const auto current = static_cast<std::size_t>(next.currentAxis);
    CCommandList list;
    list.Whole(word, argument);
    if (next.mapped[current] == 0)
        return list.Whole(kEndTransactionWord, 0).Send(card);
    for (std::size_t axis = 0; axis < 4; ++axis)
        if (axis != current && RefreshPosition(card, next, axis) != CV_RC_DONE)
            return CV_RC_COMM;
    auto& record = next.mapping[current];
    record[kPositionMinusOffset] = argument - record[kOffset];
    Point4 point{};
    if (!SolvePoint(next, point))
        return CV_RC_MAPPING;
    AddReals(list, kFirstPointWord, point);
    const short result = list.Whole(kEndTransactionWord, 0).Send(card);
    if (result != CV_RC_DONE)
        return result;
    if (next.listState == 1)
        next.lastPoint = point;
    card.coord = next;
    return result;
}

}  // namespace
}  // namespace corvid

using corvid::CallOnCurrentCard;
using corvid::OnCurrentCard;
using corvid::SCard;

short CV_MapAxis(short axis, const double* coefficients)
{
    return OnCurrentCard(CV_RC_MAPPING, [=](SCard& card) {
        return corvid::MapAxis(card, axis, coefficients);
    });
}

short CV_SetAccLmt(double limit)
{
    return CallOnCurrentCard(corvid::SetAccLmt, limit);
}

short CV_SetAtlPos(std::int32_t position)
{
    return OnCurrentCard([position](SCard& card) {
        return corvid::PositionCommand(card, corvid::kActualPosWord, position);
    });
}

short CV_SynchPos(void)
{
    return CallOnCurrentCard(corvid::PositionCommand, corvid::kSynchPosWord, 0);
}

short CV_ZeroPos(void)
{
    return CallOnCurrentCard(corvid::PositionCommand, corvid::kZeroPosWord, 0);
}
