// The driver's side of the simulated cards: opening, closing and the control
// calls, with the faults a test asked for.
#include "CardSim.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace corvid::sim {

CSimBench& CSimBench::Instance()
{
    static CSimBench bench;
    return bench;
}

void CSimBench::Reset()
{
    for (auto& card : m_cards)
        card = CCardSim();
    m_nowMs = 0;
    m_waitHook = nullptr;
}

void CSimBench::Wait(std::uint32_t milliseconds)
{
    if (m_waitHook)
        m_waitHook(milliseconds);
    m_nowMs += milliseconds;
}

int CSimBench::Open(int card)
{
    if (card < 0 || card >= static_cast<int>(m_cards.size()))
        return -ENOENT;
    CCardSim& sim = Card(card);
    if (sim.m_openError != 0)
        return -sim.m_openError;
    // Like the device node, a card opens once at a time.
    if (sim.m_open)
        return -EBUSY;
    ++sim.m_opens;
    sim.m_open = true;
    return card;
}

void CSimBench::Close(int handle)
{
    CCardSim& sim = Card(handle);
    ++sim.m_closes;
    sim.m_open = false;
}

namespace {

template <class Request, class Handler>
int Exchange(const void* in, std::uint32_t inSize, void* out, std::uint32_t outSize, Handler handle)
{
    if (in == nullptr || out == nullptr || inSize < sizeof(Request) || outSize < sizeof(Request))
        return -1;
    Request request;
    std::memcpy(&request, in, sizeof request);
    handle(request);
    std::memcpy(out, &request, sizeof request);
    return 0;
}

}  // namespace

int CSimBench::Control(int handle, std::uint32_t code, const void* in, std::uint32_t inSize, void* out,
                       std::uint32_t outSize)
{
    if (handle < 0 || handle >= static_cast<int>(m_cards.size()))
        return -1;
    CCardSim& card = Card(handle);
    if (!card.m_open)
        return -1;
    if (card.m_failControls > 0) {
        --card.m_failControls;
        return -1;
    }
    switch (code) {
    case CORVID_CTL_COMMAND:
        return Exchange<corvid_command_request>(in, inSize, out, outSize,
                                                [&](auto& request) { card.Command(request); });
    case CORVID_CTL_PORT:
        return Exchange<corvid_port_request>(in, inSize, out, outSize,
                                             [&](auto& request) { card.Port(request); });
    case CORVID_CTL_GET_INTR:
        if (out == nullptr || outSize < 2)
            return -1;
        std::memcpy(out, &card.interruptStatus, 2);
        return 0;
    case CORVID_CTL_SET_EVENT:
        card.eventSet = inSize >= 4 && in != nullptr;
        card.event = 0;
        if (card.eventSet)
            std::memcpy(&card.event, in, 4);
        return 0;
    case CORVID_CTL_SET_BG_SET: {
        const auto* bytes = static_cast<const std::uint8_t*>(in);
        card.backgroundSet.assign(bytes, bytes + (in == nullptr ? 0 : inSize));
        return 0;
    }
    case CORVID_CTL_GET_BG_RESULT:
        if (out == nullptr && outSize > 0)
            return -1;
        if (const std::size_t size = std::min<std::size_t>(outSize, card.backgroundResult.size()); size > 0)
            std::memcpy(out, card.backgroundResult.data(), size);
        return 0;
    default:
        return -1;
    }
}

}  // namespace corvid::sim
