#pragma once
// Jogging the manual turret: steps, the reference point and the travel
// limits. Each call is one key press; the caller reports the alarm.
#include "panel/PanelState.h"

#include <string>

enum class EJogKey { PlusZ, MinusZ, PlusX, MinusX };

enum class EJogAlarm { None, PlusZOvertravel, ChuckCollision, PlusXOvertravel, MinusXOvertravel };

namespace jog {
inline constexpr double kStep = 10.0;
inline constexpr double kRapidExtra = 20.0;
inline constexpr double kReferenceX = 30.0;
inline constexpr double kReferenceZ = 100.0;
inline constexpr double kPlusXLimit = 100.0;
inline constexpr double kMinusXLimit = -100.0;
inline constexpr double kPlusZLimit = 130.0;
inline constexpr double kChuckZLimit = -270.0;
inline constexpr const char* kAlarmSound = "Sound/warn.wav";
} // namespace jog

double JogStep(const CPanelState& state);

// Moves the turret as one press of the key does and tells which alarm the
// position after the move raises. The limit test runs in every mode, so a
// press while the turret already stands beyond a limit repeats the alarm.
EJogAlarm Jog(CPanelState& state, EJogKey key);

// How an alarm is reported: its text, and whether it is a modal box (the
// chuck collision) rather than a status-bar text.
struct SJogAlarmReport {
    std::string text;
    bool modalBox = false;
};
SJogAlarmReport JogAlarmReport(EJogAlarm alarm);
inline constexpr const char* kCollisionCaption = "警告";
