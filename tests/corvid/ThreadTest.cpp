// Calls from several threads at once (run under ThreadSanitizer as
// corvid_tsan_tests too): calls on one card are serialised and lose nothing,
// a card busy with a download holds back no other card, and each thread
// keeps the card it chose.
#include "CardFixture.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

// Holds the simulated clock's waits until released, so that a download stays
// inside its card for as long as a test needs.
class CHeldWaits {
public:
    CHeldWaits() { corvid::sim::CSimBench::Instance().SetWaitHook([this](std::uint32_t) { Hold(); }); }
    void AwaitHolding() { m_holding.get_future().wait(); }
    void Release() { m_release.set_value(); }

private:
    void Hold()
    {
        std::call_once(m_first, [this] { m_holding.set_value(); });
        m_released.wait();
    }

    std::promise<void> m_holding;
    std::promise<void> m_release;
    std::shared_future<void> m_released = m_release.get_future().share();
    std::once_flag m_first;
};

std::string SmallImage()
{
    const auto path = std::filesystem::temp_directory_path() /
                      ("corvid-thread-image-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(path) << "\033\033i @DA 0000 1 # \033\033o";
    return path.string();
}

struct SStops {
    short otherCardEmergency = 0;
    short otherCardSmooth = 0;
    short ownCard = 0;
    short reason = 0;
};

}  // namespace

TEST_F(CCardTest, TwoThreadsCallingAtOnceLoseNothing)
{
    constexpr int kCalls = 2000;
    std::atomic<int> failures{0};
    std::thread setter([&] {
        for (int i = 0; i < kCalls; ++i)
            if (CV_SetVel(i % 100) != CV_RC_DONE)
                ++failures;
    });
    std::thread getter([&] {
        for (int i = 0; i < kCalls; ++i) {
            std::int32_t position = 0;
            if (CV_GetPos(&position) != CV_RC_DONE)
                ++failures;
        }
    });
    setter.join();
    getter.join();
    EXPECT_EQ(failures.load(), 0);
    EXPECT_EQ(Card().Opens(), 1);
    ASSERT_EQ(Received().size(), 1u + 2u * kCalls);
    int sets = 0;
    for (const SReceived& r : Received())
        sets += r.command == 66 ? 1 : 0;
    EXPECT_EQ(sets, kCalls);
}

TEST_F(CCardTest, AStopGoesThroughUnlessItsOwnCardIsBeingLoaded)
{
    const std::string image = SmallImage();
    CHeldWaits held;
    auto loading = std::async(std::launch::async, [&image] {
        CV_SwitchtoCardNo(1);
        return download(image.c_str());
    });
    held.AwaitHolding();
    auto stops = std::async(std::launch::async, [] {
        SStops result;
        CV_SwitchtoCardNo(0);
        result.otherCardEmergency = CV_EStpMtn();
        result.otherCardSmooth = CV_StpMtn();
        CV_SwitchtoCardNo(1);
        result.ownCard = CV_EStpMtn();
        result.reason = CV_LastOsError();
        return result;
    });
    // Only a stop held back behind the download would take this long.
    EXPECT_EQ(stops.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    held.Release();
    EXPECT_EQ(loading.get(), CV_RC_DONE);
    const SStops result = stops.get();
    EXPECT_EQ(result.otherCardEmergency, CV_RC_DONE);
    EXPECT_EQ(result.otherCardSmooth, CV_RC_DONE);
    EXPECT_EQ(result.ownCard, CV_RC_COMM);
    EXPECT_EQ(result.reason, CV_OS_BUSY);
    Bench().SetWaitHook(nullptr);
    std::filesystem::remove(image);
}

TEST_F(CCardTest, EachThreadKeepsTheCardItChose)
{
    std::promise<void> chosen, switched;
    auto other = std::async(std::launch::async, [&] {
        CV_SwitchtoCardNo(3);
        chosen.set_value();
        switched.get_future().wait();
        return CV_GetCurrentCardNo();
    });
    chosen.get_future().wait();
    ASSERT_EQ(CV_SwitchtoCardNo(5), CV_RC_DONE);
    switched.set_value();
    EXPECT_EQ(other.get(), 3);
    EXPECT_EQ(CV_GetCurrentCardNo(), 5);
    // A thread that never chose addresses the card chosen last.
    EXPECT_EQ(std::async(std::launch::async, [] { return CV_GetCurrentCardNo(); }).get(), 5);
}
