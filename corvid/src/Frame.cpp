#include "Frame.h"

#include "CoordState.h"
#include "Framing.h"
#include "Trace.h"
#include "Transport.h"
#include "corvid_ioctl.h"

#include <array>
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

struct SFrame {
    short currentCard = 0;
    std::array<int, kCardCount> handles;
    STransport transport;
    CTrace trace;

    SFrame() { handles.fill(kNoHandle); }
};

SFrame& Frame()
{
    static SFrame frame;
    return frame;
}

bool AnyCardOpen()
{
    for (int handle : Frame().handles)
        if (handle != kNoHandle)
            return true;
    return false;
}

// The environment is read when the first card opens, so a program (or a test)
// can change it while no card is open.
void BindConfiguration()
{
    SFrame& frame = Frame();
    frame.trace.Bind(std::getenv("CORVID_TRACE"));
    const char* kind = std::getenv("CORVID_TRANSPORT");
    if (kind == nullptr || *kind == '\0' || std::strcmp(kind, "device") == 0) {
        frame.transport = DeviceTransport(std::getenv("CORVID_DEVICE_DIR"));
    } else if (std::strcmp(kind, "sim") == 0) {
        frame.transport = SimulatedTransport();
    } else {
        std::fprintf(stderr, "corvid: unknown CORVID_TRANSPORT \"%s\" (use sim or device)\n", kind);
        frame.transport = {};
    }
}

}  // namespace

std::mutex& LibraryMutex()
{
    static std::mutex mutex;
    return mutex;
}

short CurrentCard() { return Frame().currentCard; }

void SelectCard(short card) { Frame().currentCard = card; }

short OpenCurrentCard()
{
    SFrame& frame = Frame();
    const short card = frame.currentCard;
    if (card < 0 || card >= kCardCount)
        return -1;
    int& handle = frame.handles[static_cast<std::size_t>(card)];
    if (handle != kNoHandle)
        return 0;
    if (!AnyCardOpen())
        BindConfiguration();
    const STransport& transport = frame.transport;
    handle = transport.ops != nullptr ? transport.ops->open(transport.data, card) : kNoHandle;
    if (handle < 0) {
        handle = kNoHandle;
        return -1;
    }
    return ResetCurrentCard();
}

short CloseCurrentCard()
{
    SFrame& frame = Frame();
    const short card = frame.currentCard;
    if (card < 0 || card >= kCardCount)
        return 0;
    int& handle = frame.handles[static_cast<std::size_t>(card)];
    if (handle != kNoHandle) {
        frame.transport.ops->close(frame.transport.data, handle);
        handle = kNoHandle;
    }
    return 0;
}

short ResetCurrentCard()
{
    ClearCoordinateState();
    for (int attempt = 0; attempt < kResetTries; ++attempt) {
        std::uint32_t reply = 0;
        if (ExchangeCommand(kResetWord, 0, 0, CORVID_REPLY_32, reply) != 0)
            return -1;
        if (reply == CORVID_RESET_REPLY)
            return 0;
    }
    return -1;
}

short EnsureOpen()
{
    const SFrame& frame = Frame();
    if (frame.handles[static_cast<std::size_t>(frame.currentCard)] != kNoHandle)
        return 0;
    return OpenCurrentCard();
}

short Control(std::uint32_t code, const void* in, std::uint32_t inSize, void* out, std::uint32_t outSize)
{
    if (EnsureOpen() != 0)
        return -1;
    SFrame& frame = Frame();
    const short card = frame.currentCard;
    const std::string request = frame.trace.Enabled() ? HexBytes(in, inSize) : std::string();
    const int result = frame.transport.ops->control(frame.transport.data,
                                                    frame.handles[static_cast<std::size_t>(card)],
                                                    code, in, inSize, out, outSize);
    frame.trace.Line(card, code, request, out, outSize, result == 0);
    return result == 0 ? 0 : -1;
}

short ExchangeCommand(std::uint16_t command, std::uint32_t argument, std::uint16_t wordsSent,
                      std::uint16_t replyKind, std::uint32_t& reply)
{
    corvid_command_request request{};
    request.command = command;
    request.reply_kind = replyKind;
    request.words_sent = wordsSent;
    request.reply = 0;
    request.argument = argument;
    if (Control(CORVID_CTL_COMMAND, &request, sizeof request, &request, sizeof request) != 0)
        return -1;
    reply = request.reply;
    return 0;
}

namespace {

int PortAccess(std::uint16_t port, bool write, std::uint16_t value)
{
    corvid_port_request request{};
    request.port = port;
    request.write = write ? 1 : 0;
    request.count = 1;
    request.value = value;
    if (Control(CORVID_CTL_PORT, &request, sizeof request, &request, sizeof request) != 0)
        return -1;
    return request.value;
}

}  // namespace

int PortRead(std::uint16_t port) { return PortAccess(port, false, 0); }

int PortWrite(std::uint16_t port, std::uint16_t value) { return PortAccess(port, true, value); }

void Wait(std::uint32_t milliseconds)
{
    SFrame& frame = Frame();
    if (!AnyCardOpen())
        BindConfiguration();
    if (frame.transport.ops != nullptr)
        frame.transport.ops->wait_ms(frame.transport.data, milliseconds);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace corvid
