// Nothing thrown inside the library reaches its C callers.
#include "CardFixture.h"
#include "FailingAllocations.h"

#include <filesystem>
#include <string>
#include <unistd.h>

TEST_F(CCardTest, AnAllocationThatFailsInsideACallGivesMinusOne)
{
    // With a trace, every control call formats its request on the heap.
    const std::filesystem::path trace =
        std::filesystem::temp_directory_path() / ("corvid-nomem-" + std::to_string(::getpid()));
    setenv("CORVID_TRACE", trace.c_str(), 1);
    OpenQuietly();
    short result = 0;
    {
        CFailingAllocations failing;
        result = CV_SetVel(1.0);
    }
    EXPECT_EQ(result, CV_RC_COMM);
    EXPECT_TRUE(Received().empty());
    EXPECT_EQ(CV_SetVel(1.0), CV_RC_DONE);
    CloseAllCards();
    unsetenv("CORVID_TRACE");
    std::filesystem::remove(trace);
}
