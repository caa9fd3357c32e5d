// Segments of coordinated motion: lines, arcs by centre and angle, arcs by end
// point and radius, and point-to-point moves.
#include "CommandList.h"
#include "Coordinated.h"
#include "CoordState.h"
#include "Frame.h"
#include "corvid.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <initializer_list>

namespace corvid {

namespace {

constexpr double kTiny = 1e-12;
constexpr double kFullTurn = 360.0;
constexpr double kRadiansPerDegree = 0.017453292222222222;
// The card's firmware was calibrated with these rounded quarter turns.
constexpr double kQuarterTurn = 1.5707963;
constexpr double kThreeQuarterTurns = 4.7123889;
constexpr std::uint16_t kFirstLineWord = 96;   // + coordinates - 2
constexpr std::uint16_t kReciprocalWord = 119;
constexpr std::uint16_t kFirstEndWord = 112;   // + coordinate
constexpr std::uint16_t kFirstCentreWord = 116;
constexpr std::uint16_t kVelocityWord = 102;
constexpr std::uint16_t kAccelerationWord = 103;
constexpr std::uint16_t kMoveWord = 105;
constexpr std::uint16_t kReciprocalAccelerationWord = 156;
constexpr std::int32_t kArcArgument = 15;

// An arc's plane: its first and second coordinates and its command word.
struct SPlane {
    std::size_t first;
    std::size_t second;
    std::uint16_t word;
    bool clockwisePositive;  // positive angles turn the card's negative way
};
constexpr SPlane kPlaneXY{0, 1, 99, false};
constexpr SPlane kPlaneYZ{1, 2, 100, false};
constexpr SPlane kPlaneZX{2, 0, 101, true};

// Every value the caller gives is checked before the start point is read.
bool AllFinite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

void KeepLastPointIfListing(SCoordState& coord, short result, const Point4& end, std::size_t first,
                            std::size_t second)
{
    if (result != CV_RC_DONE || coord.listState != 1)
        return;
    coord.lastPoint[first] = end[first];
    coord.lastPoint[second] = end[second];
}

short Line(SCard& card, int coordinates, const Point4& end)
{
    if (!AllFinite({end[0], end[1], end[2], end[3]}))
        return CV_RC_RANGE;
    Point4 start{};
    if (const short result = SegmentStart(card, start); result != CV_RC_DONE)
        return result;
    double squares = 0;
    for (int i = 0; i < coordinates; ++i)
        squares += (end[i] - start[i]) * (end[i] - start[i]);
    const double length = std::sqrt(squares);
    if (length < kTiny)
        return CV_RC_LINE_LENGTH;
    CCommandList list;
    list.Whole(static_cast<std::uint16_t>(kFirstLineWord + coordinates - 2), 3 * (coordinates + 1))
        .Real(kReciprocalWord, 1.0 / length);
    for (int i = 0; i < coordinates; ++i)
        list.Real(static_cast<std::uint16_t>(kFirstEndWord + i), end[i]);
    const short result = list.Send(card);
    if (result == CV_RC_DONE && card.coord.listState == 1)
        card.coord.lastPoint = end;
    return result;
}

short SendArc(SCard& card, const SPlane& plane, double reciprocal, const Point4& end, const Point4& centre)
{
    CCommandList list;
    list.Whole(plane.word, kArcArgument).Real(kReciprocalWord, reciprocal);
    for (const std::size_t i : {std::min(plane.first, plane.second), std::max(plane.first, plane.second)})
        list.Real(static_cast<std::uint16_t>(kFirstEndWord + i), end[i])
            .Real(static_cast<std::uint16_t>(kFirstCentreWord + i), centre[i]);
    return list.Send(card);
}

double StartAngle(const Point4& start, const Point4& centre, const SPlane& plane)
{
    const double d1 = start[plane.first] - centre[plane.first];
    const double d2 = start[plane.second] - centre[plane.second];
    if (std::fabs(d1) < kTiny)
        return d2 > 0 ? kQuarterTurn : kThreeQuarterTurns;
    return std::atan2(d2, d1);
}

short ArcByAngle(SCard& card, const SPlane& plane, double centre1, double centre2, double angle)
{
    if (!(std::fabs(angle) >= kTiny && std::fabs(angle) <= kFullTurn) || !AllFinite({centre1, centre2}))
        return CV_RC_RANGE;
    Point4 start{};
    if (const short result = SegmentStart(card, start); result != CV_RC_DONE)
        return result;
    Point4 centre{};
    centre[plane.first] = centre1;
    centre[plane.second] = centre2;
    const double radius = std::hypot(start[plane.first] - centre1, start[plane.second] - centre2);
    if (radius < kTiny)
        return CV_RC_ARC_RADIUS;
    const bool negative = plane.clockwisePositive ? angle > 0 : angle < 0;
    const double reciprocal = negative ? -1.0 / radius : 1.0 / radius;
    Point4 end = start;
    if (kFullTurn - std::fabs(angle) >= kTiny) {
        const double turned = StartAngle(start, centre, plane) + angle * kRadiansPerDegree;
        end[plane.first] = centre1 + radius * std::cos(turned);
        end[plane.second] = centre2 + radius * std::sin(turned);
        for (const std::size_t i : {plane.first, plane.second})
            if (std::fabs(end[i]) < kTiny)
                end[i] = 0.0;
    }
    const short result = SendArc(card, plane, reciprocal, end, centre);
    KeepLastPointIfListing(card.coord, result, end, plane.first, plane.second);
    return result;
}

short ArcByRadius(SCard& card, const SPlane& plane, double end1, double end2, double radius, short direction)
{
    if ((direction != 1 && direction != -1) || !AllFinite({end1, end2, radius}))
        return CV_RC_RANGE;
    Point4 start{};
    if (const short result = SegmentStart(card, start); result != CV_RC_DONE)
        return result;
    const double s1 = start[plane.first], s2 = start[plane.second];
    const double chord = std::hypot(end1 - s1, end2 - s2);
    if (std::fabs(radius) < kTiny || chord < kTiny)
        return CV_RC_ARC_RADIUS;
    if (chord - 2 * std::fabs(radius) > kTiny)
        return CV_RC_ARC_CHORD;
    // A chord within the tolerance above the diameter would make the root negative.
    double h = std::sqrt(std::max(0.0, radius * radius - chord * chord / 4));
    h *= (direction == 1 ? 1.0 : -1.0) * (radius > 0 ? 1.0 : -1.0);
    Point4 centre{}, end{};
    centre[plane.first] = (s1 + end1) / 2 - ((end2 - s2) / chord) * h;
    centre[plane.second] = (s2 + end2) / 2 + ((end1 - s1) / chord) * h;
    end[plane.first] = end1;
    end[plane.second] = end2;
    const bool negative = plane.clockwisePositive ? direction == 1 : direction == -1;
    const double reciprocal = (negative ? -1.0 : 1.0) / std::fabs(radius);
    const short result = SendArc(card, plane, reciprocal, end, centre);
    KeepLastPointIfListing(card.coord, result, end, plane.first, plane.second);
    return result;
}

short Move(SCard& card, int coordinates, const Point4& end, double velocity, double acceleration)
{
    if (!(velocity >= kTiny && acceleration >= kTiny))
        return CV_RC_TOO_SLOW;
    CCommandList list;
    list.Real(kAccelerationWord, acceleration)
        .Real(kReciprocalAccelerationWord, 1.0 / acceleration)
        .Real(kVelocityWord, velocity)
        .Whole(kMoveWord, 3 * coordinates);
    for (int i = 0; i < coordinates; ++i)
        list.Real(static_cast<std::uint16_t>(kFirstEndWord + i), end[i]);
    const short result = list.Send(card);
    if (result == CV_RC_DONE)
        card.coord.lastPoint = end;
    return result;
}

}  // namespace
}  // namespace corvid

