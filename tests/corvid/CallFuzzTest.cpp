// The random calls from several threads at once, for ThreadSanitizer.
#include "CallFuzz.h"

#include <gtest/gtest.h>

TEST(CallFuzz, ThreadsCallingAtRandomBreakNoRule)
{
    SCallFuzzRun run;
    run.calls = 600;
    run.threads = 4;
    EXPECT_EQ(RunCallFuzz(run), 0);
}
