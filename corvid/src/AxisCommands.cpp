// Single-axis commands and status, generated from the tables of
// AxisCommandTable.h, and the few that keep state of their own.
#include "corvid.h"

#include "AxisCommandTable.h"
#include "Commands.h"
#include "Conversions.h"
#include "CoordState.h"
#include "Frame.h"
#include "corvid_ioctl.h"

namespace corvid {
namespace {

constexpr std::uint16_t kFirstAxisWord = 47;  // + axis 1-4
constexpr std::uint16_t kSpyItemWord = 70;

short SendConverted(std::uint16_t word, const Argument& argument)
{
    return argument ? SendCommand(word, *argument) : short{CV_RC_RANGE};
}

short SendProfile(std::uint16_t word)
{
    const short result = SendCommand(word, 0);
    SCoordState& coord = Coord();
    const auto axis = static_cast<std::size_t>(coord.currentAxis);
    if (coord.mapped[axis] != 0)
        coord.mapping[axis] = {};
    return result;
}

template <class Value, class Convert>
short ReadConverted(std::uint16_t word, Value* out, Convert convert)
{
    if (out == nullptr)
        return CV_RC_RANGE;
    std::uint32_t reply = 0;
    if (ReadWord(word, reply) != CV_RC_DONE)
        return CV_RC_COMM;
    *out = convert(reply);
    return CV_RC_DONE;
}

template <class Value, class Convert>
short ReadIndexed(std::uint16_t word, short index, short highest, short outOfRange,
                  std::uint16_t replyKind, Value* out, Convert convert)
{
    if (index < 1 || index > highest)
        return outOfRange;
    if (out == nullptr)
        return CV_RC_RANGE;
    std::uint32_t reply = 0;
    if (ReadWordWith(word, static_cast<std::uint32_t>(index - 1), replyKind, reply) != CV_RC_DONE)
        return CV_RC_COMM;
    *out = convert(reply);
    return CV_RC_DONE;
}

short SelectAxis(short axis)
{
    if (axis < 1 || axis > 4)
        return CV_RC_REFUSED;
    const short result = SendCommand(static_cast<std::uint16_t>(kFirstAxisWord + axis), 0);
    if (result == CV_RC_DONE)
        Coord().currentAxis = static_cast<short>(axis - 1);
    return result;
}

}  // namespace
}  // namespace corvid

using corvid::Serialised;

#define CORVID_DEFINE_FIXED(name, word, argument) \
    short name(void) { return Serialised([] { return corvid::SendCommand(word, argument); }); }
CORVID_FIXED_COMMANDS(CORVID_DEFINE_FIXED)
#undef CORVID_DEFINE_FIXED

#define CORVID_DEFINE_PROFILE(name, word) \
    short name(void) { return Serialised([] { return corvid::SendProfile(word); }); }
CORVID_PROFILE_COMMANDS(CORVID_DEFINE_PROFILE)
#undef CORVID_DEFINE_PROFILE

#define CORVID_DEFINE_SETTER(name, word, type, convert)                                   \
    short name(type value)                                                                \
    {                                                                                     \
        return Serialised([value] { return corvid::SendConverted(word, corvid::convert(value)); }); \
    }
CORVID_VALUE_SETTERS(CORVID_DEFINE_SETTER)
#undef CORVID_DEFINE_SETTER

#define CORVID_DEFINE_GETTER(name, word, type, convert) \
    short name(type* out) { return Serialised([out] { return corvid::ReadConverted(word, out, corvid::convert); }); }
CORVID_GETTERS(CORVID_DEFINE_GETTER)
#undef CORVID_DEFINE_GETTER

#define CORVID_DEFINE_INDEXED(name, word, type, highest, outOfRange, kind, convert)              \
    short name(short index, type* out)                                                          \
    {                                                                                           \
        return Serialised([index, out] {                                                        \
            return corvid::ReadIndexed(word, index, highest, outOfRange, kind, out, corvid::convert); \
        });                                                                                     \
    }
CORVID_INDEXED_GETTERS(CORVID_DEFINE_INDEXED)
#undef CORVID_DEFINE_INDEXED

short CV_Axis(short axis) { return Serialised([axis] { return corvid::SelectAxis(axis); }); }

short CV_SetSpyItem(short index, short item)
{
    const std::int64_t argument = static_cast<std::int32_t>(
        (static_cast<std::uint32_t>(static_cast<unsigned short>(item)) << 16) |
        static_cast<unsigned short>(index));
    return Serialised([argument] { return corvid::SendCommand(corvid::kSpyItemWord, argument); });
}

short CV_RstIntr(void) { return CV_RC_DONE; }

short CV_AxisI(void) { return CV_RC_COMM; }
