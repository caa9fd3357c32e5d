#include "panel/PanelDisplays.h"

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
std::string FormatAxis(const char* format, double value)
{
    // Sized from the value: a far-off position must not be cut short.
    int length = std::snprintf(nullptr, 0, format, value);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, value);
    text.resize(static_cast<std::size_t>(length));
    return text;
}
} // namespace

std::string FormatPositionX(double x) { return FormatAxis("X %6.3f", x); }
std::string FormatPositionZ(double z) { return FormatAxis("Z %6.3f", z); }

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
