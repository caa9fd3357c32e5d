#include "panel/Label.h"

#include <algorithm>

#include "platform/Shell.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace {

QColor ToQColor(SRgb c) { return QColor(c.r, c.g, c.b); }
SRgb ToRgb(const QColor& c)
{
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

// Flashing is a blink the eye can follow, whichever kind it is.
constexpr int kFlashPeriodMs = 500;

Qt::Alignment ToQtAlignment(const STextLayout& layout)
{
    Qt::Alignment align = layout.align == EHAlign::Right    ? Qt::AlignRight
                          : layout.align == EHAlign::Centre ? Qt::AlignHCenter
                                                            : Qt::AlignLeft;
    return align | (layout.verticalCentre ? Qt::AlignVCenter : Qt::AlignTop);
}

} // namespace

CLabel::CLabel(int controlId, QWidget* parent) : QFrame(parent), m_controlId(controlId)
{
    m_face = FaceColour();
    RebuildFont();
    connect(&m_flashTimer, &QTimer::timeout, this, [this] {
        m_look.flashPhase = m_look.flashPhase == 0 ? 1 : 0;
        update();
    });
}

SRgb CLabel::FaceColour() const { return ToRgb(palette().color(QPalette::Button)); }

QColor CLabel::BkColor() const { return ToQColor(LabelFillColour(m_look, m_face)); }
QColor CLabel::TextColor() const { return ToQColor(m_look.text); }

void CLabel::Redraw() { update(); }

void CLabel::RebuildFont()
{
    QFont font = QApplication::font();
    if (!m_fontDesc.face.empty())
        font.setFamily(QString::fromStdString(m_fontDesc.face));
    const double points = m_fontDesc.pointSize > 0 ? m_fontDesc.pointSize : font.pointSizeF();
    if (points > 0)
        font.setPointSizeF(std::max(1.0, points * m_fontScale));
    font.setWeight(static_cast<QFont::Weight>(m_fontDesc.weight));
    font.setItalic(m_fontDesc.italic);
    font.setUnderline(m_fontDesc.underline);
    m_font = font;
    Redraw();
}

void CLabel::SetFontScale(double scale)
{
    m_fontScale = scale;
    RebuildFont();
}

CLabel& CLabel::SetBkColor(const QColor& colour)
{
    m_look.hasBackground = true;
    m_look.background = ToRgb(colour);
    Redraw();
    return *this;
}

CLabel& CLabel::SetTextColor(const QColor& colour)
{
    m_look.text = ToRgb(colour);
    Redraw();
    return *this;
}

CLabel& CLabel::SetText(const QString& text)
{
    m_text = text;
    Redraw();
    return *this;
}

CLabel& CLabel::SetFontBold(bool bold)
{
    m_fontDesc.weight = bold ? 700 : 400;
    RebuildFont();
    return *this;
}

CLabel& CLabel::SetFontName(const QString& face)
{
    m_fontDesc.face = face.toStdString();
    RebuildFont();
    return *this;
}

CLabel& CLabel::SetFontUnderline(bool underline)
{
    m_fontDesc.underline = underline;
    RebuildFont();
    return *this;
}

CLabel& CLabel::SetFontItalic(bool italic)
{
    m_fontDesc.italic = italic;
    RebuildFont();
    return *this;
}

CLabel& CLabel::SetFontSize(int points)
{
    m_fontDesc.pointSize = points;
    RebuildFont();
    return *this;
}

CLabel& CLabel::SetSunken(bool sunken)
{
    m_sunken = sunken;
    ApplyFrame();
    return *this;
}

CLabel& CLabel::SetBorder(bool border)
{
    m_border = border;
    ApplyFrame();
    return *this;
}

// A sunken edge and a border may both be asked for; the edge shows.
void CLabel::ApplyFrame()
{
    setFrameShape(m_sunken ? QFrame::Panel : m_border ? QFrame::Box : QFrame::NoFrame);
    setFrameShadow(m_sunken ? QFrame::Sunken : QFrame::Plain);
    Redraw();
}

