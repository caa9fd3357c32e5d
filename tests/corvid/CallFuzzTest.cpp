// The random calls from several threads at once, for ThreadSanitizer. A
// longer run: CORVID_FUZZ_CALLS=100000 (calls in each of the four threads).
#include "CallFuzz.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <cstring>

TEST(CallFuzz, ThreadsCallingAtRandomBreakNoRule)
{
    SCallFuzzRun run;
    run.calls = 600;
    run.threads = 4;
    if (const char* calls = std::getenv("CORVID_FUZZ_CALLS"))
        std::from_chars(calls, calls + std::strlen(calls), run.calls);
    EXPECT_EQ(RunCallFuzz(run), 0);
}
