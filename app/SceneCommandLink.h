#pragma once
// The simulation view in the main window: its scene commands run the stock
// and tool library dialogs and stop the frame clock while the library is
// open; its reports go to the status bar, the panel and warning boxes.
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

    CSceneCommandLink(CMainFrame& frame, QWidget& view, CMachine& machine, CSimulationOutput& out,
                      SFrameClock clock);

    CSceneCommands& Commands() { return m_commands; }
    const CSceneCommands& Commands() const { return m_commands; }

    TStockDialog stockDialog;
    TToolLibraryDialog toolLibraryDialog;

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

// The simulation view of the main window on the application's machine, with
// its scene commands and reports wired to the frame and the other panes.
QWidget* CreateSimulationView(CMainFrame& frame);
// The link of a view that CreateSimulationView made; null for another widget.
CSceneCommandLink* SceneCommandLinkOf(QWidget* view);

// The editor follows the run: the statement's row is selected and scrolled
// into view, the keyboard focus and the editor's fields left alone.
void FollowStatement(CMainFrame& frame, int lineNumber);
