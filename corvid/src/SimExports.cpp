// corvid_sim.h: the simulated cards as programs' own tests drive them. Each
// call takes the lock of the card it touches, so it never races the library.
#include "corvid_sim.h"

#include "Frame.h"
#include "sim/CardSim.h"

#include <algorithm>
#include <array>
#include <cerrno>

namespace corvid {
namespace {

constexpr std::uint16_t kStatusRead = 54;
constexpr std::uint16_t kPositionRead = 161;
constexpr std::uint16_t kActualPositionRead = 194;

bool ValidCard(short card) { return card >= 0 && card < kCardCount; }

template <class Change>
short OnSimulatedCard(short card, Change&& change) noexcept
{
    if (!ValidCard(card))
        return CV_RC_RANGE;
    try {
        std::lock_guard<std::mutex> lock(CardAt(card).lock);
        return change(sim::CSimBench::Instance().Card(card));
    } catch (...) {
        return CV_RC_COMM;
    }
}

short OnSimulatedAxis(short card, short axis, void (*change)(sim::CCardSim&, int, std::uint32_t),
                      std::uint32_t value)
{
    if (axis < 1 || axis > 4)
        return CV_RC_RANGE;
    return OnSimulatedCard(card, [=](sim::CCardSim& sim) {
        change(sim, axis - 1, value);
        return short{CV_RC_DONE};
    });
}

void SetPosition(sim::CCardSim& sim, int axis, std::uint32_t position)
{
    sim.axisPositions[static_cast<std::size_t>(axis)] = static_cast<std::int32_t>(position);
    sim.SetReply(axis, kPositionRead, position);
    sim.SetReply(axis, kActualPositionRead, position);
}

void SetStatus(sim::CCardSim& sim, int axis, std::uint32_t status) { sim.SetReply(axis, kStatusRead, status); }

short Fault(sim::CCardSim& sim, short fault, short count)
{
    const int error = count != 0 ? 1 : 0;
    switch (fault) {
    case CV_SIM_NO_ANSWER: sim.FailControls(std::max<short>(count, 0)); break;
    case CV_SIM_BAD_ECHO: sim.CorruptEchoes(std::max<short>(count, 0)); break;
    case CV_SIM_BUSY: sim.FailOpens(error * EBUSY); break;
    case CV_SIM_NO_DEVICE: sim.FailOpens(error * ENOENT); break;
    case CV_SIM_NO_PERMISSION: sim.FailOpens(error * EACCES); break;
    default: return CV_RC_RANGE;
    }
    return CV_RC_DONE;
}

std::int32_t CopyLog(const sim::CCardSim& sim, CV_SimRequest* requests, std::int32_t capacity)
{
    const auto& received = sim.Received();
    const auto room = static_cast<std::size_t>(std::max(capacity, 0));
    const std::size_t copied = std::min(received.size(), room);
    for (std::size_t i = 0; i < copied; ++i)
        requests[i] = {received[i].command, received[i].replyKind, received[i].wordsSent, 0,
                       received[i].argument};
    return static_cast<std::int32_t>(received.size());
}

// Fresh cards in the library too: what it kept mirrored the old ones.
void ResetAll()
{
    std::array<std::unique_lock<std::mutex>, kCardCount> locks;
    for (short i = 0; i < kCardCount; ++i) {
        SCard& card = CardAt(i);
        locks[static_cast<std::size_t>(i)] = std::unique_lock<std::mutex>(card.lock);
        CloseCard(card);
        card.coord = SCoordState{};
        card.interruptControl = 0;
    }
    sim::CSimBench::Instance().Reset();
}

}  // namespace
}  // namespace corvid

short CV_SimSelect(short on)
{
    corvid::ChooseSimulator(on != 0);
    return CV_RC_DONE;
}

short CV_SimReset(void)
{
    try {
        corvid::ResetAll();
        return CV_RC_DONE;
    } catch (...) {
        return CV_RC_COMM;
    }
}

short CV_SimSetPosition(short card, short axis, std::int32_t position)
{
    return corvid::OnSimulatedAxis(card, axis, corvid::SetPosition, static_cast<std::uint32_t>(position));
}

short CV_SimSetStatus(short card, short axis, unsigned short status)
{
    return corvid::OnSimulatedAxis(card, axis, corvid::SetStatus, status);
}

short CV_SimFault(short card, short fault, short count)
{
    return corvid::OnSimulatedCard(card, [=](corvid::sim::CCardSim& sim) {
        return corvid::Fault(sim, fault, count);
    });
}

std::int32_t CV_SimLog(short card, CV_SimRequest* requests, std::int32_t capacity)
{
    if (!corvid::ValidCard(card) || (requests == nullptr && capacity > 0))
        return -1;
    std::int32_t count = 0;
    corvid::OnSimulatedCard(card, [&](corvid::sim::CCardSim& sim) {
        count = corvid::CopyLog(sim, requests, capacity);
        return short{CV_RC_DONE};
    });
    return count;
}

short CV_SimClearLog(short card)
{
    return corvid::OnSimulatedCard(card, [](corvid::sim::CCardSim& sim) {
        sim.ClearReceived();
        return short{CV_RC_DONE};
    });
}
