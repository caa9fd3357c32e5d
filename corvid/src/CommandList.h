// One command list in the making: words with whole arguments and card reals
// (mantissa and exponent under the same word), sent in one go.
#pragma once

#include <array>
#include <cstdint>

namespace corvid {

struct SCard;

class CCommandList {
public:
    CCommandList& Whole(std::uint16_t word, std::int32_t argument);
    // The mantissa, then the exponent.
    CCommandList& Real(std::uint16_t word, double value);

    int Count() const { return m_count; }

    // 7 when a real was not a finite number or the list overflowed (nothing is
    // sent then), else what SendCommandList gives: 0, 1 or -1.
    short Send(SCard& card) const;

private:
    static constexpr int kCapacity = 32;
    std::array<std::uint16_t, kCapacity> m_words{};
    std::array<std::int32_t, kCapacity> m_arguments{};
    int m_count = 0;
    bool m_unsendable = false;
};

}  // namespace corvid
