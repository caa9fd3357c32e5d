// Calls per second of a setter and a getter through libcorvid.so against the
// simulated card, and of the simulated card alone, so the difference is what
// the library adds to each exchange; and how long an emergency stop takes
// while another thread downloads to another card.
#include "corvid.h"
#include "corvid_ioctl.h"
#include "sim/CardSim.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>

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

// Downloads to card 1 over and over, as fast as the simulated card takes them.
class CBackgroundDownloads {
public:
    CBackgroundDownloads()
        : m_image("/tmp/corvid-bench-image-" + std::to_string(::getpid()) + ".txt")
    {
        std::ofstream(m_image) << "\033\033i @PA 0000 123456 ABCDEF # @DA 0100 BEEF # \033\033o";
        m_thread = std::thread([this] {
            CV_SwitchtoCardNo(1);
            while (!m_stop)
                m_downloads += download(m_image.c_str()) == CV_RC_DONE ? 1 : 0;
        });
    }
    ~CBackgroundDownloads()
    {
        m_stop = true;
        m_thread.join();
        std::remove(m_image.c_str());
    }
    long Downloads() const { return m_downloads; }

private:
    std::string m_image;
    std::atomic<bool> m_stop{false};
    std::atomic<long> m_downloads{0};
    std::thread m_thread;
};

void BM_EStpMtnWhileDownloading(benchmark::State& state)
{
    OpenSimulatedCard(state);
    CBackgroundDownloads downloads;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));  // the first download is under way
    CV_SwitchtoCardNo(0);
    double longest = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(CV_EStpMtn());
        const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
        longest = std::max(longest, took.count());
    }
    state.counters["longest_us"] = longest;
    state.counters["downloads"] = static_cast<double>(downloads.Downloads());
}
BENCHMARK(BM_EStpMtnWhileDownloading)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
