// The spy function's read-out: the card fills two buffers in program memory
// in turn and says in a status word which one is ready.
#include "Frame.h"
#include "HostPorts.h"
#include "corvid.h"

#include <algorithm>
#include <vector>

namespace corvid {

namespace {

constexpr std::uint16_t kStatusWord = 0x28FF;
constexpr std::uint16_t kBufferA = 0x2900;  // its count, then its words
constexpr std::uint16_t kBufferB = 0x3480;
constexpr int kLargestCopy = 3400;

constexpr std::uint16_t kSomethingReady = 1u << 0;
constexpr std::uint16_t kAskA = 1u << 1;
constexpr std::uint16_t kAskB = 1u << 2;
constexpr std::uint16_t kAReady = 1u << 3;
constexpr std::uint16_t kBReady = 1u << 4;

// Empties one buffer and tells the card so; the words it held come back.
std::vector<short> ReadOut(std::uint16_t buffer, std::uint16_t status, std::uint16_t readyBit)
{
    const std::uint16_t count = ReadProgramHigh(buffer);
    WriteProgramWord(buffer, 0);
    std::vector<short> words(count);
    PortWrite(kHostAddressPort, static_cast<std::uint16_t>(buffer + 1));
    for (short& word : words) {
        word = static_cast<short>(PortRead(kHostDataPort));
        PortRead(kHostDataPort);
    }
    WriteProgramWord(kStatusWord, static_cast<std::uint16_t>(status & ~readyBit));
    return words;
}

std::vector<short> ReadyWords(std::uint16_t status)
{
    if (status & kAReady)
        return ReadOut(kBufferA, status, kAReady);
    if (status & kBReady)
        return ReadOut(kBufferB, status, kBReady);
    if (status & kAskA) {
        const auto asked = static_cast<std::uint16_t>((status & ~kAskA) | kAskB | kAReady);
        WriteProgramWord(kStatusWord, asked);
        return ReadOut(kBufferA, asked, kAReady);
    }
    if (status & kAskB) {
        const auto asked = static_cast<std::uint16_t>((status & ~kAskB) | kAskA | kBReady);
        WriteProgramWord(kStatusWord, asked);
        return ReadOut(kBufferB, asked, kBReady);
    }
    return {};
}

short ReadData(short* buffer)
{
    const std::uint16_t status = ReadProgramHigh(kStatusWord);
    if ((status & kSomethingReady) == 0)
        return 0;
    const std::vector<short> words = ReadyWords(status);
    const auto count = static_cast<int>(words.size());
    if (buffer != nullptr && count >= 1 && count <= kLargestCopy)
        std::copy(words.begin(), words.end(), buffer);
    return static_cast<short>(count);
}

}  // namespace
}  // namespace corvid

short CV_ReadData(short* buffer) { return corvid::Serialised([buffer] { return corvid::ReadData(buffer); }); }
