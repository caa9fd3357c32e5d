#include "panel/PanelArtwork.h"

#include "panel/PanelPaint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

using namespace panel_paint;

namespace {

struct SFaceContext {
    QPainter& p;
    const SPanelKey& key;
    QRectF box;      // the whole face
    bool pressed;
};

// A square key cap: a dark gap around a rounded cap with a soft gradient.
// Pressed caps are darker, flatter and sit one pixel lower.
QRectF Cap(SFaceContext& f, const QColor& top, const QColor& bottom, double radius = 4)
{
    QPainter& p = f.p;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x15, 0x17, 0x1a));
    p.drawRoundedRect(f.box.adjusted(0.5, 0.5, -0.5, -0.5), radius + 1, radius + 1);
    QRectF cap = f.box.adjusted(1.5, 1.5, -1.5, -2.5);
    if (f.pressed)
        cap.translate(0, 1);
    QLinearGradient g(cap.topLeft(), cap.bottomLeft());
    g.setColorAt(0, f.pressed ? top.darker(125) : top.lighter(108));
    g.setColorAt(1, f.pressed ? bottom.darker(118) : bottom);
    p.setBrush(g);
    p.drawRoundedRect(cap, radius, radius);
    if (!f.pressed) {
        p.setPen(QPen(QColor(255, 255, 255, 110), 1));
        p.drawLine(cap.topLeft() + QPointF(radius, 0.5), cap.topRight() + QPointF(-radius, 0.5));
    }
    return cap;
}

void KeypadFace(SFaceContext& f)
{
    const QRectF cap = Cap(f, QColor(0xee, 0xef, 0xf1), QColor(0xc4, 0xc8, 0xce));
    const QString first = QString::fromUtf8(f.key.legend);
    const QString second = QString::fromUtf8(f.key.subLegend);
    const double mainSize = first.size() > 1 ? 9.5 : 15;
    Legend(f.p, QRectF(cap.left() + 1, cap.top() + 1, cap.width() * 0.62, cap.height() * 0.62),
           first, QColor(0x16, 0x19, 0x1d), mainSize);
    Legend(f.p, QRectF(cap.center().x() - 1, cap.center().y() + 1, cap.width() / 2, cap.height() / 2 - 2),
           second, QColor(0x1d, 0x4f, 0xa3), second.size() > 1 ? 8 : 10.5);
}

QColor FunctionLegendColour(int id)
{
    if (id == 173)
        return QColor(0xff, 0x8a, 0x7a);   // RESET
    if (id == 132)
        return QColor(0xff, 0xd0, 0x5a);   // SHIFT
    return QColor(0xf2, 0xf4, 0xf7);
}

void FunctionFace(SFaceContext& f)
{
    const QRectF cap = Cap(f, QColor(0x5c, 0x64, 0x6e), QColor(0x3a, 0x40, 0x47));
    const QString legend = QString::fromUtf8(f.key.legend);
    const bool arrowOnly = legend.size() == 1;
    const double size = arrowOnly ? 12 : legend.contains('\n') ? 7.5 : legend.size() > 5 ? 7 : 8.5;
    Legend(f.p, cap, legend, FunctionLegendColour(f.key.id), size);
}

void SoftFace(SFaceContext& f)
{
    const QRectF cap = Cap(f, QColor(0x9a, 0xa1, 0xaa), QColor(0x6c, 0x73, 0x7c), 3);
    const QColor ink(0x1b, 0x1e, 0x22);
    if (f.key.style == EKeyStyle::SoftArrowBack)
        Arrow(f.p, cap.center(), 10, EArrow::Left, ink);
    else if (f.key.style == EKeyStyle::SoftArrowNext)
        Arrow(f.p, cap.center(), 10, EArrow::Right, ink);
}

