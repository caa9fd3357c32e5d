// The card's host ports: its processor's program memory (24-bit words, moved
// as a high 16-bit part and a low 8-bit part) and data memory (16-bit words),
// the hard reset and the host interrupt control word. Port failures are not
// reported: a failed read gives -1 as its value.
#pragma once

#include <cstdint>

namespace corvid {

constexpr std::uint16_t kHardResetPort = 3;
constexpr std::uint16_t kHostStatusPort = 6;
constexpr std::uint16_t kHostAddressPort = 8;
constexpr std::uint16_t kHostDataPort = 10;
constexpr std::uint16_t kInterruptControlPort = 12;
constexpr std::uint16_t kDataMemory = 0x4000;  // host address bit of data memory

short HardReset();

// Program memory word 0 is reached only by the download: single-word access
// to address 0 goes to address 1.
std::uint32_t ReadProgramWord(std::uint16_t address);
void WriteProgramWord(std::uint16_t address, std::uint16_t high);
// The high 16 bits of a program word, where the card keeps 16-bit values.
std::uint16_t ReadProgramHigh(std::uint16_t address);

std::uint16_t ReadDataWord(std::uint16_t address);
void WriteDataWord(std::uint16_t address, std::uint16_t value);

}  // namespace corvid
