#include "CardSim.h"

#include <cmath>

namespace corvid::sim {

namespace {

constexpr std::uint16_t kResetWord = 19;
constexpr std::uint16_t kClearStatusWord = 6;
constexpr std::uint16_t kResetStatusBitsWord = 35;
constexpr std::uint16_t kStatusRead = 54;
constexpr std::uint16_t kSampleTimeWord = 43;
constexpr std::uint32_t kWrongResetReply = 0x12345678u;
constexpr std::size_t kMemoryWords = 0x4000;
constexpr std::size_t kReceivedLimit = 1u << 16;
constexpr std::size_t kHardResetPort = 3;
constexpr std::size_t kHostStatusPort = 6;
constexpr std::size_t kHostAddressPort = 8;
constexpr std::size_t kHostDataPort = 10;

// The read that gives back what a setter word stored: {setter, read}.
constexpr std::uint16_t kReadback[][2] = {
    {33, 56},  {38, 58},  {39, 194}, {43, 59},  {64, 160}, {65, 161}, {66, 162},
    {67, 163}, {68, 164}, {69, 165}, {72, 168}, {73, 169}, {74, 170}, {75, 171},
    {76, 172}, {77, 173}, {78, 174}, {79, 175}, {80, 176}, {81, 177}, {82, 178},
    {85, 181},
};

std::uint16_t ReadbackOf(std::uint16_t word)
{
    for (const auto& entry : kReadback)
        if (entry[0] == word)
            return entry[1];
    return 0;
}

}  // namespace

CCardSim::CCardSim() : programMemory(kMemoryWords, 0), dataMemory(kMemoryWords, 0)
{
    for (auto& axis : m_reads)
        axis[151] = 0x0100;  // firmware version
}

void CCardSim::SetReply(int axis, std::uint16_t readWord, std::uint32_t value, std::uint32_t parameter)
{
    if (parameter == 0 && readWord < 256)
        m_reads.at(static_cast<std::size_t>(axis))[readWord] = value;
    m_parameterReads[{static_cast<std::uint32_t>(axis), readWord, parameter}] = value;
}

std::uint32_t CCardSim::Reply(int axis, std::uint16_t readWord, std::uint32_t parameter) const
{
    if (parameter == 0 && readWord < 256)
        return m_reads.at(static_cast<std::size_t>(axis))[readWord];
    const auto found = m_parameterReads.find({static_cast<std::uint32_t>(axis), readWord, parameter});
    return found == m_parameterReads.end() ? 0 : found->second;
}

void CCardSim::Command(corvid_command_request& request)
{
    // Long runs (benchmarks) keep only the most recent requests.
    if (m_received.size() >= kReceivedLimit)
        m_received.erase(m_received.begin(), m_received.begin() + kReceivedLimit / 2);
    m_received.push_back({request.command, request.reply_kind, request.words_sent, request.argument});
    if (request.command == kResetWord) {
        request.reply = m_wrongResets > 0 ? (--m_wrongResets, kWrongResetReply) : CORVID_RESET_REPLY;
        return;
    }
    if (request.reply_kind == CORVID_REPLY_NONE)
        return;
    if (request.words_sent == 2) {
        request.reply = Echo(request);
        return;
    }
    request.reply = Read(request);
    if (request.reply_kind == CORVID_REPLY_16)
        request.reply &= 0xFFFFu;
}

std::uint16_t CCardSim::Echo(const corvid_command_request& request)
{
    if (m_refused.count(request.command) != 0)
        return 0;
    Store(request.command, request.argument);
    auto echo = static_cast<std::uint16_t>(request.command + (request.argument & 0xFFFFu) +
                                           (request.argument >> 16));
    if (echo == 0)
        echo = 1;
    if (m_corruptEchoes > 0) {
        --m_corruptEchoes;
        echo = echo == 0xFFFF ? 0x7777 : static_cast<std::uint16_t>(echo + 1);
    }
    return echo;
}

void CCardSim::Store(std::uint16_t word, std::uint32_t argument)
{
    if (word >= 48 && word <= 51) {
        m_axis = word - 48;
        return;
    }
    auto& reads = m_reads[static_cast<std::size_t>(m_axis)];
    if (word == kClearStatusWord)
        reads[kStatusRead] = 0;
    else if (word == kResetStatusBitsWord)
        reads[kStatusRead] &= ~(argument & 0xFFFFu);
    else if (word == kSampleTimeWord)
        reads[ReadbackOf(word)] = argument & 0xFFFFu;
    else if (const std::uint16_t read = ReadbackOf(word); read != 0)
        reads[read] = argument;
}

std::uint32_t CCardSim::Read(const corvid_command_request& request) const
{
    const std::uint32_t parameter = request.words_sent == 1 ? request.argument : 0;
    std::uint32_t reply = 0;
    if (CoordinateRead(request.command, parameter, reply))
        return reply;
    return Reply(m_axis, request.command, parameter);
}

namespace {

// The card's real: a mantissa of 31 bits with its sign, and an exponent.
std::uint32_t CardMantissa(double value)
{
    int exponent = 0;
    const double fraction = std::frexp(value, &exponent);
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(std::trunc(fraction * 2147483648.0)));
}

std::uint32_t CardExponent(double value)
{
    int exponent = 0;
    std::frexp(value, &exponent);
    return value == 0.0 ? 0u : static_cast<std::uint32_t>(exponent - 31);
}

}  // namespace

