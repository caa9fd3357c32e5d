// The library's frame: the current card, the handle table, the transport and
// the one lock that serialises every exported call.
#pragma once

#include <cstdint>
#include <mutex>

namespace corvid {

constexpr short kCardCount = 16;

std::mutex& LibraryMutex();

// Runs one exported call under the library's lock. Nothing thrown inside may
// reach a C caller: whatever is thrown (an allocation that failed, a lock that
// could not be taken) becomes the result onFailure.
template <class Call>
short Serialised(short onFailure, Call&& call) noexcept
{
    try {
        std::lock_guard<std::mutex> lock(LibraryMutex());
        return call();
    } catch (...) {
        return onFailure;
    }
}

// The same with -1, the communication failure, as the result of a throw.
template <class Call>
short Serialised(Call&& call) noexcept
{
    return Serialised(-1, static_cast<Call&&>(call));
}

short CurrentCard();
void SelectCard(short card);

short OpenCurrentCard();
short CloseCurrentCard();
short ResetCurrentCard();
short EnsureOpen();

// One driver control call on the current card, opening it first: 0 or -1.
short Control(std::uint32_t code, const void* in, std::uint32_t inSize, void* out, std::uint32_t outSize);

// One command request; the card's reply (offset 8) goes to reply. 0 or -1.
short ExchangeCommand(std::uint16_t command, std::uint32_t argument, std::uint16_t wordsSent,
                      std::uint16_t replyKind, std::uint32_t& reply);

// The 16-bit value the port request came back with, or -1.
int PortRead(std::uint16_t port);
int PortWrite(std::uint16_t port, std::uint16_t value);

// Waits on the transport's clock (virtual under the simulator).
void Wait(std::uint32_t milliseconds);

}  // namespace corvid
