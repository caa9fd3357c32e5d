#include "simulation/PartDrawingView.h"

#include "simulation/Machine.h"

#include <QAction>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr double kPickPixels = 6.0; // how near a step's surface a click reads it

QString Text(const std::string& s) { return QString::fromStdString(s); }

QString MeasurementText(const SMeasurement& m)
{
    return QStringLiteral("距离 %1   ΔX %2   ΔZ %3")
        .arg(Text(DimensionText(m.distance)), Text(DimensionText(m.dx)), Text(DimensionText(m.dz)));
}

} // namespace

CPartDrawingView::CPartDrawingView(const CMachine& machine, QWidget* parent)
    : QWidget(parent), m_machine(machine)
{
    setObjectName(QStringLiteral("partDrawing"));
    setMinimumSize(240, 160);
    // The overlays are switched from the pane's own context menu.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    AddOverlaySwitch(QStringLiteral("显示编程轮廓"), &CPartDrawingView::SetShowProgrammed);
    AddOverlaySwitch(QStringLiteral("显示毛坯"), &CPartDrawingView::SetShowStock);
    m_refresh.setObjectName(QStringLiteral("partDrawingClock"));
    connect(&m_refresh, &QTimer::timeout, this, &CPartDrawingView::Refresh);
    m_refresh.start(kRefreshMs);
    Refresh();
}

void CPartDrawingView::AddOverlaySwitch(const QString& text, void (CPartDrawingView::*set)(bool))
{
    auto* action = new QAction(text, this);
    action->setCheckable(true);
    action->setChecked(true);
    connect(action, &QAction::toggled, this, [this, set](bool on) { (this->*set)(on); });
    addAction(action);
}

SPartDrawingContent CPartDrawingView::Content() const { return m_content; }

void CPartDrawingView::SetShowProgrammed(bool on)
{
    m_content.showProgrammed = on;
    update();
}

void CPartDrawingView::SetShowStock(bool on)
{
    m_content.showStock = on;
    update();
}

void CPartDrawingView::Refresh()
{
    m_content.part = PartOf(m_machine.sim);
    m_content.programmed = ProgrammedContour(m_machine.sim.interp);
    if (isVisible())
        update();
}

QRectF CPartDrawingView::DrawingArea() const
{
    // The bottom line holds the reading of the clicks.
    return QRectF(0, 0, width(), height() - fontMetrics().height() - 6);
}

void CPartDrawingView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    PaintPartDrawing(p, DrawingArea(), m_content);
    p.setPen(Qt::black);
    p.drawText(QRectF(6, height() - fontMetrics().height() - 4, width() - 12, fontMetrics().height() + 2),
               Qt::AlignLeft | Qt::AlignVCenter, m_reading);
}

void CPartDrawingView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const CPartDrawingScale scale(m_content.part, DrawingArea());
    const SPartPoint at = SnapToCorner(m_content.part, scale.ToPart(event->position()),
                                       kPickPixels / scale.PixelsPerMm());
    if (m_firstClick) {
        m_reading = MeasurementText(Measure(*m_firstClick, at));
        m_firstClick.reset();
    } else {
        m_firstClick = at;
        const SPartStep* step = StepAt(m_content.part, at.z);
        const bool onStep = step && std::abs(step->radius - at.x) * scale.PixelsPerMm() <= kPickPixels;
        m_reading = onStep ? Text(DiameterText(step->radius)) : QStringLiteral("请点第二点");
    }
    update();
}
