// Exported card calls: opening, closing, reset, card selection, interrupt
// status, sync event and background commands.
#include "corvid.h"

#include "Frame.h"
#include "Framing.h"
#include "corvid_ioctl.h"

namespace corvid {
namespace {

constexpr short kDeviceIndexLimit = 3;

short SetSyncEvent(SCard& card, std::int32_t event)
{
    if (event == 0 || event == -1)
        return Control(card, CORVID_CTL_SET_EVENT, nullptr, 0, nullptr, 0);
    return Control(card, CORVID_CTL_SET_EVENT, &event, sizeof event, nullptr, 0);
}

short SetBackgroundSet(SCard& card, const void* set, std::uint32_t size)
{
    const std::uint64_t measured = MeasureBackgroundSet(set, size);
    if (measured > size)
        return CV_RC_COMM;
    return Control(card, CORVID_CTL_SET_BG_SET, set, static_cast<std::uint32_t>(measured), nullptr, 0);
}

short GetInterruptStatus(SCard& card, unsigned short* status)
{
    unsigned short value = 0;
    if (Control(card, CORVID_CTL_GET_INTR, nullptr, 0, &value, sizeof value) != 0)
        return CV_RC_COMM;
    *status = value;
    return CV_RC_DONE;
}

// Card selection takes no card's lock: it changes only the calling thread's choice.
short Select(short card, short limit, short refusal)
{
    ForgetFailure();
    if (card < 0 || card > limit)
        return refusal;
    SelectCard(card);
    return CV_RC_DONE;
}

}  // namespace
}  // namespace corvid

using corvid::CallOnCurrentCard;
using corvid::OnCurrentCard;
using corvid::SCard;

short CV_Open(void) { return CallOnCurrentCard(corvid::OpenCard); }

short CV_Close(void) { return CallOnCurrentCard(corvid::CloseCard); }

short CV_Reset(void) { return CallOnCurrentCard(corvid::ResetCard); }

short CV_SwitchtoCardNo(short card) { return corvid::Select(card, corvid::kCardCount - 1, CV_RC_COMM); }

short CV_GetCurrentCardNo(void) { return corvid::CurrentCard(); }

short CV_SetDeviceIndex(short index) { return corvid::Select(index, corvid::kDeviceIndexLimit, CV_RC_INDEX); }

short CV_GetIntr(unsigned short* status)
{
    if (status == nullptr)
        return CV_RC_RANGE;
    return CallOnCurrentCard(corvid::GetInterruptStatus, status);
}

short CV_SetIntSyncEvent(std::int32_t event)
{
    return CallOnCurrentCard(corvid::SetSyncEvent, event);
}

short CV_SetBgCommandSet(const void* set, std::uint32_t size)
{
    return CallOnCurrentCard(corvid::SetBackgroundSet, set, size);
}

short CV_GetBgCommandResult(void* buffer, std::uint32_t size)
{
    if (buffer == nullptr && size > 0)
        return CV_RC_RANGE;
    return OnCurrentCard([buffer, size](SCard& card) {
        return corvid::Control(card, CORVID_CTL_GET_BG_RESULT, nullptr, 0, buffer, size);
    });
}
