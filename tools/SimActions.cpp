#include "tools/SimActions.h"

#include "simulation/Machine.h"
#include "simulation/RunControl.h"
#include "simulation/SimulationOutput.h"

#include <algorithm>
#include <charconv>
#include <sstream>
#include <string_view>

namespace {

struct SActionName {
    std::string_view name;
    EAction kind;
    int args; // words after the name; the stock's bore is optional
};

constexpr SActionName kNames[] = {
    {"start", EAction::Start, 0},         {"hold", EAction::Hold, 0},
    {"resume", EAction::Resume, 0},       {"single-block", EAction::SingleBlock, 1},
    {"estop", EAction::EStop, 0},         {"reset", EAction::Reset, 0},
    {"unclamp", EAction::Unclamp, 0},     {"clamp", EAction::Clamp, 0},
    {"stock", EAction::Stock, 2},         {"mount", EAction::Mount, 2},
    {"remove", EAction::Remove, 1},       {"jog", EAction::Jog, 0},
    {"ref", EAction::Ref, 0},             {"speed", EAction::Speed, 1},
    {"override", EAction::Override, 1},
};

bool WholeNumber(std::string_view text, long long& value)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

bool IntIn(std::string_view text, int low, int high, int& value)
{
    long long n = 0;
    if (!WholeNumber(text, n) || n < low || n > high)
        return false;
    value = static_cast<int>(n);
    return true;
}

// What is wrong with the arguments, or empty.
std::string TakeArgs(SAction& action, const std::vector<std::string>& args)
{
    switch (action.kind) {
    case EAction::SingleBlock:
        if (args[0] != "on" && args[0] != "off")
            return "single-block takes on or off";
        action.value = args[0] == "on";
        return {};
    case EAction::Stock: {
        const EStockField fields[] = {EStockField::OuterDiameter, EStockField::Length,
                                      EStockField::InnerDiameter};
        double* targets[] = {&action.stock.outerDiameter, &action.stock.length,
                             &action.stock.innerDiameter};
        action.stock = {};
        for (std::size_t n = 0; n < args.size(); ++n) {
            const SStockFieldValue parsed = ParseStockField(fields[n], args[n]);
            if (!parsed.error.empty())
                return parsed.error;
            *targets[n] = parsed.value;
        }
        return StockWallError(action.stock);
    }
    case EAction::Mount: {
        int tool = 0;
        if (!IntIn(args[0], 1, 3, action.value) || !IntIn(args[1], 1, 3, tool))
            return "mount takes a station and a tool, each 1 to 3";
        // Each of the three tools has its own station on this turret.
        if (tool != action.value)
            return "tool " + args[1] + " sits only at station " + args[1];
        return {};
    }
    case EAction::Remove:
        return IntIn(args[0], 1, 3, action.value) ? std::string() : "remove takes a station, 1 to 3";
    case EAction::Speed: {
        CInterpreterState probe;
        if (args[0] == "max")
            action.value = kSpeedAsFastAsDrawn;
        else if (!IntIn(args[0], 1, 50, action.value) || !SetSpeed(probe, action.value))
            return "speed takes 1, 2, 5, 10, 50 or max";
        return {};
    }
    case EAction::Override:
        return IntIn(args[0], 0, 150, action.value) ? std::string() : "override takes 0 to 150";
    default: return {};
    }
}

std::string ParseLine(const std::string& line, SAction& action, bool& empty)
{
    std::istringstream words(line);
    std::string frame, name;
    words >> frame >> name;
    empty = frame.empty() || frame.starts_with('#');
    if (empty)
        return {};
    if (!WholeNumber(frame, action.frame) || action.frame < 0)
        return "a line starts with a frame number";
    const auto* found = std::find_if(std::begin(kNames), std::end(kNames),
                                     [&](const SActionName& n) { return n.name == name; });
    if (found == std::end(kNames))
        return "unknown action '" + name + "'";
    action.kind = found->kind;
    std::vector<std::string> args;
    for (std::string word; words >> word;)
        args.push_back(word);
    const bool optionalBore = action.kind == EAction::Stock && args.size() == 3;
    if (static_cast<int>(args.size()) != found->args && !optionalBore)
        return name + " takes " + std::to_string(found->args) + " argument(s)";
    return TakeArgs(action, args);
}

void SetChuck(CMachine& machine, bool clamped)
{
    machine.sim.switches.chuckClamped = clamped ? 1 : 0;
    machine.sim.switches.chuckUnclamped = clamped ? 0 : 1;
}

} // namespace

SActionScript ParseActions(const std::string& text)
{
    SActionScript script;
    std::istringstream lines(text);
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        SAction action;
        bool empty = false;
        const std::string error = ParseLine(line, action, empty);
        if (!error.empty()) {
            script.error = std::to_string(number) + ": " + error;
            return script;
        }
        if (!empty)
            script.actions.push_back(action);
    }
    std::stable_sort(script.actions.begin(), script.actions.end(),
                     [](const SAction& a, const SAction& b) { return a.frame < b.frame; });
    return script;
}

void ApplyAction(const SAction& action, CMachine& machine, const CVelmoraDoc& doc,
                 CSimulationOutput& out)
{
    CSimulation& sim = machine.sim;
    CInterpreterState& in = sim.interp;
    switch (action.kind) {
    case EAction::Start: CycleStart(sim, doc, out); break;
    case EAction::Hold: HoldRun(in); break;
    case EAction::Resume: ResumeRun(in); break;
    case EAction::SingleBlock: in.single_block = action.value != 0; break;
    case EAction::EStop: EmergencyStop(machine, out); break;
    case EAction::Reset: ResetRun(in); break;
    case EAction::Unclamp: SetChuck(machine, false); break;
    case EAction::Clamp: SetChuck(machine, true); break;
    case EAction::Stock:
        if (StockMayBeChanged(sim, machine.panel.m_nSpindle, out))
            ApplyStockSize(sim, action.stock, out);
        break;
    case EAction::Mount:
        sim.turret.currentTool = action.value - 1;
        sim.turret.mounted[action.value - 1] = 1;
        break;
    case EAction::Remove:
        sim.turret.currentTool = action.value - 1;
        sim.turret.mounted[action.value - 1] = 0;
        break;
    case EAction::Jog: machine.panel.m_nRefMode = ERefMode::Jog; break;
    case EAction::Ref:
        machine.panel.m_nRefMode = ERefMode::ReferenceReturn;
        in.estop = false;
        break;
    case EAction::Speed: SetSpeed(in, action.value); break;
    case EAction::Override: SetFeedOverride(in, action.value); break;
    }
}
