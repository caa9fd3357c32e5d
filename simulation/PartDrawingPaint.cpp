#include "simulation/PartDrawingPaint.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

namespace {

// Room around the part for the diameters above it and two rows of lengths
// below, as fractions of the area.
constexpr double kSide = 0.06, kTop = 0.12, kBelow = 0.34;
constexpr double kArrow = 6.0;

QString Text(const std::string& s) { return QString::fromStdString(s); }

void Arrowhead(QPainter& p, QPointF tip, QPointF from)
{
    QPointF d = tip - from;
    const double len = std::max(1e-9, std::hypot(d.x(), d.y()));
    d /= len;
    const QPointF n(-d.y(), d.x());
    const QPointF base = tip - d * kArrow;
    p.drawPolygon(QPolygonF({tip, base + n * kArrow / 3.0, base - n * kArrow / 3.0}));
}

void DimensionLine(QPainter& p, QPointF a, QPointF b, const QString& text, bool textAbove)
{
    p.drawLine(a, b);
    Arrowhead(p, a, b);
    Arrowhead(p, b, a);
    const QPointF mid = (a + b) / 2.0;
    const QFontMetricsF fm(p.font());
    const double w = fm.horizontalAdvance(text);
    if (std::abs(a.x() - b.x()) > std::abs(a.y() - b.y()))
        p.drawText(QPointF(mid.x() - w / 2.0, textAbove ? mid.y() - 3.0 : mid.y() + fm.ascent() + 2.0),
                   text);
    else
        p.drawText(QPointF(std::min(a.x(), b.x()) + 4.0, std::min(a.y(), b.y()) - 4.0), text);
}

void PaintSection(QPainter& p, const CPartDrawingScale& s, const SPartProfile& part)
{
    if (part.outline.empty())
        return;
    QPolygonF shape;
    shape << s.ToPaint({part.zFace, part.boreRadius});
    for (const SPartPoint& q : part.outline)
        shape << s.ToPaint(q);
    shape << s.ToPaint({part.zChuck, part.outline.back().x})
          << s.ToPaint({part.zChuck, part.boreRadius});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(part_drawing::kSectionRgb));
    p.drawPolygon(shape);
    p.setPen(QPen(QColor::fromRgb(part_drawing::kOutlineRgb), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(shape);
}

void PaintOverlays(QPainter& p, const QRectF& area, const CPartDrawingScale& s,
                   const SPartDrawingContent& c)
{
    // The program's moves through the air may reach far beyond the part.
    p.setClipRect(area);
    const SPartProfile& part = c.part;
    if (c.showStock) {
        p.setPen(QPen(Qt::gray, 1.0, Qt::DashLine));
        p.drawRect(QRectF(s.ToPaint({part.zChuck, part.stockRadius}), s.ToPaint({0.0, 0.0})));
    }
    if (c.showProgrammed && c.programmed.size() > 1) {
        QPolygonF line;
        for (const SPartPoint& q : c.programmed)
            line << s.ToPaint(q);
        p.setPen(QPen(QColor::fromRgb(part_drawing::kProgrammedRgb), 1.2));
        p.drawPolyline(line);
    }
    p.setPen(QPen(Qt::darkRed, 1.0, Qt::DashDotLine));
    p.drawLine(s.ToPaint({part.zChuck - 5.0, 0.0}), s.ToPaint({std::max(part.zFace, 0.0) + 5.0, 0.0}));
}

void PaintDimensions(QPainter& p, const CPartDrawingScale& s, const SPartProfile& part)
{
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::black);
    const double row = QFontMetricsF(p.font()).height() * 1.6;
    const double below = s.ToPaint({0.0, 0.0}).y() + row * 0.6;
    for (const SPartStep& step : part.steps) {
        const double zMid = (step.zLeft + step.zRight) / 2.0;
        DimensionLine(p, s.ToPaint({zMid, 0.0}), s.ToPaint({zMid, step.radius}),
                      Text(DiameterText(step.radius)), true);
        if (part.steps.size() < 2)
            continue; // a single step's length is the overall length below
        const double l = s.ToPaint({step.zLeft, 0.0}).x(), r = s.ToPaint({step.zRight, 0.0}).x();
        DimensionLine(p, {l, below}, {r, below}, Text(DimensionText(step.Length())), false);
    }
    const double l = s.ToPaint({part.zChuck, 0.0}).x(), r = s.ToPaint({part.zFace, 0.0}).x();
    DimensionLine(p, {l, below + row}, {r, below + row}, Text(DimensionText(part.Length())), false);
}

void PaintTitleBlock(QPainter& p, const QRectF& area, const SPartDrawingContent& c)
{
    if (c.programName.isEmpty() && c.stockText.isEmpty() && c.dateText.isEmpty())
        return;
    const QFontMetricsF fm(p.font());
    const double h = fm.height() * 1.4, w = std::max(area.width() * 0.35, fm.horizontalAdvance(c.programName) + 20.0);
    const QRectF block(area.right() - w, area.bottom() - 3.0 * h, w, 3.0 * h);
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::NoBrush);
    const QString lines[3] = {QStringLiteral("程序: ") + c.programName,
                              QStringLiteral("毛坯: ") + c.stockText,
                              QStringLiteral("日期: ") + c.dateText};
    for (int i = 0; i < 3; ++i) {
        const QRectF cell(block.left(), block.top() + i * h, w, h);
        p.drawRect(cell);
        p.drawText(cell.adjusted(6.0, 0.0, 0.0, 0.0), Qt::AlignVCenter | Qt::AlignLeft, lines[i]);
    }
}

} // namespace

CPartDrawingScale::CPartDrawingScale(const SPartProfile& part, const QRectF& area)
{
    const double zRight = std::max(part.zFace, 0.0);
    const double length = std::max(zRight - part.zChuck, 1.0);
    const double radius = std::max(part.stockRadius, 1.0);
    const double w = area.width() * (1.0 - 2.0 * kSide);
    const double h = area.height() * (1.0 - kTop - kBelow);
    m_scale = std::min(w / length, h / radius);
    m_zLeft = part.zChuck;
    const double spare = w - length * m_scale;
    m_axisLeft = QPointF(area.left() + area.width() * kSide + spare / 2.0,
                         area.top() + area.height() * kTop + radius * m_scale);
}

QPointF CPartDrawingScale::ToPaint(SPartPoint p) const
{
    return {m_axisLeft.x() + (p.z - m_zLeft) * m_scale, m_axisLeft.y() - p.x * m_scale};
}

SPartPoint CPartDrawingScale::ToPart(QPointF p) const
{
    return {m_zLeft + (p.x() - m_axisLeft.x()) / m_scale, (m_axisLeft.y() - p.y()) / m_scale};
}

void PaintPartDrawing(QPainter& painter, const QRectF& area, const SPartDrawingContent& content)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const CPartDrawingScale scale(content.part, area);
    PaintSection(painter, scale, content.part);
    PaintOverlays(painter, area, scale, content);
    painter.setClipping(false);
    PaintDimensions(painter, scale, content.part);
    PaintTitleBlock(painter, area, content);
    painter.restore();
}
