#include "editor/ToolPicture.h"

#include <QPainter>
#include <QPolygonF>

namespace {

// Drawn in a 100 x 110 box, the shank upright and the tip at the bottom.
const QColor kShank(0x9A, 0xA4, 0xAE);
const QColor kInsert(0xD4, 0xAF, 0x37);
const QColor kInk(0x30, 0x30, 0x30);

QPolygonF Tip(int tool)
{
    switch (tool) {
    case 0: // turning: a rhombic insert leaning to the chuck side, 95 degrees lead
        return QPolygonF({{30, 70}, {70, 70}, {62, 96}, {20, 104}});
    case 1: // grooving: a narrow blade, square at the end
        return QPolygonF({{44, 70}, {56, 70}, {56, 106}, {44, 106}});
    default: // threading: a 60 degree point on the axis
        return QPolygonF({{32, 70}, {68, 70}, {50, 101}});
    }
}

} // namespace

CToolPicture::CToolPicture(int tool, QWidget* parent) : QWidget(parent), m_tool(tool)
{
    setObjectName(QString("toolPicture%1").arg(tool + 1));
    setMinimumSize(sizeHint());
}

void CToolPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const double scale = std::min(width() / 100.0, height() / 110.0);
    p.translate((width() - 100 * scale) / 2, (height() - 110 * scale) / 2);
    p.scale(scale, scale);
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(kShank);
    p.drawRect(QRectF(34, 4, 32, 68));
    p.setBrush(kInsert);
    p.drawPolygon(Tip(m_tool));
    // The clamp screw that holds the insert.
    p.setBrush(kInk);
    p.drawEllipse(QPointF(50, 78), 2.5, 2.5);
}