// A machine push button: a dark square bezel around a coloured, glossy cap
// that lights up while pressed.
void MachineButton(SFaceContext& f, const QColor& colour)
{
    QPainter& p = f.p;
    p.setPen(Qt::NoPen);
    QLinearGradient bezel(f.box.topLeft(), f.box.bottomLeft());
    bezel.setColorAt(0, QColor(0x4a, 0x4f, 0x56));
    bezel.setColorAt(1, QColor(0x1c, 0x1f, 0x23));
    p.setBrush(bezel);
    p.drawRoundedRect(f.box.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    QRectF cap = f.box.adjusted(3.5, 3.5, -3.5, -3.5);
    if (f.pressed)
        cap.translate(0, 1);
    QLinearGradient g(cap.topLeft(), cap.bottomLeft());
    const QColor lit = f.pressed ? colour.lighter(135) : colour;
    g.setColorAt(0, lit.lighter(130));
    g.setColorAt(0.5, lit);
    g.setColorAt(1, lit.darker(135));
    p.setBrush(g);
    p.drawRoundedRect(cap, 2.5, 2.5);
    p.setBrush(QColor(255, 255, 255, f.pressed ? 120 : 70));
    p.drawRoundedRect(QRectF(cap.left() + 2, cap.top() + 1.5, cap.width() - 4, cap.height() * 0.35), 2, 2);
}

void KeySwitchFace(SFaceContext& f)
{
    QPainter& p = f.p;
    MachineButton(f, QColor(0x3a, 0x3e, 0x44));
    const QPointF c = f.box.center();
    const double r = f.box.height() / 2 - 3;
    QRadialGradient chrome(c - QPointF(r * 0.4, r * 0.4), r * 1.6);
    chrome.setColorAt(0, QColor(0xfa, 0xfa, 0xfa));
    chrome.setColorAt(1, QColor(0x7a, 0x80, 0x88));
    p.setBrush(chrome);
    p.setPen(QPen(QColor(0x30, 0x33, 0x37), 0.8));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(0x1a, 0x1c, 0x1f), 2.2, Qt::SolidLine, Qt::RoundCap));
    const double s = r * 0.6;
    if (f.pressed)
        p.drawLine(c - QPointF(s, 0), c + QPointF(s, 0));
    else
        p.drawLine(c - QPointF(0, s), c + QPointF(0, s));
}

void ModeIconFace(SFaceContext& f)
{
    QPainter& p = f.p;
    const QRectF cap = Cap(f, QColor(0xf3, 0xf3, 0xee), QColor(0xcf, 0xd0, 0xc8), 3);
    const QColor ink(0x1f, 0x3f, 0x86);
    const QPointF c = cap.center();
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    if (f.key.style == EKeyStyle::ModeJog) {
        // A hand wheel with arrows both ways.
        p.drawEllipse(c, 6.5, 6.5);
        p.setBrush(ink);
        p.drawEllipse(c + QPointF(3, -3), 1.8, 1.8);
        Arrow(p, c + QPointF(-11.5, 0), 5, EArrow::Left, ink);
        Arrow(p, c + QPointF(11.5, 0), 5, EArrow::Right, ink);
    } else {
        // A house over the reference mark.
        QPainterPath house;
        house.moveTo(c + QPointF(-7, -1));
        house.lineTo(c + QPointF(0, -8));
        house.lineTo(c + QPointF(7, -1));
        house.moveTo(c + QPointF(-5, -2.5));
        house.lineTo(c + QPointF(-5, 7));
        house.lineTo(c + QPointF(5, 7));
        house.lineTo(c + QPointF(5, -2.5));
        p.drawPath(house);
        p.drawEllipse(c + QPointF(0, 2.5), 2.2, 2.2);
    }
}

