// The card's host ports: its processor's program memory (24-bit words, moved
// as a high 16-bit part and a low 8-bit part) and data memory (16-bit words),
// the hard reset and the host interrupt control word. Every access gives 0,
// or -1 when the card did not answer.
#pragma once

#include <cstdint>

namespace corvid {

struct SCard;

constexpr std::uint16_t kHardResetPort = 3;
constexpr std::uint16_t kHostStatusPort = 6;
constexpr std::uint16_t kHostAddressPort = 8;
constexpr std::uint16_t kHostDataPort = 10;
constexpr std::uint16_t kInterruptControlPort = 12;
constexpr std::uint16_t kDataMemory = 0x4000;  // host address bit of data memory
constexpr std::uint32_t kMemoryWords = 0x4000;  // in each memory

// Whether count words from address lie inside one memory.
bool InMemory(std::uint32_t address, std::uint32_t count);

// Writes 0 to the port, waits, reads it back and waits again.
short PulsePort(SCard& card, std::uint16_t port, std::uint32_t holdMs, std::uint32_t settleMs);

// The port sequence alone; the caller marks the card as resetting.
short HardReset(SCard& card);

short ReadProgramWord(SCard& card, std::uint16_t address, std::uint32_t& value);
short WriteProgramWord(SCard& card, std::uint16_t address, std::uint16_t high);
// The high 16 bits of a program word, where the card keeps 16-bit values.
short ReadProgramHigh(SCard& card, std::uint16_t address, std::uint16_t& value);

short ReadDataWord(SCard& card, std::uint16_t address, std::uint16_t& value);
short WriteDataWord(SCard& card, std::uint16_t address, std::uint16_t value);

}  // namespace corvid
