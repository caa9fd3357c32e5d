// The command protocols on top of the frame: checked commands with the echo,
// command lists with recovery, card reals, and reads.
#pragma once

#include <cstdint>

namespace corvid {
struct SCard;
}

namespace corvid {

// Largest argument magnitude the card takes.
constexpr std::int64_t kMaxArgument = 0x3FFFFFFF;

// An ordinary command: 0, 1 (refused), 7 (argument out of range) or -1.
short SendCommand(SCard& card, std::uint16_t command, std::int64_t argument);

// count commands in a row, each with its own argument: 0, 1 or -1.
short SendCommandList(SCard& card, int count, const std::uint16_t* commands,
                      const std::int32_t* arguments);

// value as a card real under one command word: the mantissa, then the
// exponent unless words is 1. listState 0 or 1 becomes the list state when
// the send succeeds; -1 leaves it. 7 for bad words, listState or value.
short SendRealCommand(SCard& card, std::uint16_t command, int words, double value, int listState);

// A read without parameter and with a 32-bit reply: 0 or -1.
short ReadWord(SCard& card, std::uint16_t word, std::uint32_t& reply);

// A read with one 16-bit parameter (an axis or channel index).
short ReadWordWith(SCard& card, std::uint16_t word, std::uint32_t parameter, std::uint16_t replyKind,
                   std::uint32_t& reply);

}  // namespace corvid
