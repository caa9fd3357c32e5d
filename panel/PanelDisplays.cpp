#include "panel/PanelDisplays.h"

#include "common/NumberText.h"

#include <cstdio>
#include <ctime>

STimeOfDay LocalTimeOfDay()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_hour, local.tm_min, local.tm_sec};
}

std::string FormatClock(const STimeOfDay& time)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.hour, time.minute, time.second);
    return text;
}

namespace {
// "%6.3f" after the letter, with a decimal point under every locale.
std::string FormatAxis(char letter, double value)
{
    constexpr std::size_t kWidth = 6;
    const std::string number = FixedText(value, 3);
    std::string text{letter, ' '};
    if (number.size() < kWidth)
        text.append(kWidth - number.size(), ' ');
    return text + number;
}
} // namespace

std::string FormatPositionX(double x) { return FormatAxis('X', x); }
std::string FormatPositionZ(double z) { return FormatAxis('Z', z); }

namespace {
// Whole seconds; nothing before the start, or when the time is unknown.
long long WholeSeconds(double seconds)
{
    return seconds > 0.0 && seconds < 1e15 ? static_cast<long long>(seconds) : 0;
}
} // namespace

std::string FormatRunTime(double seconds)
{
    const long long minutes = WholeSeconds(seconds) / 60;
    return std::to_string(minutes / 60) + "H " + std::to_string(minutes % 60) + "M";
}

std::string FormatCycleTime(double seconds)
{
    // The seconds keep two places, so that the field does not jump each tick.
    const long long whole = WholeSeconds(seconds);
    const long long rest = whole % 60;
    return std::to_string(whole / 60) + "M " + (rest < 10 ? " " : "") + std::to_string(rest) + "S";
}

SDisplayPosition IdleDisplayPosition(const CPanelState& state, double stockLength)
{
    if (state.m_nCoordDisplay == ECoordDisplay::Absolute)
        return {state.m_dTurretX - 30.0, state.m_dTurretZ - 100.0};
    return {state.m_dTurretX + 40.0, state.m_dTurretZ + 345.0 - stockLength};
}

SDisplayPosition MachiningDisplayPosition(const CPanelState& state, double x, double z,
                                          double stockLength)
{
    if (state.m_nCoordDisplay == ECoordDisplay::Absolute)
        return {x - 70.0, z + stockLength - 445.0};
    return {x, z};
}
