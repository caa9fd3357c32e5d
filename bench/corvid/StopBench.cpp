// How long an emergency stop on card 0 takes while another thread downloads
// to card 1 without pause. The simulated card's waits here take a hundredth
// of a real card's, so a download holds its card for some 50 ms as a real one
// holds it for five seconds. Built from the library's objects, as the tests
// are, to reach the simulated clock.
#include "corvid.h"
#include "sim/CardSim.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

class CBackgroundDownloads {
public:
    CBackgroundDownloads() : m_image("/tmp/corvid-bench-image-" + std::to_string(::getpid()) + ".txt")
    {
        std::ofstream(m_image) << "\033\033i @PA 0000 123456 ABCDEF # @DA 0100 BEEF # \033\033o";
        corvid::sim::CSimBench::Instance().SetWaitHook([](std::uint32_t milliseconds) {
            std::this_thread::sleep_for(std::chrono::microseconds(10 * milliseconds));
        });
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
        corvid::sim::CSimBench::Instance().SetWaitHook(nullptr);
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
    setenv("CORVID_TRANSPORT", "sim", 1);
    CV_SwitchtoCardNo(0);
    if (CV_Open() != CV_RC_DONE)
        state.SkipWithError("the simulated card does not open");
    CBackgroundDownloads downloads;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));  // the first download is under way
    CV_SwitchtoCardNo(0);
    double longest = 0;
    long late = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(CV_EStpMtn());
        const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
        longest = std::max(longest, took.count());
        late += took.count() > 10000 ? 1 : 0;
    }
    state.counters["longest_us"] = longest;
    state.counters["over_10ms"] = static_cast<double>(late);
    state.counters["downloads"] = static_cast<double>(downloads.Downloads());
}
BENCHMARK(BM_EStpMtnWhileDownloading)->UseRealTime()->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
