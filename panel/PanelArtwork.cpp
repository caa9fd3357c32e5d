#include "panel/PanelArtwork.h"

#include "panel/FeedDialRules.h"
#include "panel/PanelPaint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

using namespace panel_paint;

namespace {

// The artwork is painted in its own coordinates; the panel places the upper
// picture at (2, 0) and the lower one at (2, 328).
constexpr QPointF kUpperOrigin(2, 0);
constexpr QPointF kLowerOrigin(2, 328);

const QColor kMetalTop(0xd6, 0xd9, 0xdd);
const QColor kMetalBottom(0xbd, 0xc1, 0xc7);
const QColor kInk(0x1e, 0x22, 0x27);
const QColor kScreenText(0x7f, 0xd8, 0xff);
const QColor kScreenDim(0x58, 0x86, 0x9c);

QRectF Local(const SPixRect& r, QPointF origin)
{
    return QRectF(r.left - origin.x(), r.top - origin.y(), r.Width(), r.Height());
}

QPixmap Blank(int w, int h)
{
    QPixmap pixmap(w, h);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void ScreenBezel(QPainter& p)
{
    const QRectF bezel(8, 6, 368, 321);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(bezel.translated(2, 2), 9, 9);
    QLinearGradient g(bezel.topLeft(), bezel.bottomLeft());
    g.setColorAt(0, QColor(0x3a, 0x3f, 0x46));
    g.setColorAt(1, QColor(0x22, 0x25, 0x2a));
    p.setBrush(g);
    p.setPen(QPen(QColor(0x12, 0x14, 0x17), 1));
    p.drawRoundedRect(bezel, 9, 9);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.drawRoundedRect(bezel.adjusted(1.5, 1.5, -1.5, -1.5), 8, 8);
    p.setFont(Font(8));
    p.setPen(QColor(0xb8, 0xbd, 0xc4));
    p.drawText(QRectF(20, 6, 200, 12), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("VELMORA  CNC  LATHE  CONTROL"));
    p.setPen(QColor(0x6b, 0xd1, 0x6b));
    p.setBrush(QColor(0x3c, 0xe0, 0x4a));
    p.drawEllipse(QPointF(362, 12), 2.5, 2.5);
}

void ScreenContent(QPainter& p)
{
    const QRectF lcd(20, 18, 344, 276);
    p.setPen(QPen(QColor(0x0c, 0x0e, 0x10), 2));
    QRadialGradient glow(lcd.center(), lcd.width() * 0.7);
    glow.setColorAt(0, QColor(0x10, 0x23, 0x33));
    glow.setColorAt(1, QColor(0x05, 0x0c, 0x14));
    p.setBrush(glow);
    p.drawRect(lcd);
    p.setPen(QColor(255, 255, 255, 8));
    for (double y = lcd.top() + 2; y < lcd.bottom(); y += 3)
        p.drawLine(QPointF(lcd.left() + 1, y), QPointF(lcd.right() - 1, y));

    p.setFont(Font(12));
    p.setPen(kScreenText);
    p.drawText(QRectF(30, 22, 160, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("现在位置"));
    p.drawText(QRectF(200, 22, 156, 18), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("O0001  N00001"));
    p.setPen(QPen(kScreenDim, 1));
    p.drawLine(QPointF(26, 44), QPointF(358, 44));
    // The three displays sit here; a thin frame keeps them in one block.
    p.drawRect(QRectF(Local(panel_layout::kClockLabel, kUpperOrigin).adjusted(-6, -8, 6, 0))
                   .united(Local(panel_layout::kZLabel, kUpperOrigin).adjusted(-6, 0, 6, 8)));

    // The time line above this one changes while the run goes on: the panel
    // draws it live over the picture.
    p.setFont(Font(10.5, false));
    p.setPen(kScreenDim.lighter(130));
    p.drawText(QRectF(30, 228, 330, 14), Qt::AlignLeft, QStringLiteral("ACT.F    0 MM/MIN        S   0    T0101"));
    p.setPen(QPen(kScreenDim, 1));
    p.drawLine(QPointF(26, 248), QPointF(358, 248));
    p.setPen(kScreenText);
    p.drawText(QRectF(30, 252, 330, 14), Qt::AlignLeft, QStringLiteral("JOG  ****  ***  ***"));
}

void SoftKeyCaptions(QPainter& p)
{
    for (const SPanelKey& key : PanelKeys()) {
        if (key.rect.top != 300)
            continue;
        const QRectF box(key.rect.left - kUpperOrigin.x() - 3, 272, key.rect.Width() + 6, 18);
        p.setPen(QPen(kScreenDim, 1));
        p.setBrush(QColor(0x0d, 0x2a, 0x40));
        p.drawRect(box);
        if (key.style == EKeyStyle::SoftArrowBack)
            Arrow(p, box.center(), 9, EArrow::Left, kScreenText);
        else if (key.style == EKeyStyle::SoftArrowNext)
            Arrow(p, box.center(), 9, EArrow::Right, kScreenText);
        else
            Legend(p, box, QString::fromUtf8(key.legend), QColor(0xe8, 0xf4, 0xff), 11);
    }
}

void KeypadPlate(QPainter& p)
{
    RecessedPlate(p, QRectF(402, 24, 222, 299), 7, QColor(0x3a, 0x40, 0x48));
    p.setFont(Font(8));
    p.setPen(QColor(0x4a, 0x50, 0x58));
    p.drawText(QRectF(402, 8, 222, 14), Qt::AlignCenter, QStringLiteral("MDI  KEYBOARD"));
}

// Legends above the machine keys, in the lower picture's coordinates.
void MachineLegend(QPainter& p, const SPanelKey& key)
{
    const QRectF keyBox = Local(key.rect, kLowerOrigin);
    const QRectF above(keyBox.left() - 14, keyBox.top() - 14, keyBox.width() + 28, 12);
    const QString legend = QString::fromUtf8(key.legend);
    if (legend == QStringLiteral("<stop>")) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kInk, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(above.center(), 5, 5);
        p.fillRect(QRectF(above.center().x() - 2, above.center().y() - 2, 4, 4), kInk);
        p.restore();
    } else if (legend == QStringLiteral("<cycle>")) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kInk, 1.4));
        p.drawArc(QRectF(above.center().x() - 5, above.center().y() - 5, 10, 10), 60 * 16, 300 * 16);
        Arrow(p, above.center() + QPointF(3.5, -4.5), 5, EArrow::Right, kInk);
        p.restore();
    } else if (!legend.isEmpty()) {
        Legend(p, above, legend, kInk, 9);
    }
}

