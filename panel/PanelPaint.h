#pragma once
// Small drawing helpers shared by the cabinet artwork and the key faces.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace panel_paint {

// Latin legends in Liberation Sans, Chinese ones from the CJK font.
QFont Font(double pixelSize, bool bold = true);

enum class EArrow { Up, Down, Left, Right };
void Arrow(QPainter& p, QPointF centre, double size, EArrow direction, const QColor& colour);

// Text centred in a box; lines that are a lone arrow sign are drawn as arrows.
void Legend(QPainter& p, const QRectF& box, const QString& text, const QColor& colour,
            double pixelSize, bool bold = true);

void Screw(QPainter& p, QPointF centre, double radius = 4.0);

// Brushed metal: a soft vertical gradient with faint horizontal grain.
void BrushedMetal(QPainter& p, const QRectF& area, const QColor& top, const QColor& bottom,
                  unsigned seed);

// A recessed plate: dark fill, shadow at the top-left edge and light at the
// bottom-right, as if pressed into the metal.
void RecessedPlate(QPainter& p, const QRectF& area, double radius, const QColor& fill);

} // namespace panel_paint
