#pragma once
// A main window on scripted services, with plain widgets for the panes a
// test does not look at.
#include "program/DocTestSupport.h"
#include "app/MainFrm.h"
#include "app/ScriptedFileChooser.h"
#include "platform/PlatformDoubles.h"
#include "simulation/Machine.h"

#include <QSettings>

#include <memory>

struct SAppSpy : CCommandTarget {
    std::vector<int> commands;
    bool HandlesCommand(int id) const override { return id == 57664 || id == 57600; }
    void OnCommand(int id) override { commands.push_back(id); }
};

class FrameFixture {
public:
    CScriptedPrompter prompter;
    CVelmoraDoc doc{prompter};
    std::unique_ptr<CMachine> machine = std::make_unique<CMachine>();
    CScriptedFileChooser files;
    CRecordingShell shell;
    CFixedResourcePaths paths{VELMORA_SOURCE_DIR "/resources"};
    CRecordingKeyTyper keys;
    CRecordingSound sound;
    SAppSpy app;
    std::unique_ptr<CMainFrame> frame;

    explicit FrameFixture(SPaneFactories panes = PlainPanes())
    {
        QSettings().clear();
        frame = std::make_unique<CMainFrame>(
            SFrameServices{doc, *machine, prompter, files, shell, paths, keys, sound}, &app, panes);
        frame->resize(1600, 900);
    }

    // The editor is real; the GL view and the panel are stand-ins.
    static SPaneFactories PlainPanes()
    {
        SPaneFactories panes = SPaneFactories::Default();
        panes.simulation = [](CMainFrame&) -> QWidget* { return new QWidget; };
        panes.panel = [](CMainFrame&) -> QWidget* { return new QWidget; };
        return panes;
    }

    static std::string Sample(const char* name)
    {
        return std::string(VELMORA_SOURCE_DIR "/resources/programs/") + name;
    }
};
