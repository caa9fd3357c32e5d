// Single words of the card's memories, the hard reset and the host interrupt
// control word.
#include "HostPorts.h"

#include "Frame.h"
#include "corvid.h"

#include <algorithm>
#include <vector>

namespace corvid {

namespace {

constexpr std::uint32_t kHardResetHoldMs = 1000;
constexpr std::uint32_t kHardResetSettleMs = 2000;

constexpr std::uint16_t kExternalInterrupt = 1u << 0;
constexpr std::uint16_t kInterruptsOff = 1u << 1;
constexpr std::uint16_t kTrailingEdge = 1u << 2;

// Program word 0 starts the processor and is reached only by the download:
// single-word access from address 0 starts at address 1.
std::uint16_t ProgramStart(std::uint16_t address) { return address == 0 ? 1 : address; }

// The library's copy changes only when the card took the new word.
short ChangeInterruptControl(SCard& card, std::uint16_t clear, std::uint16_t set)
{
    const auto word = static_cast<std::uint16_t>((card.interruptControl & ~clear) | set);
    if (PortWrite(card, kInterruptControlPort, word) != 0)
        return CV_RC_COMM;
    card.interruptControl = word;
    return CV_RC_DONE;
}

template <class Word, class Read>
short ReadWords(SCard& card, Word* out, std::uint16_t address, std::uint16_t count, Read read)
{
    if (!InMemory(address, count))
        return CV_RC_RANGE;
    std::vector<Word> words(count);
    for (std::uint16_t i = 0; i < count; ++i)
        if (read(card, static_cast<std::uint16_t>(address + i), words[i]) != 0)
            return CV_RC_COMM;
    std::copy(words.begin(), words.end(), out);
    return CV_RC_DONE;
}

short ShowData(SCard& card, unsigned short* words, std::uint16_t address, std::uint16_t count)
{
    return ReadWords(card, words, address, count, ReadDataWord);
}

short ShowProg(SCard& card, std::uint32_t* values, std::uint16_t address, std::uint16_t count)
{
    return ReadWords(card, values, ProgramStart(address), count, ReadProgramWord);
}

short WriteData(SCard& card, std::uint16_t address, std::uint16_t value)
{
    if (!InMemory(address, 1))
        return CV_RC_RANGE;
    return WriteDataWord(card, address, value) == 0 ? CV_RC_DONE : CV_RC_COMM;
}

short WriteProg(SCard& card, std::uint16_t address, std::uint16_t value)
{
    if (!InMemory(address, 1))
        return CV_RC_RANGE;
    return WriteProgramWord(card, ProgramStart(address), value) == 0 ? CV_RC_DONE : CV_RC_COMM;
}

short HardResetCall(SCard& card)
{
    const CResetting resetting(card);
    return HardReset(card);
}

}  // namespace

bool InMemory(std::uint32_t address, std::uint32_t count) { return address + count <= kMemoryWords; }

short PulsePort(SCard& card, std::uint16_t port, std::uint32_t holdMs, std::uint32_t settleMs)
{
    std::uint16_t ignored = 0;
    if (PortWrite(card, port, 0) != 0)
        return CV_RC_COMM;
    Wait(card, holdMs);
    if (PortRead(card, port, ignored) != 0)
        return CV_RC_COMM;
    Wait(card, settleMs);
    return CV_RC_DONE;
}

short HardReset(SCard& card) { return PulsePort(card, kHardResetPort, kHardResetHoldMs, kHardResetSettleMs); }

short ReadProgramWord(SCard& card, std::uint16_t address, std::uint32_t& value)
{
    std::uint16_t high = 0, low = 0;
    if (PortWrite(card, kHostAddressPort, address) != 0 || PortRead(card, kHostDataPort, high) != 0 ||
        PortRead(card, kHostDataPort, low) != 0)
        return CV_RC_COMM;
    value = ((std::uint32_t{high} << 8) + (low & 0xFFu)) & 0xFFFFFFu;
    return CV_RC_DONE;
}

short ReadProgramHigh(SCard& card, std::uint16_t address, std::uint16_t& value)
{
    std::uint32_t word = 0;
    if (ReadProgramWord(card, address, word) != 0)
        return CV_RC_COMM;
    value = static_cast<std::uint16_t>(word >> 8);
    return CV_RC_DONE;
}

short WriteProgramWord(SCard& card, std::uint16_t address, std::uint16_t high)
{
    if (PortWrite(card, kHostAddressPort, address) != 0 || PortWrite(card, kHostDataPort, high) != 0 ||
        PortWrite(card, kHostDataPort, 0) != 0)
        return CV_RC_COMM;
    return CV_RC_DONE;
}

short ReadDataWord(SCard& card, std::uint16_t address, std::uint16_t& value)
{
    if (PortWrite(card, kHostAddressPort, static_cast<std::uint16_t>(address | kDataMemory)) != 0 ||
        PortRead(card, kHostDataPort, value) != 0)
        return CV_RC_COMM;
    return CV_RC_DONE;
}

short WriteDataWord(SCard& card, std::uint16_t address, std::uint16_t value)
{
    if (PortWrite(card, kHostAddressPort, static_cast<std::uint16_t>(address | kDataMemory)) != 0 ||
        PortWrite(card, kHostDataPort, value) != 0)
        return CV_RC_COMM;
    return CV_RC_DONE;
}

}  // namespace corvid

using corvid::CallOnCurrentCard;

short CV_HardRst(void) { return CallOnCurrentCard(corvid::HardResetCall); }

short CV_ShowData(unsigned short* words, unsigned short address, unsigned short count)
{
    if (words == nullptr && count > 0)
        return CV_RC_RANGE;
    return CallOnCurrentCard(corvid::ShowData, words, address, count);
}

short CV_ShowProg(std::uint32_t* values, unsigned short address, unsigned short count)
{
    if (values == nullptr && count > 0)
        return CV_RC_RANGE;
    return CallOnCurrentCard(corvid::ShowProg, values, address, count);
}

short CV_WriteData(unsigned short address, unsigned short value)
{
    return CallOnCurrentCard(corvid::WriteData, address, value);
}

short CV_WriteProg(unsigned short address, unsigned short value)
{
    return CallOnCurrentCard(corvid::WriteProg, address, value);
}

namespace {

short ChangeInterrupt(std::uint16_t clear, std::uint16_t set)
{
    return CallOnCurrentCard(corvid::ChangeInterruptControl, clear, set);
}

}  // namespace

short CV_DSPINT(void) { return ChangeInterrupt(corvid::kExternalInterrupt, 0); }
short CV_EXTINT(void) { return ChangeInterrupt(0, corvid::kExternalInterrupt); }
short CV_INTOn(void) { return ChangeInterrupt(corvid::kInterruptsOff, 0); }
short CV_INTOff(void) { return ChangeInterrupt(0, corvid::kInterruptsOff); }
short CV_TrailEdge(void) { return ChangeInterrupt(0, corvid::kTrailingEdge); }

// Clears the source and on/off bits, not the edge bit: programs written for the
// card rely on this.
short CV_RiseEdge(void) { return ChangeInterrupt(corvid::kExternalInterrupt | corvid::kInterruptsOff, 0); }
