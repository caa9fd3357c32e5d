#include "panel/PanelPaint.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

namespace panel_paint {

QFont Font(double pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Noto Sans CJK")});
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void Arrow(QPainter& p, QPointF c, double s, EArrow direction, const QColor& colour)
{
    const double h = s / 2.0;
    QPolygonF shape;
    switch (direction) {
    case EArrow::Up: shape << QPointF(c.x(), c.y() - h) << QPointF(c.x() + h, c.y() + h * 0.7)
                           << QPointF(c.x() - h, c.y() + h * 0.7); break;
    case EArrow::Down: shape << QPointF(c.x(), c.y() + h) << QPointF(c.x() + h, c.y() - h * 0.7)
                             << QPointF(c.x() - h, c.y() - h * 0.7); break;
    case EArrow::Left: shape << QPointF(c.x() - h, c.y()) << QPointF(c.x() + h * 0.7, c.y() - h)
                             << QPointF(c.x() + h * 0.7, c.y() + h); break;
    case EArrow::Right: shape << QPointF(c.x() + h, c.y()) << QPointF(c.x() - h * 0.7, c.y() - h)
                              << QPointF(c.x() - h * 0.7, c.y() + h); break;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(shape);
    p.restore();
}

namespace {
bool ArrowSign(const QString& line, EArrow* direction)
{
    static const struct { QChar sign; EArrow arrow; } kSigns[] = {
        {QChar(0x25B2), EArrow::Up}, {QChar(0x25BC), EArrow::Down},
        {QChar(0x25C0), EArrow::Left}, {QChar(0x25B6), EArrow::Right},
    };
    if (line.size() != 1)
        return false;
    for (const auto& s : kSigns)
        if (line[0] == s.sign) {
            *direction = s.arrow;
            return true;
        }
    return false;
}
} // namespace

// The pixel size at which the widest line fits the box, at most the one asked.
double FittingSize(const QStringList& lines, double width, double pixelSize, bool bold)
{
    const QFontMetricsF metrics(Font(pixelSize, bold));
    double widest = 0;
    for (const QString& line : lines)
        widest = qMax(widest, metrics.horizontalAdvance(line));
    const double room = width - 2;
    return widest > room && widest > 0 ? qMax(5.0, pixelSize * room / widest) : pixelSize;
}

void Legend(QPainter& p, const QRectF& box, const QString& text, const QColor& colour,
            double pixelSize, bool bold)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    const double size = FittingSize(lines, box.width(), pixelSize, bold);
    const double lineHeight = size * 1.15;
    double y = box.center().y() - lineHeight * lines.size() / 2.0;
    p.save();
    p.setFont(Font(size, bold));
    p.setPen(colour);
    for (const QString& line : lines) {
        const QRectF row(box.left(), y, box.width(), lineHeight);
        EArrow direction;
        if (ArrowSign(line, &direction))
            Arrow(p, row.center(), pixelSize * 1.1, direction, colour);
        else
            p.drawText(row, Qt::AlignCenter, line);
        y += lineHeight;
    }
    p.restore();
}

void Screw(QPainter& p, QPointF c, double r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient head(c - QPointF(r * 0.4, r * 0.4), r * 1.6);
    head.setColorAt(0, QColor(0xf4, 0xf5, 0xf6));
    head.setColorAt(1, QColor(0x7c, 0x82, 0x8a));
    p.setPen(QPen(QColor(0x55, 0x5a, 0x60), 0.8));
    p.setBrush(head);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(0x4a, 0x4e, 0x54), 1.1));
    p.drawLine(c + QPointF(-r * 0.6, r * 0.25), c + QPointF(r * 0.6, -r * 0.25));
    p.restore();
}

void BrushedMetal(QPainter& p, const QRectF& area, const QColor& top, const QColor& bottom,
                  unsigned seed)
{
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(area, g);
    unsigned state = seed;
    p.save();
    for (int y = int(area.top()); y < int(area.bottom()); ++y) {
        state = state * 1103515245u + 12345u;
        const int shade = int((state >> 16) % 15) - 7;
        QColor line = shade > 0 ? QColor(255, 255, 255, shade * 3) : QColor(0, 0, 0, -shade * 3);
        p.setPen(line);
        p.drawLine(QPointF(area.left(), y + 0.5), QPointF(area.right(), y + 0.5));
    }
    p.restore();
}

void RecessedPlate(QPainter& p, const QRectF& area, double radius, const QColor& fill)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRoundedRect(area.translated(1, 1), radius, radius);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawRoundedRect(area.translated(-1, -1), radius, radius);
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    g.setColorAt(0, fill.darker(115));
    g.setColorAt(1, fill);
    p.setBrush(g);
    p.drawRoundedRect(area, radius, radius);
    p.restore();
}

} // namespace panel_paint
