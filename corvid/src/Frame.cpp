#include "Frame.h"

#include "Framing.h"
#include "Trace.h"
#include "Transport.h"
#include "corvid.h"
#include "corvid_ioctl.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace corvid {

namespace {

constexpr int kNoHandle = -1;
constexpr std::uint16_t kResetWord = 19;
constexpr int kResetTries = 3;
constexpr std::chrono::microseconds kStopPoll{50};

// What the cards share: the transport and the trace, chosen from the
// environment when a card opens while none is open. Its lock covers choosing,
// opening and closing, never an exchange.
struct SShared {
    std::mutex lock;
    int openCards = 0;
    bool simulatorChosen = false;
    STransport transport;
    CTrace trace;
};

SShared& Shared()
{
    static SShared shared;
    return shared;
}

// The environment is read when a card opens while none is open, so a program
// (or a test) can change it in between.
void BindConfiguration(SShared& shared)
{
    shared.trace.Bind(std::getenv("CORVID_TRACE"));
    const char* kind = shared.simulatorChosen ? "sim" : std::getenv("CORVID_TRANSPORT");
    if (kind == nullptr || *kind == '\0' || std::strcmp(kind, "device") == 0) {
        shared.transport = DeviceTransport(std::getenv("CORVID_DEVICE_DIR"));
    } else if (std::strcmp(kind, "sim") == 0) {
        shared.transport = SimulatedTransport();
    } else {
        std::fprintf(stderr, "corvid: unknown CORVID_TRANSPORT \"%s\" (use sim or device)\n", kind);
        shared.transport = {};
    }
}

short ReasonOfOpenError(int error)
{
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO: return CV_OS_NO_DEVICE;
    case EBUSY:
    case EWOULDBLOCK: return CV_OS_BUSY;
    case EACCES:
    case EPERM:
    case EROFS: return CV_OS_PERMISSION;
    default: return CV_OS_OPEN;
    }
}

short OpenHandle(SCard& card)
{
    SShared& shared = Shared();
    std::lock_guard<std::mutex> lock(shared.lock);
    if (shared.openCards == 0)
        BindConfiguration(shared);
    if (shared.transport.ops == nullptr) {
        Fail(CV_OS_NO_TRANSPORT);
        return -1;
    }
    const int handle = shared.transport.ops->open(shared.transport.data, card.index);
    if (handle < 0) {
        Fail(ReasonOfOpenError(-handle));
        return -1;
    }
    card.handle = handle;
    ++shared.openCards;
    return 0;
}

}  // namespace

constinit SCards g_cards;
constinit std::atomic<short> g_chosenLast{0};

void SelectCard(short card)
{
    t_chosen = card;
    g_chosenLast.store(card, std::memory_order_relaxed);
}

// Polls rather than blocks, so that a download that takes the card meanwhile
// is noticed at once.
bool LockUnlessResetting(SCard& card, std::unique_lock<std::mutex>& lock)
{
    while (!lock.try_lock()) {
        if (card.resetting) {
            Fail(CV_OS_BUSY);
            return false;
        }
        std::this_thread::sleep_for(kStopPoll);
    }
    return true;
}

void ChooseSimulator(bool chosen)
{
    std::lock_guard<std::mutex> lock(Shared().lock);
    Shared().simulatorChosen = chosen;
}

short OpenCard(SCard& card)
{
    if (card.handle != kNoHandle)
        return 0;
    if (OpenHandle(card) != 0)
        return -1;
    return ResetCard(card);
}

// A new session on the card starts without the list of the old one. The
// current axis and the interrupt word stay: they mirror registers of the card,
// which closing does not change.
short CloseCard(SCard& card)
{
    if (card.handle != kNoHandle) {
        SShared& shared = Shared();
        std::lock_guard<std::mutex> lock(shared.lock);
        shared.transport.ops->close(shared.transport.data, card.handle);
        card.handle = kNoHandle;
        --shared.openCards;
    }
    card.coord.listState = 0;
    card.coord.lastPoint = {};
    return 0;
}

short ResetCard(SCard& card)
{
    ClearCoordinateState(card.coord);
    for (int attempt = 0; attempt < kResetTries; ++attempt) {
        std::uint32_t reply = 0;
        if (ExchangeCommand(card, kResetWord, 0, 0, CORVID_REPLY_32, reply) != 0)
            return -1;
        if (reply == CORVID_RESET_REPLY)
            return 0;
    }
    Fail(CV_OS_BAD_REPLY);
    return -1;
}

short EnsureOpen(SCard& card) { return card.handle != kNoHandle ? 0 : OpenCard(card); }

short Control(SCard& card, std::uint32_t code, const void* in, std::uint32_t inSize, void* out,
              std::uint32_t outSize)
{
    if (EnsureOpen(card) != 0)
        return -1;
    SShared& shared = Shared();
    const std::string request = shared.trace.Enabled() ? HexBytes(in, inSize) : std::string();
    const int result = shared.transport.ops->control(shared.transport.data, card.handle, code, in,
                                                     inSize, out, outSize);
    shared.trace.Line(card.index, code, request, out, outSize, result == 0);
    if (result == 0)
        return 0;
    Fail(CV_OS_NO_ANSWER);
    return -1;
}

short ExchangeCommand(SCard& card, std::uint16_t command, std::uint32_t argument,
                      std::uint16_t wordsSent, std::uint16_t replyKind, std::uint32_t& reply)
{
    corvid_command_request request{};
    request.command = command;
    request.reply_kind = replyKind;
    request.words_sent = wordsSent;
    request.reply = 0;
    request.argument = argument;
    if (Control(card, CORVID_CTL_COMMAND, &request, sizeof request, &request, sizeof request) != 0)
        return -1;
    reply = request.reply;
    return 0;
}

namespace {

short PortAccess(SCard& card, std::uint16_t port, bool write, std::uint16_t& value)
{
    corvid_port_request request{};
    request.port = port;
    request.write = write ? 1 : 0;
    request.count = 1;
    request.value = value;
    if (Control(card, CORVID_CTL_PORT, &request, sizeof request, &request, sizeof request) != 0)
        return -1;
    value = request.value;
    return 0;
}

}  // namespace

short PortRead(SCard& card, std::uint16_t port, std::uint16_t& value)
{
    value = 0;
    return PortAccess(card, port, false, value);
}

short PortWrite(SCard& card, std::uint16_t port, std::uint16_t value)
{
    return PortAccess(card, port, true, value);
}

// Only an open card has a transport to wait on; the waits follow exchanges
// with the card, so it is open when they come.
void Wait(SCard& card, std::uint32_t milliseconds)
{
    const STransport& transport = Shared().transport;
    if (card.handle != kNoHandle)
        transport.ops->wait_ms(transport.data, milliseconds);
}

}  // namespace corvid
