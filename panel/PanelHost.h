#pragma once
// What the operator panel asks of the rest of the main window: the
// statement editor beside it, the status bar, the frame's commands, and the
// run's feed override and machining time.
#include "panel/PanelDisplays.h"

#include <string>

class CPanelHost {
public:
    virtual ~CPanelHost() = default;
    // Gives the statement editor pane the input focus.
    virtual void FocusEditor() = 0;
    // The editor's type-character operation: back into the tracked field
    // that last had the focus, then one key stroke, Shift held if asked.
    virtual void TypeIntoEditor(char ch, bool withShift) = 0;
    virtual void EditorModify() = 0;
    virtual void EditorInsert() = 0;
    virtual void EditorDelete() = 0;
    // Pane 1 of the status bar, repainted at once.
    virtual void ShowStatus(const std::string& text) = 0;
    // A command of the program popup menu, handled by the frame.
    virtual void RunCommand(int commandId) = 0;
    // Whether anyone takes the command; the menu shows the others disabled.
    virtual bool IsCommandEnabled(int /*commandId*/) const { return true; }
    // The feed override dial's percentage, which the run keeps and holds to
    // its range.
    virtual int FeedOverride() const { return 100; }
    virtual void SetFeedOverride(int /*percent*/) {}
    virtual SMachiningTimes MachiningTimes() const { return {}; }
};
