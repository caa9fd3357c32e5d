#include "panel/PanelController.h"

#include "common/CommandTable.h"

#include "platform/PlatformDoubles.h"
#include "platform/ScriptedPrompter.h"
#include "tests/panel/RecordingPanelHost.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

class PanelControllerTest : public ::testing::Test {
protected:
    Calls Press(std::initializer_list<int> ids)
    {
        host.calls.clear();
        for (int id : ids)
            EXPECT_TRUE(controller.PressKey(id)) << id;
        return host.calls;
    }

    CPanelState state;
    CRecordingPanelHost host;
    CRecordingSound sound;
    CScriptedPrompter prompter;
    CPanelController controller{state, host, sound, prompter};
};

struct STypeCase {
    int key;
    int shift;
    const char* expected;
};

TEST_F(PanelControllerTest, KeypadTypesTheLegendThatShiftChoosesAndHoldsShiftForThree)
{
    const STypeCase cases[] = {
        {105, 0, "type O"}, {105, 1, "type P"},
        {116, 0, "type 6"}, {116, 1, "type  "},
        {121, 0, "type 2"}, {121, 1, "type # shift"},
        {126, 0, "type -"}, {126, 1, "type + shift"},
        {127, 0, "type 0"}, {127, 1, "type * shift"},
        {125, 0, "type E"}, {125, 1, "type E"},
        {128, 1, "type /"}, {122, 1, "type ="},
        {114, 1, "type ["}, {120, 1, "type ,"},
    };
    for (const STypeCase& c : cases) {
        state.m_bShift = c.shift;
        EXPECT_EQ(Press({c.key}), (Calls{"focus", c.expected})) << c.key << " shift " << c.shift;
    }
}

TEST_F(PanelControllerTest, ShiftTogglesAndTypingLeavesIt)
{
    Press({132});
    EXPECT_EQ(state.m_bShift, 1);
    EXPECT_EQ(Press({111, 111}), (Calls{"focus", "type U", "focus", "type U"}));
    EXPECT_EQ(state.m_bShift, 1);
    Press({132});
    EXPECT_EQ(state.m_bShift, 0);
    EXPECT_EQ(Press({111}), (Calls{"focus", "type X"}));
}

TEST_F(PanelControllerTest, EditKeysFocusTheEditorFirst)
{
    EXPECT_EQ(Press({129}), (Calls{"focus", "modify"}));
    EXPECT_EQ(Press({130}), (Calls{"focus", "insert"}));
    EXPECT_EQ(Press({131}), (Calls{"focus", "delete"}));
}

TEST_F(PanelControllerTest, MachineKeysSetTheManualState)
{
    Press({148});
    EXPECT_EQ(state.m_nSpindle, ESpindle::Clockwise);
    Press({140});
    EXPECT_EQ(state.m_nSpindle, ESpindle::Stopped);
    Press({148, 140, 142});
    EXPECT_EQ(state.m_nSpindle, ESpindle::CounterClockwise);
    Press({144});
    EXPECT_EQ(state.m_bCoolant, 1);
    Press({144});
    EXPECT_EQ(state.m_bCoolant, 0);
    Press({137});
    EXPECT_EQ(state.m_bRapid, 0);
    Press({137});
    EXPECT_EQ(state.m_bRapid, 1);
    Press({103});
    EXPECT_EQ(state.m_nCoordDisplay, ECoordDisplay::Relative);
    Press({102});
    EXPECT_EQ(state.m_nCoordDisplay, ECoordDisplay::Absolute);
    Press({155});
    EXPECT_EQ(state.m_nRefMode, ERefMode::ReferenceReturn);
    Press({154});
    EXPECT_EQ(state.m_nRefMode, ERefMode::Jog);
    Press({155});
    EXPECT_EQ(state.m_nRefMode, ERefMode::ReferenceReturn);
}