bool CCardSim::CoordinateRead(std::uint16_t word, std::uint32_t parameter, std::uint32_t& reply) const
{
    const std::size_t i = parameter & 3u;
    switch (word) {
    case 146: reply = CardMantissa(breakPoint[i]); return parameter < 4;
    case 147: reply = CardExponent(breakPoint[i]); return parameter < 4;
    case 148: reply = static_cast<std::uint32_t>(axisPositions[i]); return parameter < 4;
    case 149: reply = CardMantissa(profilePoint[i]); return parameter < 4;
    case 150: reply = CardExponent(profilePoint[i]); return parameter < 4;
    case 153:
        reply = parameter == 0 ? CardMantissa(coordVelocity) : CardExponent(coordVelocity);
        return parameter < 2;
    default: return false;
    }
}

void CCardSim::Port(corvid_port_request& request)
{
    const std::size_t port = request.port & 0xFu;
    const bool write = request.write != 0;
    if (m_portAccesses.size() >= kReceivedLimit * 2)
        m_portAccesses.erase(m_portAccesses.begin(), m_portAccesses.begin() + kReceivedLimit);
    m_portAccesses.push_back({static_cast<std::uint16_t>(port), write, request.value});
    if (port == kHostDataPort) {
        request.value = HostData(write, request.value);
        return;
    }
    if (write) {
        ports[port] = request.value;
        if (port == kHostAddressPort)
            m_programLowNext = false;
        if (port == kHardResetPort)
            ++hardResets;
    }
    request.value = port == kHostStatusPort && !write ? hostStatus : ports[port];
}

// Port 10 moves successive words of the memory that port 8 addresses; a
// program word goes as its high 16 bits, then its low 8 bits.
std::uint16_t CCardSim::HostData(bool write, std::uint16_t value)
{
    std::uint16_t& address = ports[8];
    if (address & 0x4000u) {
        std::uint16_t& word = dataMemory[address & 0x3FFFu];
        if (write)
            word = value;
        const std::uint16_t result = word;
        address = static_cast<std::uint16_t>(0x4000u | ((address + 1) & 0x3FFFu));
        return result;
    }
    std::uint32_t& word = programMemory[address & 0x3FFFu];
    std::uint16_t result = 0;
    if (!m_programLowNext) {
        if (write)
            word = (word & 0xFFu) | (std::uint32_t{value} << 8);
        result = static_cast<std::uint16_t>((word >> 8) & 0xFFFFu);
    } else {
        if (write)
            word = (word & 0xFFFF00u) | (value & 0xFFu);
        result = static_cast<std::uint16_t>(word & 0xFFu);
        address = static_cast<std::uint16_t>((address + 1) & 0x3FFFu);
    }
    m_programLowNext = !m_programLowNext;
    return result;
}

}  // namespace corvid::sim