using corvid::CallOnCurrentCard;

short CV_LnXY(double x, double y) { return CallOnCurrentCard(corvid::Line, 2, corvid::Point4{x, y, 0, 0}); }

short CV_LnXYZ(double x, double y, double z)
{
    return CallOnCurrentCard(corvid::Line, 3, corvid::Point4{x, y, z, 0});
}

short CV_LnXYZA(double x, double y, double z, double a)
{
    return CallOnCurrentCard(corvid::Line, 4, corvid::Point4{x, y, z, a});
}

short CV_ArcXY(double xCentre, double yCentre, double angle)
{
    return CallOnCurrentCard(corvid::ArcByAngle, corvid::kPlaneXY, xCentre, yCentre, angle);
}

short CV_ArcYZ(double yCentre, double zCentre, double angle)
{
    return CallOnCurrentCard(corvid::ArcByAngle, corvid::kPlaneYZ, yCentre, zCentre, angle);
}

short CV_ArcZX(double zCentre, double xCentre, double angle)
{
    return CallOnCurrentCard(corvid::ArcByAngle, corvid::kPlaneZX, zCentre, xCentre, angle);
}

short CV_ArcXYP(double x, double y, double radius, short direction)
{
    return CallOnCurrentCard(corvid::ArcByRadius, corvid::kPlaneXY, x, y, radius, direction);
}

short CV_ArcYZP(double y, double z, double radius, short direction)
{
    return CallOnCurrentCard(corvid::ArcByRadius, corvid::kPlaneYZ, y, z, radius, direction);
}

short CV_ArcZXP(double z, double x, double radius, short direction)
{
    return CallOnCurrentCard(corvid::ArcByRadius, corvid::kPlaneZX, z, x, radius, direction);
}

short CV_MvXY(double x, double y, double velocity, double acceleration)
{
    return CallOnCurrentCard(corvid::Move, 2, corvid::Point4{x, y, 0, 0}, velocity, acceleration);
}

short CV_MvXYZ(double x, double y, double z, double velocity, double acceleration)
{
    return CallOnCurrentCard(corvid::Move, 3, corvid::Point4{x, y, z, 0}, velocity, acceleration);
}

short CV_MvXYZA(double x, double y, double z, double a, double velocity, double acceleration)
{
    return CallOnCurrentCard(corvid::Move, 4, corvid::Point4{x, y, z, a}, velocity, acceleration);
}
