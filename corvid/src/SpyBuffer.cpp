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
short ReadOut(SCard& card, std::uint16_t buffer, std::uint16_t status, std::uint16_t readyBit,
              std::vector<short>& words)
{
    std::uint16_t count = 0;
    if (ReadProgramHigh(card, buffer, count) != 0 || WriteProgramWord(card, buffer, 0) != 0 ||
        PortWrite(card, kHostAddressPort, static_cast<std::uint16_t>(buffer + 1)) != 0)
        return CV_RC_COMM;
    words.assign(count, 0);
    for (short& word : words) {
        std::uint16_t high = 0, low = 0;
        if (PortRead(card, kHostDataPort, high) != 0 || PortRead(card, kHostDataPort, low) != 0)
            return CV_RC_COMM;
        word = static_cast<short>(high);
    }
    return WriteProgramWord(card, kStatusWord, static_cast<std::uint16_t>(status & ~readyBit));
}

// A buffer the card was asked for is switched to ready before it is read.
short ReadAsked(SCard& card, std::uint16_t asked, std::uint16_t buffer, std::uint16_t readyBit,
                std::vector<short>& words)
{
    if (WriteProgramWord(card, kStatusWord, asked) != 0)
        return CV_RC_COMM;
    return ReadOut(card, buffer, asked, readyBit, words);
}

short ReadyWords(SCard& card, std::uint16_t status, std::vector<short>& words)
{
    if (status & kAReady)
        return ReadOut(card, kBufferA, status, kAReady, words);
    if (status & kBReady)
        return ReadOut(card, kBufferB, status, kBReady, words);
    if (status & kAskA)
        return ReadAsked(card, static_cast<std::uint16_t>((status & ~kAskA) | kAskB | kAReady), kBufferA,
                         kAReady, words);
    if (status & kAskB)
        return ReadAsked(card, static_cast<std::uint16_t>((status & ~kAskB) | kAskA | kBReady), kBufferB,
                         kBReady, words);
    return CV_RC_DONE;
}

short ReadData(SCard& card, short* buffer)
{
    std::uint16_t status = 0;
    if (ReadProgramHigh(card, kStatusWord, status) != 0)
        return CV_RC_COMM;
    if ((status & kSomethingReady) == 0)
        return 0;
    std::vector<short> words;
    if (ReadyWords(card, status, words) != CV_RC_DONE)
        return CV_RC_COMM;
    const auto count = static_cast<int>(words.size());
    if (buffer != nullptr && count >= 1 && count <= kLargestCopy)
        std::copy(words.begin(), words.end(), buffer);
    return static_cast<short>(count);
}

}  // namespace
}  // namespace corvid

short CV_ReadData(short* buffer)
{
    return corvid::OnCurrentCard([buffer](corvid::SCard& card) { return corvid::ReadData(card, buffer); });
}