void EmergencyPlate(QPainter& p)
{
    const QRectF plate(9, 20, 107, 120);
    p.setPen(QPen(QColor(0x8a, 0x6d, 0x00), 1));
    QLinearGradient g(plate.topLeft(), plate.bottomLeft());
    g.setColorAt(0, QColor(0xff, 0xd7, 0x2a));
    g.setColorAt(1, QColor(0xe8, 0xb4, 0x00));
    p.setBrush(g);
    p.drawRoundedRect(plate, 6, 6);
    Legend(p, QRectF(9, 22, 107, 16), QStringLiteral("急  停"), kInk, 12);
    Legend(p, QRectF(9, 124, 107, 14), QStringLiteral("EMERGENCY STOP"), kInk, 8);
}

// A dial without its pointer: the pointer of a dial that turns is drawn
// live over the picture.
void Dial(QPainter& p, QPointF c, double r, const QString& title, const QStringList& marks)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    Legend(p, QRectF(c.x() - 60, c.y() - r - 26, 120, 12), title, kInk, 10);
    const double sweepStart = feed_dial::kSweepStartDegrees, sweep = feed_dial::kSweepDegrees;
    for (int i = 0; i < marks.size(); ++i) {
        const double a = (sweepStart - sweep * i / (marks.size() - 1)) * std::numbers::pi / 180.0;
        const QPointF dir(std::cos(a), -std::sin(a));
        p.setPen(QPen(kInk, 1.2));
        p.drawLine(c + dir * (r + 2), c + dir * (r + 6));
        Legend(p, QRectF(c + dir * (r + 14) - QPointF(16, 6), QSizeF(32, 12)), marks[i], kInk, 8);
    }
    QRadialGradient skirt(c - QPointF(r * 0.3, r * 0.3), r * 1.4);
    skirt.setColorAt(0, QColor(0x6b, 0x72, 0x7b));
    skirt.setColorAt(1, QColor(0x1d, 0x20, 0x24));
    p.setPen(QPen(QColor(0x10, 0x12, 0x14), 1));
    p.setBrush(skirt);
    p.drawEllipse(c, r, r);
    QRadialGradient cap(c - QPointF(r * 0.2, r * 0.25), r);
    cap.setColorAt(0, QColor(0x4a, 0x50, 0x58));
    cap.setColorAt(1, QColor(0x16, 0x18, 0x1b));
    p.setBrush(cap);
    p.drawEllipse(c, r * 0.62, r * 0.62);
    p.restore();
}

