#include "CommandList.h"

#include "Commands.h"
#include "Framing.h"
#include "corvid.h"

#include <cmath>

namespace corvid {

CCommandList& CCommandList::Whole(std::uint16_t word, std::int32_t argument)
{
    if (m_count == kCapacity) {
        m_unsendable = true;
        return *this;
    }
    m_words[static_cast<std::size_t>(m_count)] = word;
    m_arguments[static_cast<std::size_t>(m_count)] = argument;
    ++m_count;
    return *this;
}

CCommandList& CCommandList::Real(std::uint16_t word, double value)
{
    // A value that is not a number would reach the card as a plausible real.
    if (!std::isfinite(value))
        m_unsendable = true;
    const SCardReal real = ToCardReal(value);
    return Whole(word, real.mantissa).Whole(word, real.exponent);
}

short CCommandList::Send(SCard& card) const
{
    if (m_unsendable)
        return CV_RC_RANGE;
    return SendCommandList(card, m_count, m_words.data(), m_arguments.data());
}

}  // namespace corvid
