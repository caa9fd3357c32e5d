#include "panel/PanelKeyButton.h"

#include <QPainter>

CPanelKeyButton::CPanelKeyButton(int id, const QPixmap& up, const QPixmap& down, QWidget* parent)
    : QAbstractButton(parent), m_id(id), m_up(up), m_down(down)
{
    setObjectName(QStringLiteral("key%1").arg(id));
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(up.size());
}

void CPanelKeyButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), isDown() ? m_down : m_up);
}