void HandWheel(QPainter& p, QPointF c, double r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient rim(c, r);
    rim.setColorAt(0.80, QColor(0xe3, 0xe5, 0xe8));
    rim.setColorAt(0.95, QColor(0x9a, 0xa0, 0xa8));
    rim.setColorAt(1.0, QColor(0x5e, 0x63, 0x6a));
    p.setPen(QPen(QColor(0x3a, 0x3e, 0x44), 1));
    p.setBrush(rim);
    p.drawEllipse(c, r, r);
    p.setFont(Font(7));
    for (int i = 0; i < 100; ++i) {
        const double a = (90.0 - 3.6 * i) * std::numbers::pi / 180.0;
        const QPointF dir(std::cos(a), -std::sin(a));
        const double inner = i % 10 == 0 ? r - 9 : i % 5 == 0 ? r - 7 : r - 5;
        p.setPen(QPen(kInk, i % 10 == 0 ? 1.2 : 0.7));
        p.drawLine(c + dir * inner, c + dir * (r - 2));
        if (i % 10 == 0)
            Legend(p, QRectF(c + dir * (r - 15) - QPointF(8, 5), QSizeF(16, 10)),
                   QString::number(i), kInk, 7);
    }
    QRadialGradient disc(c - QPointF(r * 0.25, r * 0.25), r * 0.8);
    disc.setColorAt(0, QColor(0x50, 0x57, 0x60));
    disc.setColorAt(1, QColor(0x1a, 0x1d, 0x21));
    p.setBrush(disc);
    p.setPen(QPen(QColor(0x0e, 0x10, 0x12), 1));
    p.drawEllipse(c, r * 0.58, r * 0.58);
    const QPointF knob = c + QPointF(r * 0.38, -r * 0.30);
    QRadialGradient knobShade(knob - QPointF(2, 2), 8);
    knobShade.setColorAt(0, QColor(0xff, 0x6a, 0x4a));
    knobShade.setColorAt(1, QColor(0x8e, 0x12, 0x08));
    p.setBrush(knobShade);
    p.drawEllipse(knob, 7, 7);
    Legend(p, QRectF(c.x() - 20, c.y() + 6, 40, 12), QStringLiteral("MPG"), QColor(0xc8, 0xcc, 0xd2), 8);
    p.restore();
}

void GroupFrame(QPainter& p, const QRectF& box, const QString& title)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x6e, 0x74, 0x7c), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box, 5, 5);
    p.setPen(QPen(QColor(255, 255, 255, 140), 1));
    p.drawRoundedRect(box.translated(1, 1), 5, 5);
    p.setFont(Font(9));
    const double w = p.fontMetrics().horizontalAdvance(title) + 10;
    const QRectF tab(box.left() + 10, box.top() - 6, w, 12);
    p.fillRect(tab, kMetalBottom.lighter(104));
    p.setPen(QColor(0x44, 0x4a, 0x52));
    p.drawText(tab, Qt::AlignCenter, title);
    p.restore();
}

void NamePlate(QPainter& p)
{
    const QRectF plate(210, 312, 240, 24);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x2a, 0x2e, 0x33), 1));
    p.setBrush(QColor(0x2f, 0x34, 0x3a));
    p.drawRoundedRect(plate, 4, 4);
    Legend(p, plate, QStringLiteral("VELMORA  ·  数控车床操作面板"), QColor(0xd8, 0xdc, 0xe1), 10.5);
}

} // namespace

