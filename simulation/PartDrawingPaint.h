#pragma once
// Paints the part drawing with any QPainter: the pane, an SVG or PDF file
// and the printer all get the same picture.
#include "simulation/PartProfile.h"

#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

struct SPartDrawingContent {
    SPartProfile part;
    std::vector<SPartPoint> programmed; // drawn only when showProgrammed
    bool showProgrammed = true;
    bool showStock = true;
    // Printed in a title block when not empty.
    QString programName, stockText, dateText;
};

// Where the part's millimetres land in an area of the paint device.
class CPartDrawingScale {
public:
    CPartDrawingScale(const SPartProfile& part, const QRectF& area);
    QPointF ToPaint(SPartPoint p) const;
    SPartPoint ToPart(QPointF p) const;
    double PixelsPerMm() const { return m_scale; }

private:
    double m_scale = 1.0;
    double m_zLeft = 0.0;
    QPointF m_axisLeft;
};

// The part's colours, so that a reading of an exported file can find them.
namespace part_drawing {
inline constexpr unsigned kOutlineRgb = 0x000000;
inline constexpr unsigned kProgrammedRgb = 0x1565c0;
inline constexpr unsigned kSectionRgb = 0xe8e4d8;
} // namespace part_drawing

void PaintPartDrawing(QPainter& painter, const QRectF& area, const SPartDrawingContent& content);
