#pragma once
// Records what the panel asked of the main window, in order, one line per
// request, so tests can assert the sequence.
#include "panel/PanelHost.h"

#include <string>
#include <vector>

class CRecordingPanelHost : public CPanelHost {
public:
    void FocusEditor() override { calls.push_back("focus"); }
    void TypeIntoEditor(char ch, bool withShift) override
    {
        calls.push_back(std::string("type ") + ch + (withShift ? " shift" : ""));
    }
    void EditorModify() override { calls.push_back("modify"); }
    void EditorInsert() override { calls.push_back("insert"); }
    void EditorDelete() override { calls.push_back("delete"); }
    void ShowStatus(const std::string& text) override { calls.push_back("status " + text); }
    void RunCommand(int commandId) override { calls.push_back("command " + std::to_string(commandId)); }
    int FeedOverride() const override { return feedOverride; }
    void SetFeedOverride(int percent) override { feedOverride = percent; }
    SMachiningTimes MachiningTimes() const override { return times; }

    std::vector<std::string> calls;
    int feedOverride = 100;
    SMachiningTimes times;
};
