// Loading the controller program into the card's processor from an image
// file: "\033\033i", then sections "@PA <address>" (24-bit program words) and
// "@DA <address>" (16-bit data words), each ended by a token starting with
// "#", then "\033\033o".
#include "Frame.h"
#include "HostPorts.h"
#include "corvid.h"

#include <charconv>
#include <fstream>
#include <string>

namespace corvid {

namespace {

constexpr std::uint32_t kStepMs = 1;
constexpr std::uint32_t kHostStatusMs = 1000;
constexpr int kMemoryWords = 16383;
const std::string kImageStart = "\033\033i";
const std::string kImageEnd = "\033\033o";

// Program word 0 starts the processor, so it goes last, once everything it
// runs is in place. An image without one leaves 0 there.
struct SHeldWord {
    std::uint16_t high = 0;
    std::uint16_t low = 0;
};

std::uint32_t Hex(const std::string& token)
{
    std::uint32_t value = 0;
    std::from_chars(token.data(), token.data() + token.size(), value, 16);
    return value;
}

void ClearMemories()
{
    PortWrite(kHostAddressPort, 1);
    Wait(kStepMs);
    for (int i = 0; i < kMemoryWords; ++i) {
        PortWrite(kHostDataPort, 0);
        PortWrite(kHostDataPort, 0);
    }
    Wait(kStepMs);
    PortWrite(kHostAddressPort, kDataMemory);
    Wait(kStepMs);
    for (int i = 0; i < kMemoryWords; ++i)
        PortWrite(kHostDataPort, 0);
}

void ProgramSection(std::istream& in, std::uint16_t address, SHeldWord& held)
{
    bool holdFirst = address == 0;
    bool justHeld = false;
    if (holdFirst)
        address = 1;
    PortWrite(kHostAddressPort, address);
    for (std::string token; in >> token && token[0] != '#';) {
        const std::uint32_t word = Hex(token);
        const auto high = static_cast<std::uint16_t>((word >> 8) & 0xFFFFu);
        const auto low = static_cast<std::uint16_t>(word & 0xFFu);
        if (holdFirst) {
            held = {high, low};
            holdFirst = false;
            justHeld = true;
            continue;
        }
        if (justHeld)
            PortWrite(kHostAddressPort, address);
        justHeld = false;
        PortWrite(kHostDataPort, high);
        PortWrite(kHostDataPort, low);
    }
}

void DataSection(std::istream& in, std::uint16_t address)
{
    PortWrite(kHostAddressPort, static_cast<std::uint16_t>(address | kDataMemory));
    for (std::string token; in >> token && token[0] != '#';)
        PortWrite(kHostDataPort, static_cast<std::uint16_t>(Hex(token)));
}

// Tokens other than sections are skipped; the end marker or the end of the
// file ends the image.
void LoadSections(std::istream& in, SHeldWord& held)
{
    std::string token;
    if (!(in >> token) || token != kImageStart || !(in >> token))
        return;
    while (token != kImageEnd) {
        if (token == "@PA" || token == "@DA") {
            std::string address;
            if (!(in >> address))
                return;
            const auto start = static_cast<std::uint16_t>(Hex(address) & 0xFFFFu);
            if (token == "@PA")
                ProgramSection(in, start, held);
            else
                DataSection(in, start);
        }
        if (!(in >> token))
            return;
    }
}

void WriteHeldWord(const SHeldWord& held)
{
    PortWrite(kHostAddressPort, 0);
    Wait(kStepMs);
    PortWrite(kHostDataPort, held.high);
    Wait(kStepMs);
    PortWrite(kHostDataPort, held.low);
    Wait(kStepMs);
}

short Download(const char* file)
{
    ClearMemories();
    HardReset();
    std::ifstream in;
    if (file != nullptr)
        in.open(file);
    if (!in.is_open())
        return CV_RC_NO_FILE;
    PortWrite(kHostStatusPort, 0);
    Wait(kHostStatusMs);
    PortRead(kHostStatusPort);
    Wait(kHostStatusMs);
    SHeldWord held;
    LoadSections(in, held);
    in.close();
    WriteHeldWord(held);
    return ResetCurrentCard();
}

}  // namespace
}  // namespace corvid

short download(const char* file) { return corvid::Serialised([file] { return corvid::Download(file); }); }
