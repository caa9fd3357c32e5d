#pragma once
// The cabinet's pictures, painted at start-up: the upper face (screen frame
// and keypad plate), the lower face (machine keys' legends, emergency-stop
// plate, dials and hand wheel) and every key's up and pressed face; and the
// parts that change, which the panel draws over them.
#include "panel/PanelKeys.h"

#include <QPainter>
#include <QPixmap>

namespace panel_art {
QPixmap UpperArtwork();   // 653 x 332
QPixmap LowerArtwork();   // 653 x 345
QPixmap KeyFace(const SPanelKey& key, bool pressed);
// The screen's word for how the program's X reads, 直径 or 半径, painted
// live over the upper picture in its coordinates.
void ProgrammingModeWord(QPainter& p, bool diameter);

// A dial's pointer over its cap; degrees anticlockwise from three o'clock.
void DialPointer(QPainter& p, QPointF centre, double radius, double degrees);
// The screen's machining times, in a box of the time line's size.
void TimeLine(QPainter& p, const QRectF& box, const QString& runTime, const QString& cycleTime);
} // namespace panel_art
