// Conversions between the caller's values and the card's 32-bit words. An
// argument conversion gives no value when the caller's value is refused (7)
// before anything is sent.
#pragma once

#include <cstdint>
#include <optional>

namespace corvid {

using Argument = std::optional<std::int64_t>;

// Arguments. Fixed-point conversions truncate toward zero; values whose fixed
// point does not fit 32 bits (or that are not numbers) come out as a value
// that the command's range check refuses.
Argument ArgInt(std::int32_t value);
Argument ArgU16(unsigned short value);
Argument ArgS16(short value);
Argument ArgFix16(double value);
Argument ArgFix16Low(double value);
Argument ArgJerk(double value);        // fix32, negative refused
Argument ArgProfileMode(short mode);   // 1 to 6
Argument ArgIndexFlag(short value);    // 0 or 1
Argument ArgTime(std::uint32_t time);  // below 65536
Argument ArgSampleTime(double microseconds);

// Replies (the 32-bit word at offset 8 of the command request).
short ReplyS16(std::uint32_t reply);
unsigned short ReplyU16(std::uint32_t reply);
unsigned short ReplyAxisBits(std::uint32_t reply);
std::int32_t ReplyS32(std::uint32_t reply);
double ReplyFix16(std::uint32_t reply);
double ReplyFix32U(std::uint32_t reply);
double ReplySampleTime(std::uint32_t reply);
double ReplyEncoderVelocity(std::uint32_t reply);

}  // namespace corvid
