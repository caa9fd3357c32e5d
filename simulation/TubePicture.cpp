#include "simulation/TubePicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// The drawing, in pixels: the tube's axis runs left to right at kAxisY and
// its right end face is an ellipse seen slightly from the side.
constexpr int kAxisY = 75;
constexpr int kLeft = 20;
constexpr int kRight = 190;
constexpr int kOuter = 55;    // outer radius
constexpr int kBore = 30;     // bore radius
constexpr int kFaceHalf = 24; // half width of the end face's ellipse
const QColor kMetal(0xB8, 0xC0, 0xC8);
const QColor kInk(0x30, 0x30, 0x30);

} // namespace

CTubePicture::CTubePicture(QWidget* parent) : QWidget(parent)
{
    setObjectName("tubePicture");
    setFixedSize(sizeHint());
}

QRect CTubePicture::boreField() const { return {kRight - 22, kAxisY - 11, 44, 22}; }

void CTubePicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().window());
    QLinearGradient shade(0, kAxisY - kOuter, 0, kAxisY + kOuter);
    shade.setColorAt(0.0, kMetal.darker(140));
    shade.setColorAt(0.3, kMetal.lighter(120));
    shade.setColorAt(1.0, kMetal.darker(160));
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(shade);
    // The body: the far end's ellipse, the two outlines and the near end.
    QPainterPath body;
    body.moveTo(kLeft, kAxisY - kOuter);
    body.lineTo(kRight, kAxisY - kOuter);
    body.arcTo(kRight - kFaceHalf, kAxisY - kOuter, 2 * kFaceHalf, 2 * kOuter, 90, -180);
    body.lineTo(kLeft, kAxisY + kOuter);
    body.arcTo(kLeft - kFaceHalf, kAxisY - kOuter, 2 * kFaceHalf, 2 * kOuter, 270, -180);
    p.drawPath(body);
    p.setBrush(kMetal);
    p.drawEllipse(QPoint(kRight, kAxisY), kFaceHalf, kOuter);
    // The bore, dark, with the diameter marked across it.
    p.setBrush(kInk.lighter(150));
    p.drawEllipse(QPoint(kRight, kAxisY), kFaceHalf * kBore / kOuter, kBore);
    QPen mark(Qt::red, 1.0, Qt::DashLine);
    p.setPen(mark);
    p.drawLine(kRight, kAxisY - kBore, kRight + 50, kAxisY - kBore);
    p.drawLine(kRight, kAxisY + kBore, kRight + 50, kAxisY + kBore);
    p.drawLine(kRight + 45, kAxisY - kBore, kRight + 45, kAxisY + kBore);
    p.setPen(QPen(kInk, 1.0, Qt::DashDotLine));
    p.drawLine(kLeft - kFaceHalf - 6, kAxisY, kRight - 24, kAxisY);
}
