// Calls per second of a setter and a getter through libcorvid.so against the
// simulated card, and of the simulated card alone, so the difference is what
// the library adds to each exchange.
#include "corvid.h"
#include "corvid_ioctl.h"
#include "sim/CardSim.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>

namespace {

void OpenSimulatedCard(benchmark::State& state)
{
    setenv("CORVID_TRANSPORT", "sim", 1);
    if (CV_SwitchtoCardNo(0) != CV_RC_DONE || CV_Open() != CV_RC_DONE)
        state.SkipWithError("the simulated card does not open");
}

void BM_SetVel(benchmark::State& state)
{
    OpenSimulatedCard(state);
    double velocity = 0;
    for (auto _ : state) {
        velocity = velocity < 1000 ? velocity + 0.5 : 0;
        benchmark::DoNotOptimize(CV_SetVel(velocity));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SetVel);

void BM_GetPos(benchmark::State& state)
{
    OpenSimulatedCard(state);
    std::int32_t position = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(CV_GetPos(&position));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GetPos);

// The same exchanges straight into a simulated card of the bench's own,
// without the library: the baseline the library's cost is measured against.
void BM_SimulatedCardAlone(benchmark::State& state)
{
    auto& bench = corvid::sim::CSimBench::Instance();
    const int handle = bench.Open(0);
    corvid_command_request request{};
    for (auto _ : state) {
        request = {};
        request.command = 161;
        request.reply_kind = CORVID_REPLY_32;
        bench.Control(handle, CORVID_CTL_COMMAND, &request, sizeof request, &request, sizeof request);
        benchmark::DoNotOptimize(request.reply);
    }
    bench.Close(handle);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SimulatedCardAlone);

}  // namespace

BENCHMARK_MAIN();