void JogFace(SFaceContext& f)
{
    const QRectF cap = Cap(f, QColor(0xe6, 0xe8, 0xeb), QColor(0xb4, 0xb9, 0xc0), 3);
    static constexpr struct { int id; EArrow arrow; } kArrows[] = {
        {136, EArrow::Up}, {135, EArrow::Down}, {134, EArrow::Left}, {133, EArrow::Right},
    };
    EArrow arrow = EArrow::Up;
    for (const auto& a : kArrows)
        if (a.id == f.key.id)
            arrow = a.arrow;
    const QColor ink(0x16, 0x19, 0x1d);
    Arrow(f.p, QPointF(cap.left() + 8, cap.center().y()), 8, arrow, ink);
    Legend(f.p, QRectF(cap.left() + 12, cap.top(), cap.width() - 12, cap.height()),
           QString::fromUtf8(f.key.legend), ink, 10);
}

void RapidFace(SFaceContext& f)
{
    const QRectF cap = Cap(f, QColor(0xff, 0xb0, 0x3b), QColor(0xd9, 0x7a, 0x06), 3);
    const QColor ink(0x2a, 0x1a, 0x05);
    Arrow(f.p, cap.center() - QPointF(4, 0), 9, EArrow::Right, ink);
    Arrow(f.p, cap.center() + QPointF(4, 0), 9, EArrow::Right, ink);
}

void EmergencyFace(SFaceContext& f)
{
    QPainter& p = f.p;
    const QPointF c = f.box.center();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(c + QPointF(1.5, 2.5), 37, 37);
    p.setBrush(QColor(0x2a, 0x2a, 0x2a));
    p.drawEllipse(c, 37, 37);
    const double r = f.pressed ? 31 : 34;
    QRadialGradient red(c - QPointF(r * 0.35, r * 0.4), r * 1.3);
    red.setColorAt(0, f.pressed ? QColor(0xd8, 0x3a, 0x2c) : QColor(0xff, 0x7a, 0x62));
    red.setColorAt(0.55, QColor(0xd0, 0x1e, 0x12));
    red.setColorAt(1, QColor(0x6e, 0x08, 0x04));
    p.setBrush(red);
    p.drawEllipse(c, r, r);
    if (!f.pressed) {
        p.setBrush(QColor(255, 255, 255, 60));
        p.drawEllipse(c - QPointF(r * 0.3, r * 0.42), r * 0.42, r * 0.22);
    }
}

using FacePainter = void (*)(SFaceContext&);

FacePainter PainterFor(EKeyStyle style)
{
    static constexpr std::array<std::pair<EKeyStyle, FacePainter>, 13> kPainters = {{
        {EKeyStyle::SoftArrowBack, SoftFace},
        {EKeyStyle::SoftArrowNext, SoftFace},
        {EKeyStyle::Soft, SoftFace},
        {EKeyStyle::Keypad, KeypadFace},
        {EKeyStyle::Function, FunctionFace},
        {EKeyStyle::MachineGreen, [](SFaceContext& f) { MachineButton(f, QColor(0x1f, 0x9d, 0x3f)); }},
        {EKeyStyle::MachineRed, [](SFaceContext& f) { MachineButton(f, QColor(0xcc, 0x2a, 0x1f)); }},
        {EKeyStyle::KeySwitch, KeySwitchFace},
        {EKeyStyle::ModeJog, ModeIconFace},
        {EKeyStyle::ModeReference, ModeIconFace},
        {EKeyStyle::JogAxis, JogFace},
        {EKeyStyle::Rapid, RapidFace},
        {EKeyStyle::EmergencyStop, EmergencyFace},
    }};
    for (const auto& [s, painter] : kPainters)
        if (s == style)
            return painter;
    return SoftFace;
}

} // namespace

namespace panel_art {

QPixmap KeyFace(const SPanelKey& key, bool pressed)
{
    QPixmap face(key.rect.Width(), key.rect.Height());
    face.fill(Qt::transparent);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    SFaceContext context{p, key, QRectF(0, 0, key.rect.Width(), key.rect.Height()), pressed};
    PainterFor(key.style)(context);
    return face;
}

} // namespace panel_art
