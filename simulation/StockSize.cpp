#include "simulation/StockSize.h"

#include "common/NumberText.h"
#include "panel/PanelState.h"
#include "simulation/RunControl.h"
#include "simulation/Simulation.h"
#include "simulation/Warnings.h"

#include <charconv>
#include <cmath>

namespace {

const SStockFieldRule kRules[] = {
    {EStockField::Length, 1020, "毛坯长度", 0.0, 400.0},
    {EStockField::OuterDiameter, 1019, "毛坯外径", 0.0, 80.0},
    {EStockField::InnerDiameter, 1021, "毛坯内径", 0.0, 60.0},
};

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

const SStockFieldRule& StockFieldRule(EStockField field) { return kRules[static_cast<int>(field)]; }

SStockFieldValue ParseStockField(EStockField field, std::string_view text)
{
    const SStockFieldRule& rule = StockFieldRule(field);
    const std::string_view number = Trimmed(text);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                           std::chars_format::fixed);
    if (number.empty() || ec != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
        return {0.0, std::string(rule.name) + "：请输入一个数字。"};
    if (value < rule.min || value > rule.max)
        return {value, std::string(rule.name) + "：请输入一个介于 " + FixedText(rule.min, 0) + " 和 " +
                           FixedText(rule.max, 0) + " 之间的数字(单位：mm)。"};
    return {value, {}};
}

std::string StockWallError(const SStockSize& size)
{
    constexpr double kWall = 1.0; // mm each side
    const double widest = size.outerDiameter - 2.0 * kWall;
    if (size.innerDiameter <= 0.0 || size.innerDiameter <= widest)
        return {};
    return std::string(StockFieldRule(EStockField::InnerDiameter).name) + "：毛坯壁厚至少 1 mm，请输入一个比外径至少小 2 mm 的数字(单位：mm)。";
}

bool StockMayBeChanged(const CSimulation& sim, ESpindle spindle, CSimulationOutput& out)
{
    if (spindle != ESpindle::Stopped) {
        RaiseWarning(out, kWarnSpindleTurning);
        return false;
    }
    if (sim.switches.chuckClamped == 1) {
        RaiseWarning(out, kWarnChuckClamped);
        return false;
    }
    return true;
}

void ApplyStockSize(CSimulation& sim, const SStockSize& size, CSimulationOutput& out)
{
    sim.switches.stockOuterDiameter = size.outerDiameter;
    sim.switches.stockInnerDiameter = size.innerDiameter;
    sim.switches.stockLength = size.length;
    // A new bar is uncut and held where the jaws are: nothing of the last
    // run may be drawn on it.
    StopRunNow(sim.interp);
    sim.interp.sim_running = false;
    sim.interp.stopped = false;
    ResetWorkpiece(sim.workpiece, size.outerDiameter, size.length);
    if (size.length >= kLongStock && sim.switches.coneInstalled == 0)
        RaiseWarning(out, kWarnLongStock);
}
