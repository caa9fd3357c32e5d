// Single words of the card's memories, the hard reset and the host interrupt
// control word.
#include "HostPorts.h"

#include "Frame.h"
#include "corvid.h"

namespace corvid {

namespace {

constexpr std::uint32_t kHardResetHoldMs = 1000;
constexpr std::uint32_t kHardResetSettleMs = 2000;

constexpr std::uint16_t kExternalInterrupt = 1u << 0;
constexpr std::uint16_t kInterruptsOff = 1u << 1;
constexpr std::uint16_t kTrailingEdge = 1u << 2;

// The library's copy of the control word; the port is written whole.
std::uint16_t g_interruptControl = 0;

std::uint16_t ProgramAddress(std::uint16_t address) { return address == 0 ? 1 : address; }

short ChangeInterruptControl(std::uint16_t clear, std::uint16_t set)
{
    g_interruptControl = static_cast<std::uint16_t>((g_interruptControl & ~clear) | set);
    PortWrite(kInterruptControlPort, g_interruptControl);
    return CV_RC_DONE;
}

}  // namespace

short HardReset()
{
    PortWrite(kHardResetPort, 0);
    Wait(kHardResetHoldMs);
    PortRead(kHardResetPort);
    Wait(kHardResetSettleMs);
    return CV_RC_DONE;
}

std::uint32_t ReadProgramWord(std::uint16_t address)
{
    PortWrite(kHostAddressPort, ProgramAddress(address));
    const auto high = static_cast<std::uint32_t>(PortRead(kHostDataPort));
    const auto low = static_cast<std::uint32_t>(PortRead(kHostDataPort));
    return ((high << 8) + (low & 0xFFu)) & 0xFFFFFFu;
}

std::uint16_t ReadProgramHigh(std::uint16_t address)
{
    return static_cast<std::uint16_t>(ReadProgramWord(address) >> 8);
}

void WriteProgramWord(std::uint16_t address, std::uint16_t high)
{
    PortWrite(kHostAddressPort, ProgramAddress(address));
    PortWrite(kHostDataPort, high);
    PortWrite(kHostDataPort, 0);
}

std::uint16_t ReadDataWord(std::uint16_t address)
{
    PortWrite(kHostAddressPort, static_cast<std::uint16_t>(address | kDataMemory));
    return static_cast<std::uint16_t>(PortRead(kHostDataPort));
}

void WriteDataWord(std::uint16_t address, std::uint16_t value)
{
    PortWrite(kHostAddressPort, static_cast<std::uint16_t>(address | kDataMemory));
    PortWrite(kHostDataPort, value);
}

}  // namespace corvid

using corvid::Serialised;

short CV_HardRst(void) { return Serialised([] { return corvid::HardReset(); }); }

short CV_ShowData(unsigned short* words, unsigned short address, unsigned short count)
{
    if (words == nullptr && count > 0)
        return CV_RC_RANGE;
    return Serialised([=]() -> short {
        for (unsigned i = 0; i < count; ++i)
            words[i] = corvid::ReadDataWord(static_cast<std::uint16_t>(address + i));
        return CV_RC_DONE;
    });
}

short CV_ShowProg(std::uint32_t* values, unsigned short address, unsigned short count)
{
    if (values == nullptr && count > 0)
        return CV_RC_RANGE;
    return Serialised([=]() -> short {
        for (unsigned i = 0; i < count; ++i)
            values[i] = corvid::ReadProgramWord(static_cast<std::uint16_t>(address + i));
        return CV_RC_DONE;
    });
}

short CV_WriteData(unsigned short address, unsigned short value)
{
    return Serialised([=]() -> short {
        corvid::WriteDataWord(address, value);
        return CV_RC_DONE;
    });
}

short CV_WriteProg(unsigned short address, unsigned short value)
{
    return Serialised([=]() -> short {
        corvid::WriteProgramWord(address, value);
        return CV_RC_DONE;
    });
}

short CV_DSPINT(void) { return Serialised([] { return corvid::ChangeInterruptControl(corvid::kExternalInterrupt, 0); }); }
short CV_EXTINT(void) { return Serialised([] { return corvid::ChangeInterruptControl(0, corvid::kExternalInterrupt); }); }
short CV_INTOn(void) { return Serialised([] { return corvid::ChangeInterruptControl(corvid::kInterruptsOff, 0); }); }
short CV_INTOff(void) { return Serialised([] { return corvid::ChangeInterruptControl(0, corvid::kInterruptsOff); }); }
short CV_TrailEdge(void) { return Serialised([] { return corvid::ChangeInterruptControl(0, corvid::kTrailingEdge); }); }

// Clears the source and on/off bits, not the edge bit: programs written for the
// card rely on this.
short CV_RiseEdge(void)
{
    return Serialised([] {
        return corvid::ChangeInterruptControl(corvid::kExternalInterrupt | corvid::kInterruptsOff, 0);
    });
}