namespace panel_art {

void ProgrammingModeWord(QPainter& p, bool diameter)
{
    p.setFont(Font(10.5, false));
    p.setPen(kScreenText);
    p.drawText(QRectF(110, 22, 80, 18), Qt::AlignLeft | Qt::AlignVCenter,
               diameter ? QStringLiteral("直径编程") : QStringLiteral("半径编程"));
}

void DialPointer(QPainter& p, QPointF c, double r, double degrees)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double a = degrees * std::numbers::pi / 180.0;
    const QPointF dir(std::cos(a), -std::sin(a));
    p.setPen(QPen(QColor(0xf2, 0xf2, 0xf2), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + dir * (r * 0.25), c + dir * (r * 0.92));
    p.restore();
}

void TimeLine(QPainter& p, const QRectF& box, const QString& runTime, const QString& cycleTime)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(Font(10.5, false));
    p.setPen(kScreenDim.lighter(130));
    p.drawText(box, Qt::AlignLeft, QStringLiteral("运行时间      ") + runTime);
    // 循环时间 keeps its place however wide the running time grows.
    const double cycleAt = p.fontMetrics().horizontalAdvance(QStringLiteral("运行时间      0H 0M      "));
    p.drawText(box.adjusted(cycleAt, 0, 0, 0), Qt::AlignLeft, QStringLiteral("循环时间     ") + cycleTime);
    p.restore();
}

QPixmap UpperArtwork()
{
    QPixmap pixmap = Blank(653, 332);
    QPainter p(&pixmap);
    BrushedMetal(p, QRectF(0, 0, 653, 332), kMetalTop, kMetalBottom, 7u);
    p.setRenderHint(QPainter::Antialiasing);
    ScreenBezel(p);
    ScreenContent(p);
    SoftKeyCaptions(p);
    KeypadPlate(p);
    for (QPointF at : {QPointF(391, 14), QPointF(640, 14), QPointF(640, 318), QPointF(391, 318)})
        Screw(p, at);
    return pixmap;
}

QPixmap LowerArtwork()
{
    QPixmap pixmap = Blank(653, 345);
    QPainter p(&pixmap);
    BrushedMetal(p, QRectF(0, 0, 653, 345), kMetalBottom.lighter(104), kMetalBottom.darker(108), 11u);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawLine(QPointF(0, 0.5), QPointF(653, 0.5));
    p.setPen(QColor(255, 255, 255, 160));
    p.drawLine(QPointF(0, 1.5), QPointF(653, 1.5));
    EmergencyPlate(p);
    Dial(p, QPointF(200, 82), 34, QStringLiteral("方式选择 MODE"),
         {QStringLiteral("EDIT"), QStringLiteral("AUTO"), QStringLiteral("MDI"),
          QStringLiteral("JOG"), QStringLiteral("ZRN"), QStringLiteral("HND")});
    panel_art::DialPointer(p, QPointF(200, 82), 34, 135);
    Dial(p, QPointF(feed_dial::kCentreX, feed_dial::kCentreY) - kLowerOrigin, feed_dial::kRadius,
         QStringLiteral("进给倍率 %"),
         {QStringLiteral("0"), QStringLiteral("30"), QStringLiteral("60"), QStringLiteral("90"),
          QStringLiteral("120"), QStringLiteral("150")});
    HandWheel(p, QPointF(553, 82), 56);
    GroupFrame(p, QRectF(36, 144, 64, 158), QStringLiteral("电源"));
    GroupFrame(p, QRectF(134, 144, 146, 158), QStringLiteral("程序控制"));
    GroupFrame(p, QRectF(290, 144, 152, 158), QStringLiteral("主轴 / 冷却"));
    GroupFrame(p, QRectF(462, 144, 150, 158), QStringLiteral("手动进给"));
    for (const SPanelKey& key : PanelKeys())
        if (key.rect.top >= 480)
            MachineLegend(p, key);
    NamePlate(p);
    for (QPointF at : {QPointF(14, 326), QPointF(638, 326), QPointF(638, 14), QPointF(130, 14)})
        Screw(p, at);
    return pixmap;
}

} // namespace panel_art
