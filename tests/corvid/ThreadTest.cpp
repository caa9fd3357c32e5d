// Two threads calling at once: every exported call is serialised, so no
// request is lost or mixed up (run under ThreadSanitizer as corvid_tsan_tests).
#include "CardFixture.h"

#include <atomic>
#include <thread>

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
