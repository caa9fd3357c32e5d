// The programming mode: X and U of the program as radii (the default, so
// that stored files keep their meaning) or as diameters. It is remembered
// between sessions and named in the status bar and on the panel's screen.
#include "app/MainFrm.h"

#include "app/FramePanelHost.h"
#include "common/CommandTable.h"
#include "panel/MainOperPanlView.h"
#include "simulation/Machine.h"

#include <QSettings>

namespace {

const char* const kDiameterKey = "Settings/DiameterProgramming";
constexpr int kModePane = 2;

} // namespace

void CMainFrame::loadProgrammingMode()
{
    setDiameterProgramming(QSettings().value(kDiameterKey, false).toBool());
}

void CMainFrame::setDiameterProgramming(bool diameter)
{
    SetDiameterProgramming(m_services.machine, diameter);
    QSettings().setValue(kDiameterKey, diameter);
    setStatusText(kModePane, diameter ? QStringLiteral("直径编程") : QStringLiteral("半径编程"));
    if (CMainOperPanlView* panel = OperatorPanel(*this))
        panel->RefreshScreen();
}

bool CMainFrame::IsCommandChecked(int id) const
{
    return id == Cmd::DiameterMode && m_services.machine.panel.m_bDiameter;
}
