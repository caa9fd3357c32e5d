#include "Conversions.h"

#include <cmath>

namespace corvid {

namespace {

// Far outside what the card takes, so SendCommand refuses it.
constexpr std::int64_t kUnsendable = std::int64_t{1} << 40;

// value x scale truncated toward zero, or kUnsendable when that does not fit
// a signed 32-bit integer (the card's word) or is not a number. The bounds are
// those of the integer, so -2^31 fits and +2^31 does not.
std::int64_t Fixed(double value, double scale)
{
    const double scaled = std::trunc(value * scale);
    if (!(scaled >= -2147483648.0 && scaled <= 2147483647.0))
        return kUnsendable;
    return static_cast<std::int64_t>(scaled);
}

}  // namespace

Argument ArgInt(std::int32_t value) { return value; }
Argument ArgU16(unsigned short value) { return value; }
Argument ArgS16(short value) { return value; }
Argument ArgFix16(double value) { return Fixed(value, 65536.0); }

Argument ArgFix16Low(double value)
{
    const std::int64_t fixed = Fixed(value, 65536.0);
    if (fixed == kUnsendable)
        return std::nullopt;
    return fixed & 0xFFFF;
}

Argument ArgJerk(double value)
{
    if (!(value >= 0.0))
        return std::nullopt;
    return Fixed(value, 4294967296.0);
}

Argument ArgProfileMode(short mode)
{
    if (mode < 1 || mode > 6)
        return std::nullopt;
    return mode;
}

Argument ArgIndexFlag(short value)
{
    if (value != 0 && value != 1)
        return std::nullopt;
    return value;
}

Argument ArgTime(std::uint32_t time)
{
    if (time >= 65536u)
        return std::nullopt;
    return time;
}

Argument ArgSampleTime(double microseconds)
{
    if (!(microseconds >= 48.0 && microseconds <= 1976.0))
        return std::nullopt;
    const auto high = static_cast<std::int64_t>(31999.0234375 / microseconds + 0.5);
    const auto low = static_cast<std::int64_t>(microseconds * 32.767999994631296);
    return (high << 16) | (low & 0xFFFF);
}

short ReplyS16(std::uint32_t reply) { return static_cast<short>(reply & 0xFFFFu); }
unsigned short ReplyU16(std::uint32_t reply) { return static_cast<unsigned short>(reply & 0xFFFFu); }
unsigned short ReplyAxisBits(std::uint32_t reply) { return static_cast<unsigned short>((reply >> 12) & 3u); }
std::int32_t ReplyS32(std::uint32_t reply) { return static_cast<std::int32_t>(reply); }
double ReplyFix16(std::uint32_t reply) { return ReplyS32(reply) / 65536.0; }
double ReplyFix32U(std::uint32_t reply) { return reply / 4294967296.0; }
double ReplySampleTime(std::uint32_t reply) { return reply * 0.03051757813; }

// The card's encoder velocity scale is one 65636th, not one 65536th; callers
// calibrated against it, so it stays.
double ReplyEncoderVelocity(std::uint32_t reply) { return ReplyS32(reply) * 0.000015235541471143885; }

}  // namespace corvid
