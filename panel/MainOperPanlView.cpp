#include "panel/MainOperPanlView.h"

#include "app/MainFrm.h"

#include <QContextMenuEvent>
#include <QMenu>

CMainOperPanlView::CMainOperPanlView(CMainFrame& frame, QWidget* parent)
    : QWidget(parent), m_frame(frame)
{
    setObjectName("operatorPanel");
    setFocusPolicy(Qt::ClickFocus);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0x4a, 0x5a, 0x6a));
    setPalette(colours);
}

void CMainOperPanlView::contextMenuEvent(QContextMenuEvent* event)
{
    // From the keyboard the menu opens just inside the panel's corner.
    QPoint at = event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                             : mapToGlobal(QPoint(5, 5));
    QMenu* menu = m_frame.createProgramPopupMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(at);
}
