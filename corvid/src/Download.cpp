// Loading a checked controller program image into the card's memories.
#include "Frame.h"
#include "HostPorts.h"
#include "ImageFile.h"
#include "corvid.h"

namespace corvid {

namespace {

constexpr std::uint32_t kStepMs = 1;
constexpr std::uint32_t kHostStatusMs = 1000;
constexpr int kClearedWords = 16383;

// Program word 0 starts the processor, so it goes last, once everything it
// runs is in place. An image without one leaves 0 there.
struct SHeldWord {
    std::uint16_t high = 0;
    std::uint16_t low = 0;
};

short Fill(SCard& card, int count, int wordsEach)
{
    for (int i = 0; i < count * wordsEach; ++i)
        if (PortWrite(card, kHostDataPort, 0) != 0)
            return CV_RC_COMM;
    return CV_RC_DONE;
}

short ClearMemories(SCard& card)
{
    if (PortWrite(card, kHostAddressPort, 1) != 0)
        return CV_RC_COMM;
    Wait(card, kStepMs);
    if (Fill(card, kClearedWords, 2) != 0)
        return CV_RC_COMM;
    Wait(card, kStepMs);
    if (PortWrite(card, kHostAddressPort, kDataMemory) != 0)
        return CV_RC_COMM;
    Wait(card, kStepMs);
    return Fill(card, kClearedWords, 1);
}

short WriteProgramSection(SCard& card, const SImageSection& section, SHeldWord& held)
{
    std::size_t first = 0;
    std::uint16_t address = section.address;
    if (address == 0 && !section.words.empty()) {
        held = {static_cast<std::uint16_t>(section.words[0] >> 8),
                static_cast<std::uint16_t>(section.words[0] & 0xFFu)};
        first = 1;
        address = 1;
    }
    if (PortWrite(card, kHostAddressPort, address) != 0)
        return CV_RC_COMM;
    for (std::size_t i = first; i < section.words.size(); ++i) {
        const std::uint32_t word = section.words[i];
        if (PortWrite(card, kHostDataPort, static_cast<std::uint16_t>(word >> 8)) != 0 ||
            PortWrite(card, kHostDataPort, static_cast<std::uint16_t>(word & 0xFFu)) != 0)
            return CV_RC_COMM;
    }
    return CV_RC_DONE;
}

short WriteDataSection(SCard& card, const SImageSection& section)
{
    if (PortWrite(card, kHostAddressPort, static_cast<std::uint16_t>(section.address | kDataMemory)) != 0)
        return CV_RC_COMM;
    for (const std::uint32_t word : section.words)
        if (PortWrite(card, kHostDataPort, static_cast<std::uint16_t>(word)) != 0)
            return CV_RC_COMM;
    return CV_RC_DONE;
}

short WriteSections(SCard& card, const SImage& image, SHeldWord& held)
{
    for (const SImageSection& section : image.sections) {
        const short result =
            section.program ? WriteProgramSection(card, section, held) : WriteDataSection(card, section);
        if (result != CV_RC_DONE)
            return result;
    }
    return CV_RC_DONE;
}

short WriteHeldWord(SCard& card, const SHeldWord& held)
{
    if (PortWrite(card, kHostAddressPort, 0) != 0)
        return CV_RC_COMM;
    Wait(card, kStepMs);
    if (PortWrite(card, kHostDataPort, held.high) != 0)
        return CV_RC_COMM;
    Wait(card, kStepMs);
    if (PortWrite(card, kHostDataPort, held.low) != 0)
        return CV_RC_COMM;
    Wait(card, kStepMs);
    return CV_RC_DONE;
}

short Load(SCard& card, const SImage& image)
{
    const CResetting resetting(card);
    SHeldWord held;
    if (ClearMemories(card) != 0 || HardReset(card) != 0 || PulsePort(card, kHostStatusPort, kHostStatusMs, kHostStatusMs) != 0 ||
        WriteSections(card, image, held) != 0 || WriteHeldWord(card, held) != 0)
        return CV_RC_COMM;
    return ResetCard(card);
}

// The image is read and checked before the card is touched, and without its
// lock: a malformed or missing file leaves the card as it was.
short Download(const char* file)
{
    ForgetFailure();
    SImage image;
    try {
        if (const short result = ReadImage(file, image); result != CV_RC_DONE)
            return result;
    } catch (...) {
        return CV_RC_NO_FILE;
    }
    return OnCurrentCard([&image](SCard& card) { return Load(card, image); });
}

}  // namespace
}  // namespace corvid

short CV_Download(const char* file) { return corvid::Download(file); }

short download(const char* file) { return corvid::Download(file); }
