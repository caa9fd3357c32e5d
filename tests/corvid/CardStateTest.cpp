// What the library keeps for coordinated motion and the interrupt word
// belongs to one card: calls on one card neither use nor reset another's.
#include "CardFixture.h"
#include "ReceivedList.h"

#include <cstdint>
#include <vector>

namespace {

using Words16 = std::vector<std::uint16_t>;

short MapAsX(short axis)
{
    const double coefficients[5] = {1, 0, 0, 0, 0};
    return CV_MapAxis(axis, coefficients);
}

}  // namespace

TEST_F(CCardTest, AMappingStaysWithItsCardAndOpeningAnotherKeepsIt)
{
    ASSERT_EQ(MapAsX(2), CV_RC_DONE);  // axis 2 is the current axis
    ASSERT_EQ(CV_SwitchtoCardNo(1), CV_RC_DONE);
    ASSERT_EQ(CV_SetAtlPos(5), CV_RC_DONE);
    EXPECT_EQ(Words(Sent(Received(1))), (Words16{39, 141}));
    ASSERT_EQ(CV_SwitchtoCardNo(0), CV_RC_DONE);
    Card().ClearReceived();
    ASSERT_EQ(CV_SetAtlPos(5), CV_RC_DONE);
    EXPECT_EQ(Words(Sent(Received())), (Words16{39, 120, 120, 121, 121, 122, 122, 123, 123, 141}));
}

TEST_F(CCardTest, ASegmentStartsFromItsOwnCardsPoint)
{
    ASSERT_EQ(CV_StrtList(), CV_RC_DONE);
    ASSERT_EQ(CV_LnXY(3, 4), CV_RC_DONE);
    ASSERT_EQ(CV_SwitchtoCardNo(1), CV_RC_DONE);
    Card(1).profilePoint = {6, 0, 0, 0};
    ASSERT_EQ(CV_LnXY(6, 8), CV_RC_DONE);
    EXPECT_NEAR(RealOf(Sent(Received(1)), 119), 1.0 / 8, 1e-9);
}

TEST_F(CCardTest, EachCardHasItsOwnInterruptWord)
{
    ASSERT_EQ(CV_EXTINT(), CV_RC_DONE);
    ASSERT_EQ(CV_SwitchtoCardNo(1), CV_RC_DONE);
    ASSERT_EQ(CV_INTOff(), CV_RC_DONE);
    EXPECT_EQ(Card(0).ports[12], 1);
    EXPECT_EQ(Card(1).ports[12], 2);
}

TEST_F(CCardTest, ClosingACardEndsItsList)
{
    ASSERT_EQ(CV_StrtList(), CV_RC_DONE);
    ASSERT_EQ(CV_LnXY(3, 4), CV_RC_DONE);
    ASSERT_EQ(CV_Close(), CV_RC_DONE);
    Card().profilePoint = {6, 0, 0, 0};
    Card().ClearReceived();
    ASSERT_EQ(CV_LnXY(6, 8), CV_RC_DONE);
    EXPECT_NEAR(RealOf(Sent(Received()), 119), 1.0 / 8, 1e-9);
}
