#include "Framing.h"

#include <cmath>
#include <cstdio>

namespace corvid {

std::uint16_t EchoSum(std::uint16_t command, std::uint32_t argument)
{
    return static_cast<std::uint16_t>(command + (argument & 0xFFFFu) + (argument >> 16));
}

std::uint16_t ExpectedEcho(std::uint16_t command, std::uint32_t argument)
{
    const std::uint16_t sum = EchoSum(command, argument);
    return sum == 0 ? 1 : sum;
}

bool ListEntryAccepted(std::uint16_t sum, std::uint16_t reply)
{
    return reply == sum || (sum == 0 && reply == 1);
}

SCardReal ToCardReal(double value)
{
    if (!(std::fabs(value) > 1e-12) || !std::isfinite(value))
        return {};
    // frexp gives the same scaled value in [0.5, 1) and the same count as
    // halving or doubling step by step, exactly and without a loop.
    int count = 0;
    const double scaled = std::frexp(std::fabs(value), &count);
    auto mantissa = static_cast<std::int32_t>(std::trunc(scaled * 2147483648.0));
    if (value < 0)
        mantissa = -mantissa;
    return {mantissa, count - 31};
}

double FromCardReal(std::int32_t mantissa, std::uint32_t exponentWord)
{
    const auto exponent = static_cast<std::int16_t>(exponentWord & 0xFFFFu);
    return std::ldexp(static_cast<double>(mantissa), exponent);
}

namespace {

std::uint16_t ReadU16(const unsigned char* bytes)
{
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

}  // namespace

std::uint64_t MeasureBackgroundSet(const void* set, std::uint64_t available)
{
    const std::uint64_t tooBig = available + 1;
    if (set == nullptr || available < 4)
        return tooBig;
    const auto* bytes = static_cast<const unsigned char*>(set);
    const std::uint16_t records = ReadU16(bytes);
    std::uint64_t size = 4;
    for (std::uint16_t i = 0; i < records; ++i) {
        if (size + 4 > available)
            return tooBig;
        const std::uint16_t elements = ReadU16(bytes + size + 2);
        size += 4 + 16ull * elements;
    }
    return size;
}

std::string DeviceNodeName(const std::string& dir, int card)
{
    char name[16];
    std::snprintf(name, sizeof name, "corvidS%02x", static_cast<unsigned>(card) & 0xFFu);
    return dir + "/" + name;
}

std::string HexBytes(const void* bytes, std::size_t size)
{
    if (size == 0)
        return "-";
    static const char digits[] = "0123456789abcdef";
    const auto* in = static_cast<const unsigned char*>(bytes);
    std::string text(size * 2, '0');
    for (std::size_t i = 0; i < size; ++i) {
        text[2 * i] = digits[in[i] >> 4];
        text[2 * i + 1] = digits[in[i] & 0xF];
    }
    return text;
}

}  // namespace corvid
