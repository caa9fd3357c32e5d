// Single-axis commands and status, generated from the tables of
// AxisCommandTable.h, and the few that keep state of their own.
#include "corvid.h"

#include "AxisCommandTable.h"
#include "Commands.h"
#include "Conversions.h"
#include "Frame.h"
#include "corvid_ioctl.h"

namespace corvid {
namespace {

constexpr std::uint16_t kFirstAxisWord = 47;  // + axis 1-4
constexpr std::uint16_t kSpyItemWord = 70;

short SendConverted(SCard& card, std::uint16_t word, const Argument& argument)
{
    return argument ? SendCommand(card, word, *argument) : short{CV_RC_RANGE};
}

short SendProfile(SCard& card, std::uint16_t word)
{
    const short result = SendCommand(card, word, 0);
    SCoordState& coord = card.coord;
    const auto axis = static_cast<std::size_t>(coord.currentAxis);
    if (result == CV_RC_DONE && coord.mapped[axis] != 0)
        coord.mapping[axis] = {};
    return result;
}

template <class Value, class Convert>
short ReadConverted(SCard& card, std::uint16_t word, Value* out, Convert convert)
{
    if (out == nullptr)
        return CV_RC_RANGE;
    std::uint32_t reply = 0;
    if (ReadWord(card, word, reply) != CV_RC_DONE)
        return CV_RC_COMM;
    *out = convert(reply);
    return CV_RC_DONE;
}

template <class Value, class Convert>
short ReadIndexed(SCard& card, std::uint16_t word, short index, short highest, short outOfRange,
                  std::uint16_t replyKind, Value* out, Convert convert)
{
    if (index < 1 || index > highest)
        return outOfRange;
    if (out == nullptr)
        return CV_RC_RANGE;
    std::uint32_t reply = 0;
    if (ReadWordWith(card, word, static_cast<std::uint32_t>(index - 1), replyKind, reply) != CV_RC_DONE)
        return CV_RC_COMM;
    *out = convert(reply);
    return CV_RC_DONE;
}

short SelectAxis(SCard& card, short axis)
{
    if (axis < 1 || axis > 4)
        return CV_RC_REFUSED;
    const short result = SendCommand(card, static_cast<std::uint16_t>(kFirstAxisWord + axis), 0);
    if (result == CV_RC_DONE)
        card.coord.currentAxis = static_cast<short>(axis - 1);
    return result;
}

}  // namespace
}  // namespace corvid

using corvid::CallOnCurrentCard;
using corvid::OnCurrentCard;
using corvid::SCard;

#define CORVID_DEFINE_FIXED(name, word, argument) \
    short name(void) { return CallOnCurrentCard(corvid::SendCommand, word, argument); }
CORVID_FIXED_COMMANDS(CORVID_DEFINE_FIXED)
#undef CORVID_DEFINE_FIXED

#define CORVID_DEFINE_PROFILE(name, word) \
    short name(void) { return CallOnCurrentCard(corvid::SendProfile, word); }
CORVID_PROFILE_COMMANDS(CORVID_DEFINE_PROFILE)
#undef CORVID_DEFINE_PROFILE

#define CORVID_DEFINE_SETTER(name, word, type, convert)                                   \
    short name(type value)                                                                \
    {                                                                                     \
        return CallOnCurrentCard(corvid::SendConverted, word, corvid::convert(value)); \
    }
CORVID_VALUE_SETTERS(CORVID_DEFINE_SETTER)
#undef CORVID_DEFINE_SETTER

#define CORVID_DEFINE_GETTER(name, word, type, convert)                          \
    short name(type* out)                                                        \
    {                                                                            \
        return OnCurrentCard([out](SCard& card) {                                \
            return corvid::ReadConverted(card, word, out, corvid::convert);     \
        });                                                                      \
    }
CORVID_GETTERS(CORVID_DEFINE_GETTER)
#undef CORVID_DEFINE_GETTER

#define CORVID_DEFINE_INDEXED(name, word, type, highest, outOfRange, kind, convert)              \
    short name(short index, type* out)                                                          \
    {                                                                                           \
        return OnCurrentCard([index, out](SCard& card) {                                       \
            return corvid::ReadIndexed(card, word, index, highest, outOfRange, kind, out, corvid::convert); \
        });                                                                                     \
    }
CORVID_INDEXED_GETTERS(CORVID_DEFINE_INDEXED)
#undef CORVID_DEFINE_INDEXED

short CV_Axis(short axis) { return CallOnCurrentCard(corvid::SelectAxis, axis); }

short CV_SetSpyItem(short index, short item)
{
    const std::int64_t argument = static_cast<std::int32_t>(
        (static_cast<std::uint32_t>(static_cast<unsigned short>(item)) << 16) |
        static_cast<unsigned short>(index));
    return CallOnCurrentCard(corvid::SendCommand, corvid::kSpyItemWord, argument);
}

short CV_RstIntr(void) { return CV_RC_DONE; }

short CV_AxisI(void) { return CV_RC_COMM; }
