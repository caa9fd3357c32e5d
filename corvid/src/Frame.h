// The library's frame: the sixteen cards, each with its lock, handle and
// state; the current card of each thread; and the exchanges with a card.
#pragma once

#include "CoordState.h"

#include <atomic>
#include <cstdint>
#include <mutex>

namespace corvid {

constexpr short kCardCount = 16;

// Everything the library keeps about one card. Its lock is held through a
// whole call on the card, waits included, and by nothing else.
struct SCard {
    std::mutex lock;
    short index = 0;
    int handle = -1;  // -1 while the card is not open
    SCoordState coord;
    std::uint16_t interruptControl = 0;  // what the card's port 12 was last given
    // A download or a hard reset holds the card in reset; stops do not wait for it.
    std::atomic<bool> resetting{false};
};

// Every call reads these: they are defined here, so that reading them is a
// plain load. initial-exec is safe for a library this small even when a
// program loads it at run time.
struct SCards;
extern SCards g_cards;
extern std::atomic<short> g_chosenLast;
[[gnu::tls_model("initial-exec")]] inline thread_local short t_chosen = -1;
[[gnu::tls_model("initial-exec")]] inline thread_local short t_failure = 0;

struct SCards {
    SCard all[kCardCount];
    constexpr SCards()
    {
        for (short i = 0; i < kCardCount; ++i)
            all[i].index = i;
    }
};

inline SCard& CardAt(short index) { return g_cards.all[index]; }

// The calling thread's card: the one it chose last, or, if it never chose,
// the one any thread chose last.
inline short CurrentCard() { return t_chosen >= 0 ? t_chosen : g_chosenLast.load(std::memory_order_relaxed); }
void SelectCard(short card);

// Why the calling thread's last call failed (a CV_OS_* reason, or 0).
inline void ForgetFailure() { t_failure = 0; }
inline void Fail(short reason) { t_failure = reason; }
inline short FailureReason() { return t_failure; }

// Runs one exported call on the current card under that card's lock. Nothing
// thrown inside may reach a C caller: whatever is thrown (an allocation that
// failed, a lock that could not be taken) becomes the result onFailure.
template <class Call>
short OnCurrentCard(short onFailure, Call&& call) noexcept
{
    try {
        ForgetFailure();
        SCard& card = CardAt(CurrentCard());
        std::lock_guard<std::mutex> lock(card.lock);
        return call(card);
    } catch (...) {
        return onFailure;
    }
}

// The same with -1, the communication failure, as the result of a throw.
template <class Call>
short OnCurrentCard(Call&& call) noexcept
{
    return OnCurrentCard(-1, static_cast<Call&&>(call));
}

// The same for a function of the card, given the call's own arguments.
template <class... Parameters, class... Arguments>
short CallOnCurrentCard(short (*function)(SCard&, Parameters...), Arguments... arguments) noexcept
{
    return OnCurrentCard([=](SCard& card) { return function(card, arguments...); });
}

// Takes the card's lock unless a download or a hard reset holds it.
bool LockUnlessResetting(SCard& card, std::unique_lock<std::mutex>& lock);

// A stop: as OnCurrentCard, but -1 at once when the card is being reset.
template <class Call>
short StopOnCurrentCard(Call&& call) noexcept
{
    try {
        ForgetFailure();
        SCard& card = CardAt(CurrentCard());
        std::unique_lock<std::mutex> lock(card.lock, std::defer_lock);
        if (!LockUnlessResetting(card, lock))
            return -1;
        return call(card);
    } catch (...) {
        return -1;
    }
}

// Marks a card as held in reset for as long as it lives.
class CResetting {
public:
    explicit CResetting(SCard& card) : m_card(card) { m_card.resetting = true; }
    ~CResetting() { m_card.resetting = false; }
    CResetting(const CResetting&) = delete;
    CResetting& operator=(const CResetting&) = delete;

private:
    SCard& m_card;
};

short OpenCard(SCard& card);
short CloseCard(SCard& card);
short ResetCard(SCard& card);
short EnsureOpen(SCard& card);

// CORVID_TRANSPORT=sim without the environment (CV_SimSelect): read, as the
// environment is, when a card opens while none is open.
void ChooseSimulator(bool chosen);

// One driver control call on the card, opening it first: 0 or -1.
short Control(SCard& card, std::uint32_t code, const void* in, std::uint32_t inSize, void* out,
              std::uint32_t outSize);

// One command request; the card's reply (offset 8) goes to reply. 0 or -1.
short ExchangeCommand(SCard& card, std::uint16_t command, std::uint32_t argument,
                      std::uint16_t wordsSent, std::uint16_t replyKind, std::uint32_t& reply);

// One port access: 0 with the value the request came back with, or -1.
short PortRead(SCard& card, std::uint16_t port, std::uint16_t& value);
short PortWrite(SCard& card, std::uint16_t port, std::uint16_t value);

// Waits on the transport's clock (virtual under the simulator).
void Wait(SCard& card, std::uint32_t milliseconds);

}  // namespace corvid
