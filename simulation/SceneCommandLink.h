#pragma once
// The scene commands in the main window: the view hands its commands here;
// the link runs the stock and tool library dialogs, reads the operator
// panel's spindle and stops the frame clock while the library is open.
#include "simulation/SceneCommands.h"

#include <functional>

class CMainFrame;
class QWidget;

class CSceneCommandLink : public CSceneCommandHost {
public:
    // Dialogs run modally over the given parent; tests replace them.
    using TStockDialog = std::function<std::optional<SStockSize>(QWidget* parent)>;
    using TToolLibraryDialog = std::function<std::optional<SToolLibraryResult>(QWidget* parent)>;
    static TStockDialog DefaultStockDialog(CMainFrame& frame);
    static TToolLibraryDialog DefaultToolLibraryDialog(CMainFrame& frame);

    struct SFrameClock {
        std::function<void()> stop;
        std::function<void(int periodMs)> start;
    };

    CSceneCommandLink(CMainFrame& frame, QWidget& view, CSimulation& sim, CSimulationOutput& out,
                      SFrameClock clock);

    CSceneCommands& Commands() { return m_commands; }
    const CSceneCommands& Commands() const { return m_commands; }

    TStockDialog stockDialog;
    TToolLibraryDialog toolLibraryDialog;

    int PanelSpindle() const override;
    std::optional<SStockSize> RunStockDialog() override { return stockDialog(&m_view); }
    std::optional<SToolLibraryResult> RunToolLibrary() override { return toolLibraryDialog(&m_view); }
    void StopFrameClock() override { m_clock.stop(); }
    void StartFrameClock(int periodMs) override { m_clock.start(periodMs); }

private:
    CMainFrame& m_frame;
    QWidget& m_view;
    SFrameClock m_clock;
    CSceneCommands m_commands;
};

// The editor follows the run: the statement's row is selected and scrolled
// into view, the keyboard focus and the editor's fields left alone.
void FollowStatement(CMainFrame& frame, int lineNumber);
