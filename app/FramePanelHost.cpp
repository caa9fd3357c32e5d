#include "app/FramePanelHost.h"

#include "app/MainFrm.h"
#include "editor/GcodeEditPanelView.h"
#include "panel/MainOperPanlView.h"
#include "simulation/Machine.h"
#include "simulation/RunControl.h"

#include <QStatusBar>

namespace {

class CFramePanelHost : public CPanelHost {
public:
    explicit CFramePanelHost(CMainFrame& frame) : m_frame(frame) {}

    void FocusEditor() override
    {
        if (QWidget* pane = m_frame.pane(0, 1))
            pane->setFocus(Qt::OtherFocusReason);
    }
    void TypeIntoEditor(char ch, bool withShift) override
    {
        if (CGcodeEditPanelView* editor = Editor())
            editor->typeCharacter(ch, withShift);
    }
    void EditorModify() override
    {
        if (CGcodeEditPanelView* editor = Editor())
            editor->modifyStatement();
    }
    void EditorInsert() override
    {
        if (CGcodeEditPanelView* editor = Editor())
            editor->insertStatement();
    }
    void EditorDelete() override
    {
        if (CGcodeEditPanelView* editor = Editor())
            editor->deleteStatements();
    }
    void ShowStatus(const std::string& text) override
    {
        m_frame.setStatusText(1, QString::fromStdString(text));
        if (QStatusBar* bar = m_frame.statusBar())
            bar->repaint();
    }
    void RunCommand(int commandId) override { m_frame.routeCommand(commandId); }
    bool IsCommandEnabled(int commandId) const override
    {
        return m_frame.isCommandEnabled(commandId);
    }
    int FeedOverride() const override { return Run().override_pct; }
    void SetFeedOverride(int percent) override { ::SetFeedOverride(Run(), percent); }
    SMachiningTimes MachiningTimes() const override
    {
        return {Run().total_seconds, Run().run_seconds};
    }

private:
    // The editor is looked up on each call: panes keep no pointers.
    CGcodeEditPanelView* Editor() const
    {
        return qobject_cast<CGcodeEditPanelView*>(m_frame.pane(0, 1));
    }

    CInterpreterState& Run() const { return m_frame.services().machine.sim.interp; }

    CMainFrame& m_frame;
};

} // namespace

QWidget* CreateOperatorPanel(CMainFrame& frame)
{
    const SFrameServices& services = frame.services();
    return new CMainOperPanlView(std::make_unique<CFramePanelHost>(frame), services.machine.panel,
                                 services.sound, services.prompter);
}

CMainOperPanlView* OperatorPanel(const CMainFrame& frame)
{
    return qobject_cast<CMainOperPanlView*>(frame.pane(0, 2));
}
