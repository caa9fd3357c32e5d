#include "panel/PanelOverlays.h"

#include "panel/FeedDialRules.h"
#include "panel/PanelArtwork.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

// The dial's box: its cap and skirt with a little room, in artwork pixels.
constexpr int kDialBox = 2 * (feed_dial::kRadius + 6);

void Place(QWidget& part, const SPixRect& at)
{
    part.setGeometry(at.left, at.top, at.Width(), at.Height());
    // The panel never takes the focus: its keypad types into the editor.
    part.setFocusPolicy(Qt::NoFocus);
}

} // namespace

CFeedDial::CFeedDial(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("feedOverrideDial"));
    Place(*this, {feed_dial::kCentreX - kDialBox / 2, feed_dial::kCentreY - kDialBox / 2,
                  feed_dial::kCentreX + kDialBox / 2, feed_dial::kCentreY + kDialBox / 2});
    setCursor(Qt::PointingHandCursor);
}

void CFeedDial::SetPercent(int percent)
{
    if (percent == m_percent)
        return;
    m_percent = percent;
    update();
}

void CFeedDial::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const double scale = width() / double(kDialBox);
    p.scale(scale, scale);
    panel_art::DialPointer(p, QPointF(kDialBox / 2.0, kDialBox / 2.0), feed_dial::kRadius,
                           feed_dial::PointerDegrees(m_percent));
}

void CFeedDial::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit Turned(event->position().x() < width() / 2.0 ? -1 : 1);
    else
        QWidget::mousePressEvent(event);
}

void CFeedDial::wheelEvent(QWheelEvent* event)
{
    // One notch is 120 eighths of a degree; a touchpad sends less at a time.
    constexpr int kNotch = 120;
    m_wheelEighths += event->angleDelta().y();
    const int steps = m_wheelEighths / kNotch;
    m_wheelEighths %= kNotch;
    if (steps != 0)
        emit Turned(steps);
    event->accept(); // the wheel turns the dial, not the pane's scroll bar
}

CScreenTimeLine::CScreenTimeLine(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("screenTimeLine"));
    Place(*this, panel_layout::kTimeLine);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CScreenTimeLine::SetTimes(const QString& runTime, const QString& cycleTime)
{
    if (runTime == m_run && cycleTime == m_cycle)
        return;
    m_run = runTime;
    m_cycle = cycleTime;
    update();
}

void CScreenTimeLine::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const SPixRect& art = panel_layout::kTimeLine;
    p.scale(width() / double(art.Width()), height() / double(art.Height()));
    panel_art::TimeLine(p, QRectF(0, 0, art.Width(), art.Height()), m_run, m_cycle);
}