CLabel& CLabel::SetTransparent(bool transparent)
{
    m_look.transparent = transparent;
    setAttribute(Qt::WA_TranslucentBackground, transparent);
    Redraw();
    return *this;
}

void CLabel::StartFlash(EFlashKind kind)
{
    m_look.flashPhase = 0;
    m_look.flash = kind;
    m_flashTimer.start(kFlashPeriodMs);
}

CLabel& CLabel::FlashText(bool on)
{
    m_flashTimer.stop();
    if (on)
        StartFlash(EFlashKind::Text);
    else
        m_look.flash = EFlashKind::None;
    Redraw();
    return *this;
}

CLabel& CLabel::FlashBackground(bool on)
{
    m_flashTimer.stop();
    if (on)
        StartFlash(EFlashKind::Background);
    else
        m_look.flash = EFlashKind::None;
    Redraw();
    return *this;
}

CLabel& CLabel::SetLink(bool notify, bool link)
{
    m_notify = notify;
    m_link = link;
    Redraw();
    return *this;
}

CLabel& CLabel::SetLinkCursor(const QCursor& cursor)
{
    m_linkCursor = cursor;
    setCursor(cursor);
    return *this;
}

CLabel& CLabel::SetText3D(bool on, bool raised)
{
    m_look.text3D = on;
    m_look.raised3D = raised;
    Redraw();
    return *this;
}

CLabel& CLabel::SetRotationAngle(int degrees, bool rotated)
{
    m_fontDesc.escapement = degrees * 10;
    m_look.rotated = rotated;
    RebuildFont();
    return *this;
}

CLabel& CLabel::SetText3DHiliteColor(const QColor& colour)
{
    m_look.highlight = ToRgb(colour);
    Redraw();
    return *this;
}

void CLabel::SetLabelStyle(unsigned style)
{
    m_style = style;
    Redraw();
}

void CLabel::paintEvent(QPaintEvent* event)
{
    if (m_look.transparent) {
        QPainter painter(this);
        PaintText(painter);
    } else {
        const qreal ratio = devicePixelRatioF();
        QPixmap image(size() * ratio);
        image.setDevicePixelRatio(ratio);
        image.fill(ToQColor(LabelFillColour(m_look, m_face)));
        {
            QPainter memory(&image);
            PaintText(memory);
        }
        QPainter(this).drawPixmap(0, 0, image);
    }
    QFrame::paintEvent(event);   // the sunken edge or border, if any
}

void CLabel::PaintText(QPainter& painter)
{
    painter.setFont(m_font);
    const QColor textColour = ToQColor(LabelPaintTextColour(m_look, m_face));
    const QRect box = contentsRect();
    if (m_look.rotated) {
        painter.save();
        painter.translate(box.center());
        painter.rotate(-m_fontDesc.escapement / 10.0);
        painter.setPen(textColour);
        painter.drawText(QPointF(0, 0), m_text);
        painter.restore();
        return;
    }
    const STextLayout layout = LabelTextLayout(m_style, m_text.toStdString());
    QString text = m_text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (layout.singleLine)
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const int flags = int(ToQtAlignment(layout)) | (layout.wordBreak ? Qt::TextWordWrap : 0);
    painter.setPen(textColour);
    painter.drawText(box, flags, text);
    if (m_look.text3D) {
        const SOffset offset = Label3DOffset(m_look);
        painter.setPen(ToQColor(m_look.highlight));
        painter.drawText(box.translated(offset.dx, offset.dy), flags, text);
    }
}

void CLabel::mousePressEvent(QMouseEvent* event)
{
    if (!m_notify || event->button() != Qt::LeftButton) {
        QFrame::mousePressEvent(event);
        return;
    }
    if (m_link) {
        if (m_shell)
            m_shell->OpenDocument(m_text.toStdString());
    } else {
        emit Notify(m_controlId, kClickCode);
    }
    QFrame::mousePressEvent(event);
}

void CLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        m_face = FaceColour();
        Redraw();
    }
    QFrame::changeEvent(event);
}
