// Wire formats shared by the frame, the simulated card and the tests: command
// echoes, the card's mantissa/exponent reals, background set sizes, node names.
#pragma once

#include <cstdint>
#include <string>

namespace corvid {

// 16-bit sum of the command word and both halves of the argument.
std::uint16_t EchoSum(std::uint16_t command, std::uint32_t argument);

// The echo an ordinary command must get back: the sum, with 0 replaced by 1
// so that an echo can never be mistaken for a refusal.
std::uint16_t ExpectedEcho(std::uint16_t command, std::uint32_t argument);

// Whether a reply accepts one entry of a command list (sum s, reply r).
bool ListEntryAccepted(std::uint16_t sum, std::uint16_t reply);

struct SCardReal {
    std::int32_t mantissa = 0;
    std::int32_t exponent = 0;
};

// value = mantissa x 2^exponent, mantissa in [2^30, 2^31) in magnitude.
// Values of magnitude 1e-12 or less give (0, 0). Callers refuse non-finite values.
SCardReal ToCardReal(double value);

// The low 16 bits of exponentWord are the signed exponent.
double FromCardReal(std::int32_t mantissa, std::uint32_t exponentWord);

// Size of a background command set as the driver reads it, measured without
// reading past the first available bytes. Returns a value above available
// when the set does not fit in them.
std::uint64_t MeasureBackgroundSet(const void* set, std::uint64_t available);

// "<dir>/corvidS%02x".
std::string DeviceNodeName(const std::string& dir, int card);

// Lower-case hexadecimal of a byte buffer; "-" when it is empty.
std::string HexBytes(const void* bytes, std::size_t size);

}  // namespace corvid
