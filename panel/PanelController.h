#pragma once
// What each panel key does: it changes the panel state, types into the
// statement editor, calls the editor's operations or jogs the turret and
// reports the travel alarms.
#include "panel/JogRules.h"
#include "panel/PanelHost.h"
#include "panel/PanelKeys.h"
#include "panel/PanelState.h"

class CSoundPlayer;
class CPrompter;

class CPanelController {
public:
    CPanelController(CPanelState& state, CPanelHost& host, CSoundPlayer& sound,
                     CPrompter& prompter);

    // Runs the key's effect; false for an id that is no panel key.
    bool PressKey(int id);

    CPanelState& State() { return m_state; }

private:
    void TypeCharacter(const SPanelKey& key);
    void EditorCommand(EKeyEffect effect);
    void JogKey(EJogKey key);
    void ApplyStateEffect(EKeyEffect effect);

    CPanelState& m_state;
    CPanelHost& m_host;
    CSoundPlayer& m_sound;
    CPrompter& m_prompter;
};
