#include "panel/PanelController.h"

#include "common/CommandTable.h"
#include "platform/Prompter.h"
#include "platform/Sound.h"

#include <optional>

namespace {

std::optional<EJogKey> JogKeyOf(EKeyEffect effect)
{
    switch (effect) {
    case EKeyEffect::JogPlusZ: return EJogKey::PlusZ;
    case EKeyEffect::JogMinusZ: return EJogKey::MinusZ;
    case EKeyEffect::JogPlusX: return EJogKey::PlusX;
    case EKeyEffect::JogMinusX: return EJogKey::MinusX;
    default: return std::nullopt;
    }
}

// The run-control keys are the frame's commands, so that the menu and the
// panel drive the run the same way.
int RunCommandOf(EKeyEffect effect)
{
    switch (effect) {
    case EKeyEffect::CycleStart: return Cmd::CycleStart;
    case EKeyEffect::FeedHold: return Cmd::FeedHold;
    case EKeyEffect::SingleBlock: return Cmd::SingleBlock;
    case EKeyEffect::EmergencyStop: return Cmd::EmergencyStop;
    case EKeyEffect::Reset: return Cmd::ResetRun;
    default: return 0;
    }
}

bool IsEditorCommand(EKeyEffect effect)
{
    return effect == EKeyEffect::EditorModify || effect == EKeyEffect::EditorInsert ||
           effect == EKeyEffect::EditorDelete;
}

} // namespace

CPanelController::CPanelController(CPanelState& state, CPanelHost& host, CSoundPlayer& sound,
                                   CPrompter& prompter)
    : m_state(state), m_host(host), m_sound(sound), m_prompter(prompter)
{
}

bool CPanelController::PressKey(int id)
{
    const SPanelKey* key = FindPanelKey(id);
    if (!key)
        return false;
    if (key->effect == EKeyEffect::Character)
        TypeCharacter(*key);
    else if (IsEditorCommand(key->effect))
        EditorCommand(key->effect);
    else if (auto jogKey = JogKeyOf(key->effect))
        JogKey(*jogKey);
    else if (const int command = RunCommandOf(key->effect))
        m_host.RunCommand(command);
    else
        ApplyStateEffect(key->effect);
    return true;
}

void CPanelController::TypeCharacter(const SPanelKey& key)
{
    const char ch = KeyCharacter(key, m_state.m_bShift);
    m_host.FocusEditor();
    m_host.TypeIntoEditor(ch, NeedsShiftHeld(ch));
}

void CPanelController::EditorCommand(EKeyEffect effect)
{
    m_host.FocusEditor();
    if (effect == EKeyEffect::EditorModify)
        m_host.EditorModify();
    else if (effect == EKeyEffect::EditorInsert)
        m_host.EditorInsert();
    else
        m_host.EditorDelete();
}

void CPanelController::JogKey(EJogKey key)
{
    const EJogAlarm alarm = Jog(m_state, key);
    if (alarm == EJogAlarm::None)
        return;
    m_sound.Play(jog::kAlarmSound);
    const SJogAlarmReport report = JogAlarmReport(alarm);
    if (report.modalBox)
        m_prompter.Ask(report.text, EPromptButtons::Ok, EPromptIcon::Stop, kCollisionCaption);
    else
        m_host.ShowStatus(report.text);
}

void CPanelController::ApplyStateEffect(EKeyEffect effect)
{
    CPanelState& s = m_state;
    switch (effect) {
    case EKeyEffect::Shift: s.m_bShift = s.m_bShift == 1 ? 0 : 1; break;
    case EKeyEffect::CoordAbsolute: s.m_nCoordDisplay = ECoordDisplay::Absolute; break;
    case EKeyEffect::CoordRelative: s.m_nCoordDisplay = ECoordDisplay::Relative; break;
    case EKeyEffect::SpindleCW: s.m_nSpindle = ESpindle::Clockwise; break;
    case EKeyEffect::SpindleStop: s.m_nSpindle = ESpindle::Stopped; break;
    case EKeyEffect::SpindleCCW: s.m_nSpindle = ESpindle::CounterClockwise; break;
    case EKeyEffect::CoolantToggle: s.m_bCoolant = s.m_bCoolant == 1 ? 0 : 1; break;
    case EKeyEffect::ModeJog: s.m_nRefMode = ERefMode::Jog; break;
    case EKeyEffect::ModeReference: s.m_nRefMode = ERefMode::ReferenceReturn; break;
    case EKeyEffect::RapidToggle: s.m_bRapid = s.m_bRapid == 1 ? 0 : 1; break;
    default: break;   // keys that only animate
    }
}
