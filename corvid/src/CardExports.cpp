// Exported card calls: opening, closing, reset, card selection, interrupt
// status, sync event and background commands.
#include "corvid.h"

#include "Frame.h"
#include "Framing.h"
#include "corvid_ioctl.h"

namespace corvid {
namespace {

constexpr unsigned kDeviceIndexLimit = 3;

short SetSyncEvent(std::int32_t event)
{
    if (event == 0 || event == -1)
        return Control(CORVID_CTL_SET_EVENT, nullptr, 0, nullptr, 0);
    return Control(CORVID_CTL_SET_EVENT, &event, sizeof event, nullptr, 0);
}

short SetBackgroundSet(const void* set, std::uint32_t size)
{
    const std::uint64_t measured = MeasureBackgroundSet(set, size);
    if (measured > size)
        return CV_RC_COMM;
    return Control(CORVID_CTL_SET_BG_SET, set, static_cast<std::uint32_t>(measured), nullptr, 0);
}

}  // namespace
}  // namespace corvid

using corvid::Serialised;

short CV_Open(void) { return Serialised([] { return corvid::OpenCurrentCard(); }); }

short CV_Close(void) { return Serialised([] { return corvid::CloseCurrentCard(); }); }

short CV_Reset(void) { return Serialised([] { return corvid::ResetCurrentCard(); }); }

short CV_SwitchtoCardNo(short card)
{
    return Serialised([card]() -> short {
        if (card < 0 || card >= corvid::kCardCount)
            return CV_RC_COMM;
        corvid::SelectCard(card);
        return CV_RC_DONE;
    });
}

short CV_GetCurrentCardNo(void) { return Serialised([] { return corvid::CurrentCard(); }); }

short CV_SetDeviceIndex(short index)
{
    return Serialised([index]() -> short {
        if (static_cast<unsigned short>(index) > corvid::kDeviceIndexLimit)
            return CV_RC_INDEX;
        corvid::SelectCard(index);
        return CV_RC_DONE;
    });
}

short CV_GetIntr(unsigned short* status)
{
    if (status == nullptr)
        return CV_RC_RANGE;
    return Serialised([status]() -> short {
        unsigned short value = 0;
        if (corvid::Control(CORVID_CTL_GET_INTR, nullptr, 0, &value, sizeof value) != 0)
            return CV_RC_COMM;
        *status = value;
        return CV_RC_DONE;
    });
}

short CV_SetIntSyncEvent(std::int32_t event)
{
    return Serialised([event] { return corvid::SetSyncEvent(event); });
}

short CV_SetBgCommandSet(const void* set, std::uint32_t size)
{
    return Serialised([set, size] { return corvid::SetBackgroundSet(set, size); });
}

short CV_GetBgCommandResult(void* buffer, std::uint32_t size)
{
    if (buffer == nullptr && size > 0)
        return CV_RC_RANGE;
    return Serialised([buffer, size] {
        return corvid::Control(CORVID_CTL_GET_BG_RESULT, nullptr, 0, buffer, size);
    });
}
