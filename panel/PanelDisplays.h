#pragma once
// The panel screen's clock, position and machining-time texts, their
// colours, and the values the simulation sends to the position display.
#include "panel/LabelRules.h"
#include "panel/PanelState.h"

#include <functional>
#include <string>

struct STimeOfDay {
    int hour = 0, minute = 0, second = 0;
};
using ClockSource = std::function<STimeOfDay()>;
STimeOfDay LocalTimeOfDay();

std::string FormatClock(const STimeOfDay& time);   // "%02d:%02d:%02d"
std::string FormatPositionX(double x);             // "X %6.3f"
std::string FormatPositionZ(double z);             // "Z %6.3f"

// Machining seconds as the screen's time line shows them: every run's since
// the program started (运行时间) and this run's so far (循环时间).
struct SMachiningTimes {
    double total = 0.0;
    double run = 0.0;
};
std::string FormatRunTime(double seconds);         // "0H 0M", whole minutes
std::string FormatCycleTime(double seconds);       // "0M  0S", whole seconds

struct SDisplayStyle {
    SRgb background;
    SRgb text;
    int pointSize;
};
namespace panel_display {
inline constexpr int kFontPoints = 28;
// The clock is white on black until the first tick, then yellow on cyan.
inline constexpr SDisplayStyle kClockStart{kRgbBlack, kRgbWhite, kFontPoints};
inline constexpr SDisplayStyle kClockTick{{0, 255, 255}, {255, 255, 0}, kFontPoints};
inline constexpr SDisplayStyle kPosition{kRgbBlack, kRgbWhite, kFontPoints};
inline constexpr int kClockPeriodMs = 1000;
// Often enough that a second of machining time shows when it passes.
inline constexpr int kRunDisplayPeriodMs = 200;
} // namespace panel_display

struct SDisplayPosition {
    double x = 0.0, z = 0.0;
};
// Idle: the manual turret position in the chosen coordinates.
SDisplayPosition IdleDisplayPosition(const CPanelState& state, double stockLength);
// Machining: the interpreter's current tool-path point in the chosen coordinates.
SDisplayPosition MachiningDisplayPosition(const CPanelState& state, double x, double z,
                                          double stockLength);
