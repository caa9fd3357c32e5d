// Reading back what the simulated card received: the command words in order
// and the card reals (mantissa, then exponent) among them.
#pragma once

#include "Framing.h"
#include "sim/CardSim.h"

#include <cstddef>
#include <cstdint>
#include <vector>

inline std::vector<std::uint16_t> Words(const std::vector<corvid::sim::SReceived>& received)
{
    std::vector<std::uint16_t> words;
    for (const auto& r : received)
        words.push_back(r.command);
    return words;
}

// The requests that carried a command with an argument, leaving out reads.
inline std::vector<corvid::sim::SReceived> Sent(const std::vector<corvid::sim::SReceived>& received)
{
    std::vector<corvid::sim::SReceived> sent;
    for (const auto& r : received)
        if (r.wordsSent == 2)
            sent.push_back(r);
    return sent;
}

// The real in entries i and i + 1, which must carry the same word.
inline double RealAt(const std::vector<corvid::sim::SReceived>& sent, std::size_t i)
{
    if (i + 1 >= sent.size() || sent[i].command != sent[i + 1].command)
        return -999999.0;
    return corvid::FromCardReal(static_cast<std::int32_t>(sent[i].argument), sent[i + 1].argument);
}

// The real that follows the first entry with the given word.
inline double RealOf(const std::vector<corvid::sim::SReceived>& sent, std::uint16_t word)
{
    for (std::size_t i = 0; i < sent.size(); ++i)
        if (sent[i].command == word)
            return RealAt(sent, i);
    return -999999.0;
}
