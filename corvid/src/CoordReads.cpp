// Reads of coordinated motion: the profile and break points, the axis
// positions, the coordinated status, motion number and velocity.
#include "Commands.h"
#include "Coordinated.h"
#include "CoordState.h"
#include "Frame.h"
#include "Framing.h"
#include "corvid.h"
#include "corvid_ioctl.h"

namespace corvid {

namespace {

constexpr std::uint16_t kBreakMantissa = 146;
constexpr std::uint16_t kBreakExponent = 147;
constexpr std::uint16_t kAxisPosition = 148;
constexpr std::uint16_t kProfileMantissa = 149;
constexpr std::uint16_t kProfileExponent = 150;
constexpr std::uint16_t kCoordStatus = 144;
constexpr std::uint16_t kMotionNumber = 145;
constexpr std::uint16_t kCoordVelocity = 153;

short ReadCardPoint(std::uint16_t mantissaWord, std::uint16_t exponentWord, Point4& point)
{
    Point4 read{};
    for (std::uint32_t i = 0; i < 4; ++i) {
        std::uint32_t mantissa = 0, exponent = 0;
        if (ReadWordWith(mantissaWord, i, CORVID_REPLY_32, mantissa) != CV_RC_DONE ||
            ReadWordWith(exponentWord, i, CORVID_REPLY_32, exponent) != CV_RC_DONE)
            return CV_RC_COMM;
        read[i] = FromCardReal(static_cast<std::int32_t>(mantissa), exponent);
    }
    point = read;
    return CV_RC_DONE;
}

short ReadCoordVelocity(double& velocity)
{
    std::uint32_t mantissa = 0, exponent = 0;
    if (ReadWordWith(kCoordVelocity, 0, CORVID_REPLY_32, mantissa) != CV_RC_DONE ||
        ReadWordWith(kCoordVelocity, 1, CORVID_REPLY_16, exponent) != CV_RC_DONE)
        return CV_RC_COMM;
    velocity = FromCardReal(static_cast<std::int32_t>(mantissa), exponent);
    return CV_RC_DONE;
}

short ReadShort(std::uint16_t word, short& value)
{
    std::uint32_t reply = 0;
    if (ReadWord(word, reply) != CV_RC_DONE)
        return CV_RC_COMM;
    value = static_cast<short>(reply & 0xFFFFu);
    return CV_RC_DONE;
}

// The caller's four doubles, written only when all were read.
short PointOut(double* out, short (*read)(Point4&))
{
    if (out == nullptr)
        return CV_RC_RANGE;
    Point4 point{};
    const short result = read(point);
    if (result == CV_RC_DONE)
        for (std::size_t i = 0; i < 4; ++i)
            out[i] = point[i];
    return result;
}

}  // namespace

short ReadProfilePoint(Point4& point) { return ReadCardPoint(kProfileMantissa, kProfileExponent, point); }

short ReadBreakPoint(Point4& point) { return ReadCardPoint(kBreakMantissa, kBreakExponent, point); }

short ReadAxisPosition(int axis, double& position)
{
    std::uint32_t reply = 0;
    if (ReadWordWith(kAxisPosition, static_cast<std::uint32_t>(axis), CORVID_REPLY_32, reply) != CV_RC_DONE)
        return CV_RC_COMM;
    position = static_cast<std::int32_t>(reply);
    return CV_RC_DONE;
}

short SegmentStart(Point4& start)
{
    if (Coord().listState == 1) {
        start = Coord().lastPoint;
        return CV_RC_DONE;
    }
    return ReadProfilePoint(start);
}

}  // namespace corvid

using corvid::Serialised;

short CV_GetPrfPnt(double* point)
{
    return Serialised([point] { return corvid::PointOut(point, corvid::ReadProfilePoint); });
}

short CV_GetBrkPnt(double* point)
{
    return Serialised([point] { return corvid::PointOut(point, corvid::ReadBreakPoint); });
}

short CV_GetCrdSts(short* status)
{
    if (status == nullptr)
        return CV_RC_RANGE;
    return Serialised([status] { return corvid::ReadShort(corvid::kCoordStatus, *status); });
}

short CV_GetMtnNm(short* number)
{
    if (number == nullptr)
        return CV_RC_RANGE;
    return Serialised([number] { return corvid::ReadShort(corvid::kMotionNumber, *number); });
}

short CV_GetCrdVel(double* velocity)
{
    if (velocity == nullptr)
        return CV_RC_RANGE;
    return Serialised([velocity] { return corvid::ReadCoordVelocity(*velocity); });
}
