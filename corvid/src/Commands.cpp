#include "Commands.h"

#include "Frame.h"
#include "Framing.h"
#include "corvid.h"
#include "corvid_ioctl.h"

#include <cmath>

namespace corvid {

namespace {

constexpr std::uint16_t kJerkWord = 68;
constexpr std::uint16_t kRecoveryWord = 104;
constexpr int kCommandTries = 3;
constexpr int kListTries = 4;

// Sends a command with its 32-bit argument and gives the card's 16-bit echo.
bool ExchangeEcho(SCard& card, std::uint16_t command, std::uint32_t argument, std::uint16_t& echo)
{
    std::uint32_t reply = 0;
    if (ExchangeCommand(card, command, argument, 2, CORVID_REPLY_16, reply) != 0)
        return false;
    echo = static_cast<std::uint16_t>(reply & 0xFFFFu);
    return true;
}

short SendListEntry(SCard& card, std::uint16_t command, std::int32_t argument)
{
    const auto word = static_cast<std::uint32_t>(argument);
    const std::uint16_t sum = EchoSum(command, word);
    for (int attempt = 0; attempt < kListTries; ++attempt) {
        std::uint16_t echo = 0;
        if (!ExchangeEcho(card, command, word, echo))
            return CV_RC_COMM;
        if (ListEntryAccepted(sum, echo))
            return CV_RC_DONE;
        if (echo == 0)
            return CV_RC_REFUSED;
        // A wrong echo means the card lost step; the recovery command puts it back
        // in step before the entry goes again.
        std::uint32_t ignored = 0;
        if (ExchangeCommand(card, kRecoveryWord, 0, 0, CORVID_REPLY_NONE, ignored) != 0)
            return CV_RC_COMM;
    }
    Fail(CV_OS_BAD_REPLY);
    return CV_RC_COMM;
}

}  // namespace

short SendCommand(SCard& card, std::uint16_t command, std::int64_t argument)
{
    if (command == kJerkWord && argument < 0)
        return CV_RC_RANGE;
    if (argument > kMaxArgument || argument < -kMaxArgument)
        return CV_RC_RANGE;
    const auto word = static_cast<std::uint32_t>(static_cast<std::int32_t>(argument));
    const std::uint16_t expected = ExpectedEcho(command, word);
    for (int attempt = 0; attempt < kCommandTries; ++attempt) {
        std::uint16_t echo = 0;
        if (!ExchangeEcho(card, command, word, echo))
            return CV_RC_COMM;
        if (echo == 0)
            return CV_RC_REFUSED;
        if (echo == expected)
            return CV_RC_DONE;
    }
    Fail(CV_OS_BAD_REPLY);
    return CV_RC_COMM;
}

short SendCommandList(SCard& card, int count, const std::uint16_t* commands,
                      const std::int32_t* arguments)
{
    for (int i = 0; i < count; ++i)
        if (const short result = SendListEntry(card, commands[i], arguments[i]); result != CV_RC_DONE)
            return result;
    return CV_RC_DONE;
}

short SendRealCommand(SCard& card, std::uint16_t command, int words, double value, int listState)
{
    if ((words != 1 && words != 2) || listState > 1 || !std::isfinite(value))
        return CV_RC_RANGE;
    const SCardReal real = ToCardReal(value);
    const std::uint16_t commands[2] = {command, command};
    const std::int32_t arguments[2] = {real.mantissa, real.exponent};
    const short result = SendCommandList(card, words, commands, arguments);
    if (result == CV_RC_DONE && listState >= 0)
        card.coord.listState = static_cast<short>(listState);
    return result;
}

short ReadWord(SCard& card, std::uint16_t word, std::uint32_t& reply)
{
    return ExchangeCommand(card, word, 0, 0, CORVID_REPLY_32, reply) == 0 ? CV_RC_DONE : CV_RC_COMM;
}

short ReadWordWith(SCard& card, std::uint16_t word, std::uint32_t parameter, std::uint16_t replyKind,
                   std::uint32_t& reply)
{
    return ExchangeCommand(card, word, parameter, 1, replyKind, reply) == 0 ? CV_RC_DONE : CV_RC_COMM;
}

}  // namespace corvid
