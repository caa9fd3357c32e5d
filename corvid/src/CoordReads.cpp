// Reads of coordinated motion: the profile and break points, the axis
// positions, the coordinated status, motion number and velocity.
#include "Commands.h"
#include "Coordinated.h"
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

short ReadCardPoint(SCard& card, std::uint16_t mantissaWord, std::uint16_t exponentWord, Point4& point)
{
    Point4 read{};
    for (std::uint32_t i = 0; i < 4; ++i) {
        std::uint32_t mantissa = 0, exponent = 0;
        if (ReadWordWith(card, mantissaWord, i, CORVID_REPLY_32, mantissa) != CV_RC_DONE ||
            ReadWordWith(card, exponentWord, i, CORVID_REPLY_32, exponent) != CV_RC_DONE)
            return CV_RC_COMM;
        read[i] = FromCardReal(static_cast<std::int32_t>(mantissa), exponent);
    }
    point = read;
    return CV_RC_DONE;
}

short ReadCoordVelocity(SCard& card, double& velocity)
{
    std::uint32_t mantissa = 0, exponent = 0;
    if (ReadWordWith(card, kCoordVelocity, 0, CORVID_REPLY_32, mantissa) != CV_RC_DONE ||
        ReadWordWith(card, kCoordVelocity, 1, CORVID_REPLY_16, exponent) != CV_RC_DONE)
        return CV_RC_COMM;
    velocity = FromCardReal(static_cast<std::int32_t>(mantissa), exponent);
    return CV_RC_DONE;
}

short ReadShort(SCard& card, std::uint16_t word, short& value)
{
    std::uint32_t reply = 0;
    if (ReadWord(card, word, reply) != CV_RC_DONE)
        return CV_RC_COMM;
    value = static_cast<short>(reply & 0xFFFFu);
    return CV_RC_DONE;
}

// The caller's four doubles, written only when all were read.
short PointOut(SCard& card, double* out, short (*read)(SCard&, Point4&))
{
    if (out == nullptr)
        return CV_RC_RANGE;
    Point4 point{};
    const short result = read(card, point);
    if (result == CV_RC_DONE)
        for (std::size_t i = 0; i < 4; ++i)
            out[i] = point[i];
    return result;
}

}  // namespace

short ReadProfilePoint(SCard& card, Point4& point)
{
    return ReadCardPoint(card, kProfileMantissa, kProfileExponent, point);
}

short ReadBreakPoint(SCard& card, Point4& point)
{
    return ReadCardPoint(card, kBreakMantissa, kBreakExponent, point);
}

short ReadAxisPosition(SCard& card, int axis, double& position)
{
    std::uint32_t reply = 0;
    const auto parameter = static_cast<std::uint32_t>(axis);
    if (ReadWordWith(card, kAxisPosition, parameter, CORVID_REPLY_32, reply) != CV_RC_DONE)
        return CV_RC_COMM;
    position = static_cast<std::int32_t>(reply);
    return CV_RC_DONE;
}

short SegmentStart(SCard& card, Point4& start)
{
    if (card.coord.listState == 1) {
        start = card.coord.lastPoint;
        return CV_RC_DONE;
    }
    return ReadProfilePoint(card, start);
}

}  // namespace corvid

using corvid::CallOnCurrentCard;
using corvid::OnCurrentCard;
using corvid::SCard;

short CV_GetPrfPnt(double* point)
{
    return CallOnCurrentCard(corvid::PointOut, point, corvid::ReadProfilePoint);
}

short CV_GetBrkPnt(double* point)
{
    return CallOnCurrentCard(corvid::PointOut, point, corvid::ReadBreakPoint);
}

short CV_GetCrdSts(short* status)
{
    if (status == nullptr)
        return CV_RC_RANGE;
    return OnCurrentCard([status](SCard& card) {
        return corvid::ReadShort(card, corvid::kCoordStatus, *status);
    });
}

short CV_GetMtnNm(short* number)
{
    if (number == nullptr)
        return CV_RC_RANGE;
    return OnCurrentCard([number](SCard& card) {
        return corvid::ReadShort(card, corvid::kMotionNumber, *number);
    });
}

short CV_GetCrdVel(double* velocity)
{
    if (velocity == nullptr)
        return CV_RC_RANGE;
    return OnCurrentCard([velocity](SCard& card) { return corvid::ReadCoordVelocity(card, *velocity); });
}
