// The three panes the main window makes by default.
#include "app/MainFrm.h"
#include "editor/GcodeEditPanelView.h"
#include "panel/MainOperPanlView.h"
#include "simulation/MySDOpenGLView.h"

SPaneFactories SPaneFactories::Default()
{
    SPaneFactories panes;
    panes.simulation = [](CMainFrame& frame) -> QWidget* { return new CMySDOpenGLView(frame); };
    panes.editor = [](CMainFrame& frame) -> QWidget* {
        const SFrameServices& services = frame.services();
        return new CGcodeEditPanelView(services.doc, services.prompter, services.keys);
    };
    panes.panel = [](CMainFrame& frame) -> QWidget* { return new CMainOperPanlView(frame); };
    return panes;
}
