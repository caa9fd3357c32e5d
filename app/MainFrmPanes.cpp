// The three panes the main window makes by default.
#include "app/MainFrm.h"
#include "editor/GcodeEditPanelView.h"
#include "app/FramePanelHost.h"
#include "app/SceneCommandLink.h"

SPaneFactories SPaneFactories::Default()
{
    SPaneFactories panes;
    panes.simulation = [](CMainFrame& frame) -> QWidget* { return CreateSimulationView(frame); };
    panes.editor = [](CMainFrame& frame) -> QWidget* {
        const SFrameServices& services = frame.services();
        return new CGcodeEditPanelView(services.doc, services.prompter, services.keys);
    };
    panes.panel = [](CMainFrame& frame) -> QWidget* { return CreateOperatorPanel(frame); };
    return panes;
}
