#include "editor/DuiDaoPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// The drawing, in pixels of the picture.
constexpr QSize kSize{300, 220};
constexpr int kAxisY = 118;
constexpr int kStockLeft = 78;
constexpr int kStockRight = 232;
constexpr int kStockRadius = 52;
constexpr int kFaceHalfWidth = 12; // the end face seen slightly from the side
constexpr int kChuckLeft = 14;
constexpr int kChuckRadius = 82;
constexpr int kJawLength = 26;

const QColor kInk(0x20, 0x20, 0x20);
const QColor kMark(0xC0, 0x10, 0x10);

QLinearGradient RoundShade(int top, int bottom, QColor light, QColor dark)
{
    QLinearGradient shade(0, top, 0, bottom);
    shade.setColorAt(0.0, dark);
    shade.setColorAt(0.3, light);
    shade.setColorAt(1.0, dark.darker(130));
    return shade;
}

void DrawCentreLine(QPainter& p)
{
    QPen pen(kInk, 1, Qt::DashDotLine);
    p.setPen(pen);
    p.drawLine(4, kAxisY, kSize.width() - 20, kAxisY);
}

void DrawChuck(QPainter& p)
{
    const int top = kAxisY - kChuckRadius;
    const int bottom = kAxisY + kChuckRadius;
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(RoundShade(top, bottom, QColor(0x9A, 0x9A, 0x9A), QColor(0x50, 0x50, 0x50)));
    p.drawRect(QRect(kChuckLeft, top, kStockLeft - kJawLength - kChuckLeft, bottom - top));
    // Two jaws gripping the bar from above and below.
    const int jawLeft = kStockLeft - kJawLength;
    const int jawHeight = 22;
    p.setBrush(QColor(0x6E, 0x6E, 0x6E));
    p.drawRect(QRect(jawLeft, kAxisY - kStockRadius - jawHeight, kJawLength + 10, jawHeight));
    p.drawRect(QRect(jawLeft, kAxisY + kStockRadius, kJawLength + 10, jawHeight));
}

void DrawStock(QPainter& p)
{
    const int top = kAxisY - kStockRadius;
    const int bottom = kAxisY + kStockRadius;
    QPainterPath body;
    body.moveTo(kStockLeft, top);
    body.lineTo(kStockRight, top);
    body.arcTo(kStockRight - kFaceHalfWidth, top, 2 * kFaceHalfWidth, bottom - top, 90, -180);
    body.lineTo(kStockLeft, bottom);
    body.closeSubpath();
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(RoundShade(top, bottom, QColor(0xF2, 0xF2, 0xF2), QColor(0x8C, 0x8C, 0x8C)));
    p.drawPath(body);
    // The end face as seen from the right.
    p.setBrush(QColor(0xDA, 0xDA, 0xDA));
    p.drawEllipse(QRect(kStockRight - kFaceHalfWidth, top, 2 * kFaceHalfWidth, bottom - top));
}

void DrawMark(QPainter& p, QPoint at)
{
    p.setPen(QPen(kInk, 1));
    p.drawLine(at, QPoint(kSize.width() - 1, at.y()));
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(kMark);
    p.drawEllipse(at, 5, 5);
    p.setPen(QPen(kMark, 1));
    p.drawLine(at + QPoint(-10, 0), at + QPoint(-6, 0));
    p.drawLine(at + QPoint(0, -10), at + QPoint(0, -6));
    p.drawLine(at + QPoint(0, 6), at + QPoint(0, 10));
}

} // namespace

CDuiDaoPicture::CDuiDaoPicture(QWidget* parent) : QWidget(parent)
{
    setObjectName("touchPointPicture");
    setFixedSize(kSize);
}

QPoint CDuiDaoPicture::touchPoint(int index) const
{
    return index == 0 ? QPoint(kStockRight, kAxisY - kStockRadius)
                      : QPoint(kStockRight, kAxisY);
}

void CDuiDaoPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    DrawChuck(p);
    DrawStock(p);
    DrawCentreLine(p);
    for (int i = 0; i < kPoints; ++i)
        DrawMark(p, touchPoint(i));
}