TEST_F(PanelControllerTest, KeysWithoutEffectChangeNothing)
{
    const int quiet[] = {156, 157, 158, 159, 104, 160, 161, 162, 163, 164, 165, 166, 167,
                         170, 171, 172, 174, 175, 176, 177, 145, 146, 147,
                         138, 139, 150, 143, 153, 178, 179};
    state.m_nRefMode = ERefMode::Jog;
    state.m_dTurretX = 5;
    const CPanelState before = state;
    for (int id : quiet) {
        EXPECT_TRUE(Press({id}).empty()) << id;
        EXPECT_EQ(state.m_bShift, before.m_bShift) << id;
        EXPECT_EQ(state.m_nCoordDisplay, before.m_nCoordDisplay) << id;
        EXPECT_EQ(state.m_dTurretX, before.m_dTurretX) << id;
        EXPECT_EQ(state.m_dTurretZ, before.m_dTurretZ) << id;
        EXPECT_EQ(state.m_bRapid, before.m_bRapid) << id;
        EXPECT_EQ(state.m_nSpindle, before.m_nSpindle) << id;
        EXPECT_EQ(state.m_bCoolant, before.m_bCoolant) << id;
        EXPECT_EQ(state.m_nRefMode, before.m_nRefMode) << id;
    }
    EXPECT_TRUE(sound.played.empty());
}

TEST_F(PanelControllerTest, RunControlKeysAskTheFrameForTheirCommands)
{
    auto command = [](int id) { return "command " + std::to_string(id); };
    EXPECT_EQ(Press({151, 152, 149, 141, 173}),
              (Calls{command(Cmd::CycleStart), command(Cmd::FeedHold), command(Cmd::SingleBlock),
                     command(Cmd::EmergencyStop), command(Cmd::ResetRun)}));
}

TEST_F(PanelControllerTest, UnknownIdIsRefused)
{
    EXPECT_FALSE(controller.PressKey(168));
    EXPECT_FALSE(controller.PressKey(0));
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(PanelControllerTest, ReferenceReturnThenPlusXAndPlusZReachTheReferencePoint)
{
    state.m_dTurretX = -40;
    state.m_dTurretZ = -200;
    Press({155, 135, 133});
    EXPECT_DOUBLE_EQ(state.m_dTurretX, 30.0);
    EXPECT_DOUBLE_EQ(state.m_dTurretZ, 100.0);
}

TEST_F(PanelControllerTest, OvertravelSoundsThenWritesTheStatusPane)
{
    state.m_nRefMode = ERefMode::Jog;
    state.m_bRapid = 0;
    state.m_dTurretX = 90;
    EXPECT_EQ(Press({135}), (Calls{"status +x向超程!"}));
    state.m_dTurretX = -90;
    EXPECT_EQ(Press({136}), (Calls{"status -x向超程!"}));
    state.m_dTurretZ = 140;
    EXPECT_EQ(Press({133}), (Calls{"status +z向超程!"}));
    EXPECT_EQ(sound.played, (std::vector<std::string>{"Sound/warn.wav", "Sound/warn.wav",
                                                      "Sound/warn.wav"}));
    EXPECT_TRUE(prompter.Asked().empty());
}

TEST_F(PanelControllerTest, ChuckCollisionSoundsAndShowsTheStopBoxEachPress)
{
    state.m_nRefMode = ERefMode::Jog;
    state.m_bRapid = 0;
    state.m_dTurretZ = -270;
    EXPECT_TRUE(Press({134, 134}).empty());
    EXPECT_DOUBLE_EQ(state.m_dTurretZ, -280.0);
    ASSERT_EQ(prompter.Asked().size(), 2u);
    const SPromptRecord& box = prompter.Asked()[0];
    EXPECT_EQ(box.text, "刀具与卡盘碰撞!");
    EXPECT_EQ(box.caption, "警告");
    EXPECT_EQ(box.icon, EPromptIcon::Stop);
    EXPECT_EQ(box.buttons, EPromptButtons::Ok);
    EXPECT_EQ(sound.played.size(), 2u);
}

} // namespace
