// The vector list, starting and stopping coordinated motion, its automatic
// stop, and the synthesized path velocity and acceleration.
#include "CommandList.h"
#include "Commands.h"
#include "Coordinated.h"
#include "Frame.h"
#include "corvid.h"

#include <cmath>

namespace corvid {

namespace {

constexpr double kTiny = 1e-12;
constexpr int kUnchanged = -1;  // list state
constexpr std::uint16_t kVelocityWord = 102;
constexpr std::uint16_t kAccelerationWord = 103;
constexpr std::uint16_t kReciprocalAccelerationWord = 156;
constexpr std::uint16_t kAutoStopWord = 128;
constexpr std::uint16_t kStartWord = 130;
constexpr std::uint16_t kStopWord = 131;
constexpr std::uint16_t kEmergencyStopWord = 132;
constexpr std::uint16_t kStartListWord = 133;
constexpr std::uint16_t kEndListWord = 134;
constexpr std::uint16_t kAddListWord = 135;
constexpr std::int32_t kLargestMantissa = 0x3FFFFFFF;

// A command without value: a lone zero mantissa.
short Bare(SCard& card, std::uint16_t word, int listState)
{
    return SendRealCommand(card, word, 1, 0.0, listState);
}

short SetSynVel(SCard& card, double velocity)
{
    if (std::fabs(velocity) < kTiny)
        return CV_RC_TOO_SLOW;
    return SendRealCommand(card, kVelocityWord, 2, velocity, kUnchanged);
}

short SetSynAcc(SCard& card, double acceleration)
{
    if (std::fabs(acceleration) < kTiny)
        return CV_RC_TOO_SLOW;
    if (const short result = SendRealCommand(card, kAccelerationWord, 2, acceleration, kUnchanged);
        result != CV_RC_DONE)
        return result;
    return SendRealCommand(card, kReciprocalAccelerationWord, 2, 1.0 / acceleration, kUnchanged);
}

// The card wants the reciprocal of the distance from the profile point to the
// break point; a distance of nothing gets the largest value it takes.
short StartMotion(SCard& card)
{
    Point4 profile{}, breakPoint{};
    if (const short result = ReadProfilePoint(card, profile); result != CV_RC_DONE)
        return result;
    if (const short result = ReadBreakPoint(card, breakPoint); result != CV_RC_DONE)
        return result;
    double squares = 0;
    for (std::size_t i = 0; i < 4; ++i)
        squares += (profile[i] - breakPoint[i]) * (profile[i] - breakPoint[i]);
    const double distance = std::sqrt(squares);
    if (distance < kTiny)
        return CCommandList().Whole(kStartWord, kLargestMantissa).Whole(kStartWord, 0).Send(card);
    return SendRealCommand(card, kStartWord, 2, 1.0 / distance, kUnchanged);
}

}  // namespace
}  // namespace corvid

using corvid::CallOnCurrentCard;
using corvid::OnCurrentCard;
using corvid::SCard;

short CV_StrtList(void) { return CallOnCurrentCard(corvid::Bare, corvid::kStartListWord, 1); }

short CV_AddList(void) { return CallOnCurrentCard(corvid::Bare, corvid::kAddListWord, 1); }

short CV_EndList(void) { return CallOnCurrentCard(corvid::Bare, corvid::kEndListWord, 0); }

short CV_StpMtn(void)
{
    return corvid::StopOnCurrentCard([](SCard& card) { return corvid::Bare(card, corvid::kStopWord, 0); });
}

short CV_EStpMtn(void)
{
    return corvid::StopOnCurrentCard([](SCard& card) {
        return corvid::Bare(card, corvid::kEmergencyStopWord, 0);
    });
}

short CV_StrtMtn(void) { return CallOnCurrentCard(corvid::StartMotion); }

short CV_CrdAuStpOn(void)
{
    return OnCurrentCard([](SCard& card) {
        return corvid::SendRealCommand(card, corvid::kAutoStopWord, 2, 1.0, corvid::kUnchanged);
    });
}

short CV_CrdAuStpOff(void)
{
    return CallOnCurrentCard(corvid::Bare, corvid::kAutoStopWord, corvid::kUnchanged);
}

short CV_SetSynVel(double velocity)
{
    return CallOnCurrentCard(corvid::SetSynVel, velocity);
}

short CV_SetSynAcc(double acceleration)
{
    return CallOnCurrentCard(corvid::SetSynAcc, acceleration);
}
