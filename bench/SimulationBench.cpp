// The machining model's speed: one step with its cut, and the start command
// on a program of 30,000 statements, and the cycle time on it.
#include "program/ProgramFile.h"
#include "panel/PanelState.h"
#include "simulation/CycleTime.h"
#include "simulation/Interpreter.h"
#include "simulation/Simulation.h"
#include "simulation/SimulationOutput.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>

namespace {

class CSilentPrompter : public CPrompter {
public:
    EPromptAnswer Ask(const std::string&, EPromptButtons, EPromptIcon, const std::string&) override
    {
        return EPromptAnswer::Ok;
    }
};

// Keeps the position display from being optimised away.
class CNullOutput : public CQuietSimulationOutput {
public:
    void ShowPosition(double x, double z) override { benchmark::DoNotOptimize(x + z); }
};

// Roughing passes down a 40 mm bar, a taper, an arc and a thread: the moves
// a lesson's program is made of.
std::string RoughingProgram(int passes)
{
    std::string text = "G00 X70 Z50\nM03 S800\n";
    for (int n = 0; n < passes; ++n) {
        const int depth = 19 - n % 8;
        text += "G00 X" + std::to_string(depth) + " Z2\n";
        text += "G01 X" + std::to_string(depth) + " Z-120 F0.2\n";
        text += "G01 X" + std::to_string(depth + 2) + " Z-140 F0.2\n";
        text += "G02 X" + std::to_string(depth + 1) + " Z-150 R10 F0.1\n";
        text += "G32 X" + std::to_string(depth) + " Z-170 F2\n";
        text += "G00 X30 Z-170\n";
    }
    return text;
}

struct SLoaded {
    CSilentPrompter prompter;
    CVelmoraDoc doc{prompter};
    explicit SLoaded(const std::string& text)
    {
        std::istringstream in(text);
        ReadProgramStream(doc, in);
    }
};

std::unique_ptr<CSimulation> Machine()
{
    auto sim = std::make_unique<CSimulation>();
    sim->switches.stockOuterDiameter = 40.0;
    sim->switches.stockLength = 200.0;
    return sim;
}

void BM_StepWithCut(benchmark::State& state)
{
    SLoaded program(RoughingProgram(100));
    auto sim = Machine();
    CPanelState panel;
    CNullOutput out;
    StartSimulation(*sim, program.doc, out);
    for (auto _ : state) {
        if (!sim->interp.HasCurrent()) {
            state.PauseTiming();
            StartSimulation(*sim, program.doc, out);
            state.ResumeTiming();
        }
        StepSimulation(*sim, panel, out);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StepWithCut);

void BM_StartCommand(benchmark::State& state)
{
    const int statements = static_cast<int>(state.range(0));
    SLoaded program(RoughingProgram(statements / 6)); // six statements a pass
    auto sim = Machine();
    CNullOutput out;
    for (auto _ : state)
        StartSimulation(*sim, program.doc, out);
    state.counters["statements"] = static_cast<double>(program.doc.Statements().size());
}
BENCHMARK(BM_StartCommand)->Arg(30000)->Unit(benchmark::kMillisecond);

// Blocks of 300 statements, each a G71 roughing cycle with its contour and a
// G70, the rest plain passes: the list builder expands every cycle.
std::string CycleProgram(int cycles)
{
    std::string text;
    for (int n = 0; n < cycles; ++n) {
        const std::string first = std::to_string(300 * n + 4), last = std::to_string(300 * n + 8);
        text += "G00 X21 Z2\nG71 U1 R0.5\nG71 P" + first + " Q" + last + " U0.5 W0.1 F0.2\n";
        text += "G01 X10 Z2 F0.1\nG01 X10 Z-10\nG02 X14 Z-14 R4\nG01 X16 Z-30\nG01 X19 Z-40\n";
        text += "G70\n";
        for (int pass = 0; pass < 291; pass += 3)
            text += "G00 X21 Z2\nG01 X20 Z-50 F0.2\nG00 X21 Z-50\n";
    }
    return text;
}

void BM_BuildCycles(benchmark::State& state)
{
    SLoaded program(CycleProgram(static_cast<int>(state.range(0))));
    CInterpreterState list;
    for (auto _ : state)
        BuildMoveList(list, program.doc, 70.0, 50.0);
    state.counters["statements"] = static_cast<double>(program.doc.Statements().size());
    state.counters["nodes"] = static_cast<double>(list.nodes.size());
}
BENCHMARK(BM_BuildCycles)->Arg(100)->Unit(benchmark::kMillisecond);

// What the cycle time adds to a start, to be set against BM_StartCommand
// and under 5 % of it: the builder's share of the work done alone, reading
// each statement's feed words and giving each node its rate.
void BM_CycleTime(benchmark::State& state)
{
    const int statements = static_cast<int>(state.range(0));
    SLoaded program(RoughingProgram(statements / 6));
    auto sim = Machine();
    CNullOutput out;
    StartSimulation(*sim, program.doc, out);
    for (auto _ : state) {
        SFeedState feed;
        for (const auto& statement : program.doc.Statements())
            TakeFeed(feed, *statement, ECode::None);
        for (MoveNode& node : sim->interp.nodes)
            benchmark::DoNotOptimize(node.seconds_per_mm = feed.feedSecondsPerMm);
    }
}
BENCHMARK(BM_CycleTime)->Arg(30000)->Unit(benchmark::kMillisecond);

// The whole program's time, summed when asked (velmora-sim's time line),
// not at the start.
void BM_WholeCycleTime(benchmark::State& state)
{
    SLoaded program(RoughingProgram(static_cast<int>(state.range(0)) / 6));
    auto sim = Machine();
    CNullOutput out;
    StartSimulation(*sim, program.doc, out);
    for (auto _ : state)
        benchmark::DoNotOptimize(CycleTimeSeconds(sim->interp));
}
BENCHMARK(BM_WholeCycleTime)->Arg(30000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
