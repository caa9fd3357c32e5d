// corvid_sim.h as a program's own tests use it: what a simulated card
// reports, and the log of what it received. (The example's --check-errors
// run drives its faults.)
#include "CardFixture.h"

#include "corvid_sim.h"

TEST_F(CCardTest, ASimulatedCardReportsWhatItWasGivenAndLogsWhatItReceived)
{
    ASSERT_EQ(CV_SimSetPosition(2, 3, -1234), CV_RC_DONE);
    ASSERT_EQ(CV_SimSetStatus(2, 3, 0x3001), CV_RC_DONE);
    ASSERT_EQ(CV_SwitchtoCardNo(2), CV_RC_DONE);
    ASSERT_EQ(CV_Axis(3), CV_RC_DONE);
    std::int32_t position = 0;
    unsigned short axisBits = 0;
    ASSERT_EQ(CV_GetAtlPos(&position), CV_RC_DONE);
    ASSERT_EQ(CV_GetAxis(&axisBits), CV_RC_DONE);
    EXPECT_EQ(position, -1234);
    EXPECT_EQ(axisBits, 3);
    CV_SimRequest log[2] = {};
    EXPECT_EQ(CV_SimLog(2, log, 2), 4);  // the reset, the axis and two reads
    EXPECT_EQ(log[1].command, 50);
    EXPECT_EQ(log[1].wordsSent, 2);
    ASSERT_EQ(CV_SimClearLog(2), CV_RC_DONE);
    EXPECT_EQ(CV_SimLog(2, nullptr, 0), 0);
    EXPECT_EQ(CV_SimSetPosition(16, 1, 0), CV_RC_RANGE);
    EXPECT_EQ(CV_SimSetStatus(0, 5, 0), CV_RC_RANGE);
    EXPECT_EQ(CV_SimFault(0, 9, 1), CV_RC_RANGE);
}
