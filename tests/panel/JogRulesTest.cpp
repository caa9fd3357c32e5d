#include "panel/JogRules.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct SJogCase {
    const char* name;
    ERefMode mode;
    int rapid;
    double startX, startZ;
    EJogKey key;
    int presses;
    double endX, endZ;
    EJogAlarm lastAlarm;
    int alarms;   // how many of the presses raised an alarm
};

class JogRulesTest : public ::testing::TestWithParam<SJogCase> {};

TEST_P(JogRulesTest, MovesTheTurretAndRaisesItsAlarms)
{
    const SJogCase& c = GetParam();
    CPanelState state;
    state.m_nRefMode = c.mode;
    state.m_bRapid = c.rapid;
    state.m_dTurretX = c.startX;
    state.m_dTurretZ = c.startZ;
    EJogAlarm alarm = EJogAlarm::None;
    int alarms = 0;
    for (int i = 0; i < c.presses; ++i) {
        alarm = Jog(state, c.key);
        alarms += alarm != EJogAlarm::None;
    }
    EXPECT_DOUBLE_EQ(state.m_dTurretX, c.endX);
    EXPECT_DOUBLE_EQ(state.m_dTurretZ, c.endZ);
    EXPECT_EQ(alarm, c.lastAlarm);
    EXPECT_EQ(alarms, c.alarms);
}

using M = ERefMode;
using K = EJogKey;
using A = EJogAlarm;

const SJogCase kCases[] = {
    // No mode chosen yet: nothing moves, nothing sounds.
    {"NoneModePlusZ", M::None, 1, 0, 0, K::PlusZ, 3, 0, 0, A::None, 0},
    {"NoneModeMinusZ", M::None, 1, 0, 0, K::MinusZ, 3, 0, 0, A::None, 0},
    {"NoneModePlusX", M::None, 1, 0, 0, K::PlusX, 3, 0, 0, A::None, 0},
    {"NoneModeMinusX", M::None, 1, 0, 0, K::MinusX, 3, 0, 0, A::None, 0},
    // ...but a turret already beyond a limit still raises the alarm.
    {"NoneModeBeyondPlusX", M::None, 0, 100, 0, K::PlusX, 2, 100, 0, A::PlusXOvertravel, 2},
    {"NoneModeBeyondChuck", M::None, 0, 0, -280, K::MinusZ, 1, 0, -280, A::ChuckCollision, 1},

    // Reference return: +X and +Z go to the reference point, minus keys stay.
    {"RefPlusX", M::ReferenceReturn, 1, -55, 7, K::PlusX, 1, 30, 7, A::None, 0},
    {"RefPlusZ", M::ReferenceReturn, 1, 7, -200, K::PlusZ, 1, 7, 100, A::None, 0},
    {"RefMinusX", M::ReferenceReturn, 1, 12, 34, K::MinusX, 4, 12, 34, A::None, 0},
    {"RefMinusZ", M::ReferenceReturn, 1, 12, 34, K::MinusZ, 4, 12, 34, A::None, 0},
    {"RefPlusZBeyondLimitIsPulledBack", M::ReferenceReturn, 1, 0, 150, K::PlusZ, 1, 0, 100,
     A::None, 0},

    // Jog with rapid off: 10 mm steps.
    {"JogPlusXToLimit", M::Jog, 0, 0, 0, K::PlusX, 10, 100, 0, A::PlusXOvertravel, 1},
    {"JogPlusXBeyondRepeats", M::Jog, 0, 0, 0, K::PlusX, 11, 100, 0, A::PlusXOvertravel, 2},
    {"JogPlusZToLimitIsSilent", M::Jog, 0, 0, 0, K::PlusZ, 13, 0, 130, A::None, 0},
    {"JogPlusZAtLimitStays", M::Jog, 0, 0, 0, K::PlusZ, 16, 0, 130, A::None, 0},
    {"JogMinusXToLimit", M::Jog, 0, 0, 0, K::MinusX, 10, -100, 0, A::MinusXOvertravel, 1},
    {"JogMinusXBeyondRepeats", M::Jog, 0, 0, 0, K::MinusX, 12, -100, 0, A::MinusXOvertravel, 3},
    {"JogMinusZToChuckIsSilent", M::Jog, 0, 0, 0, K::MinusZ, 27, 0, -270, A::None, 0},
    {"JogMinusZPastChuckCollides", M::Jog, 0, 0, -270, K::MinusZ, 1, 0, -280,
     A::ChuckCollision, 1},
    {"JogMinusZPastChuckStays", M::Jog, 0, 0, -270, K::MinusZ, 3, 0, -280, A::ChuckCollision,
     3},

    // Jog with rapid on: 30 mm steps, which may carry past a limit.
    {"RapidPlusZOvershoots", M::Jog, 1, 0, 120, K::PlusZ, 1, 0, 150, A::PlusZOvertravel, 1},
    {"RapidPlusZBeyondStays", M::Jog, 1, 0, 120, K::PlusZ, 3, 0, 150, A::PlusZOvertravel, 3},
    {"RapidPlusX", M::Jog, 1, 0, 0, K::PlusX, 3, 90, 0, A::None, 0},
    {"RapidPlusXOvershoots", M::Jog, 1, 0, 0, K::PlusX, 4, 120, 0, A::PlusXOvertravel, 1},
    {"RapidMinusX", M::Jog, 1, 0, 0, K::MinusX, 4, -120, 0, A::MinusXOvertravel, 1},
    {"RapidMinusZ", M::Jog, 1, 0, -250, K::MinusZ, 1, 0, -280, A::ChuckCollision, 1},
};

INSTANTIATE_TEST_SUITE_P(Rules, JogRulesTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JogStep, IsTenPlusTwentyWhenRapid)
{
    CPanelState state;
    state.m_bRapid = 0;
    EXPECT_DOUBLE_EQ(JogStep(state), 10.0);
    state.m_bRapid = 1;
    EXPECT_DOUBLE_EQ(JogStep(state), 30.0);
}

TEST(JogAlarmReport, GivesEachAlarmItsTextAndOnlyTheCollisionABox)
{
    EXPECT_EQ(JogAlarmReport(EJogAlarm::PlusZOvertravel).text, "+z向超程!");
    EXPECT_EQ(JogAlarmReport(EJogAlarm::PlusXOvertravel).text, "+x向超程!");
    EXPECT_EQ(JogAlarmReport(EJogAlarm::MinusXOvertravel).text, "-x向超程!");
    EXPECT_EQ(JogAlarmReport(EJogAlarm::ChuckCollision).text, "刀具与卡盘碰撞!");
    EXPECT_TRUE(JogAlarmReport(EJogAlarm::ChuckCollision).modalBox);
    EXPECT_FALSE(JogAlarmReport(EJogAlarm::PlusZOvertravel).modalBox);
    EXPECT_FALSE(JogAlarmReport(EJogAlarm::PlusXOvertravel).modalBox);
    EXPECT_FALSE(JogAlarmReport(EJogAlarm::MinusXOvertravel).modalBox);
    EXPECT_TRUE(JogAlarmReport(EJogAlarm::None).text.empty());
}

} // namespace
