#include "panel/MainOperPanlView.h"

#include "common/CommandTable.h"
#include "panel/FeedDialRules.h"
#include "panel/Label.h"
#include "panel/PanelArtwork.h"
#include "panel/PanelKeyButton.h"
#include "panel/PanelOverlays.h"

#include <QContextMenuEvent>
#include <QMap>
#include <QMenu>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

QColor ToQColor(SRgb c) { return QColor(c.r, c.g, c.b); }

// The cabinet's face: the two pictures under the keys and displays.
class CCabinet : public QWidget {
public:
    CCabinet(QWidget* parent, const CPanelState& state)
        : QWidget(parent), m_state(state), m_upper(panel_art::UpperArtwork()),
          m_lower(panel_art::LowerArtwork())
    {
        setObjectName(QStringLiteral("cabinet"));
        setFixedSize(panel_layout::kWidth, panel_layout::kHeight);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(0xb8, 0xbc, 0xc2));
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.scale(width() / double(panel_layout::kWidth), height() / double(panel_layout::kHeight));
        p.drawPixmap(panel_layout::kUpperArt.left, panel_layout::kUpperArt.top, m_upper);
        p.drawPixmap(panel_layout::kLowerArt.left, panel_layout::kLowerArt.top, m_lower);
        p.translate(panel_layout::kUpperArt.left, panel_layout::kUpperArt.top);
        panel_art::ProgrammingModeWord(p, m_state.m_bDiameter);
    }

private:
    const CPanelState& m_state;
    QPixmap m_upper;
    QPixmap m_lower;
};

void ApplyStyle(CLabel& label, const SDisplayStyle& style)
{
    label.SetBkColor(ToQColor(style.background));
    label.SetFontSize(style.pointSize);
    label.SetTextColor(ToQColor(style.text));
}

} // namespace

CMainOperPanlView::CMainOperPanlView(CPanelHost& host, CPanelState& state, CSoundPlayer& sound,
                                     CPrompter& prompter, QWidget* parent)
    : QScrollArea(parent), m_state(state), m_host(host), m_controller(m_state, host, sound, prompter)
{
    setObjectName(QStringLiteral("operatorPanel"));
    setFrameShape(QFrame::NoFrame);
    // Around a cabinet smaller than the pane: the dark of the machine's side.
    QPalette around = viewport()->palette();
    around.setColor(QPalette::Window, QColor(0x3b, 0x40, 0x46));
    viewport()->setPalette(around);
    viewport()->setAutoFillBackground(true);
    setWidget(new CCabinet(this, m_state));
    setContextMenuPolicy(Qt::DefaultContextMenu);
    // The panel never holds the keyboard focus: its keypad types into the
    // editor field that last had it, and a click here must not take it away.
    for (QWidget* part : {static_cast<QWidget*>(this), viewport(), widget(),
                          static_cast<QWidget*>(horizontalScrollBar()),
                          static_cast<QWidget*>(verticalScrollBar())})
        part->setFocusPolicy(Qt::NoFocus);

    m_state.m_bShift = 0;
    m_state.m_nCoordDisplay = ECoordDisplay::Absolute;
    m_clockLabel = MakeDisplay(panel_layout::kClockLabelId, panel_layout::kClockLabel);
    m_xLabel = MakeDisplay(panel_layout::kXLabelId, panel_layout::kXLabel);
    m_zLabel = MakeDisplay(panel_layout::kZLabelId, panel_layout::kZLabel);
    ApplyStyle(*m_clockLabel, panel_display::kClockStart);
    ShowPosition(0.0, 0.0);
    CreateKeys();
    CreateRunDisplays();
    connect(&m_clockTimer, &QTimer::timeout, this, &CMainOperPanlView::UpdateClock);
    m_clockTimer.start(panel_display::kClockPeriodMs);
    m_state.m_dTurretX = 0.0;
    m_state.m_dTurretZ = 0.0;
    m_state.m_bRapid = 1;
    m_state.m_nSpindle = ESpindle::Stopped;
    m_state.m_bCoolant = 0;
}

CMainOperPanlView::CMainOperPanlView(std::unique_ptr<CPanelHost> host, CPanelState& state,
                                     CSoundPlayer& sound, CPrompter& prompter, QWidget* parent)
    : CMainOperPanlView(*host, state, sound, prompter, parent)
{
    m_ownedHost = std::move(host);
}

CMainOperPanlView::~CMainOperPanlView()
{
    m_clockTimer.stop();
    m_runTimer.stop();
}

void CMainOperPanlView::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    // The whole cabinet in the pane, its proportions kept; never so small
    // that the keys cannot be hit, nor larger than its artwork.
    constexpr double kSmallest = 0.4, kLargest = 1.0;
    const double fit = std::min(event->size().width() / double(panel_layout::kWidth),
                                event->size().height() / double(panel_layout::kHeight));
    ScaleCabinet(std::clamp(fit, kSmallest, kLargest));
}

void CMainOperPanlView::ScaleCabinet(double scale)
{
    if (std::abs(scale - m_scale) < 1e-3)
        return;
    m_scale = scale;
    QWidget* cabinet = widget();
    cabinet->setFixedSize(int(panel_layout::kWidth * scale), int(panel_layout::kHeight * scale));
    for (QWidget* part : cabinet->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!part->property("artworkRect").isValid())
            part->setProperty("artworkRect", part->geometry());
        const QRect r = part->property("artworkRect").toRect();
        const QRect scaled(QPoint(int(std::lround(r.left() * scale)), int(std::lround(r.top() * scale))),
                           QPoint(int(std::lround((r.right() + 1) * scale)) - 1,
                                  int(std::lround((r.bottom() + 1) * scale)) - 1));
        part->setFixedSize(scaled.size());
        part->move(scaled.topLeft());
        if (auto* label = qobject_cast<CLabel*>(part))
            label->SetFontScale(scale);
    }
}

CLabel* CMainOperPanlView::MakeDisplay(int id, const SPixRect& rect)
{
    auto* label = new CLabel(id, widget());
    label->setObjectName(QStringLiteral("label%1").arg(id));
    label->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    label->SetLabelStyle(kLabelCentre | kLabelCentreImage);
    return label;
}

void CMainOperPanlView::CreateKeys()
{
    // Keys that share face numbers share the pictures, as resources would.
    QMap<int, QPixmap> faces;
    for (const SPanelKey& key : PanelKeys()) {
        if (!faces.contains(key.upFace))
            faces.insert(key.upFace, panel_art::KeyFace(key, false));
        if (!faces.contains(key.downFace))
            faces.insert(key.downFace, panel_art::KeyFace(key, true));
        auto* button = new CPanelKeyButton(key.id, faces[key.upFace], faces[key.downFace], widget());
        button->move(key.rect.left, key.rect.top);
        const int id = key.id;
        connect(button, &QAbstractButton::clicked, this, [this, id] { PressKey(id); });
    }
}

void CMainOperPanlView::CreateRunDisplays()
{
    m_feedDial = new CFeedDial(widget());
    m_timeLine = new CScreenTimeLine(widget());
    connect(m_feedDial, &CFeedDial::Turned, this, [this](int steps) {
        m_host.SetFeedOverride(feed_dial::Turned(m_host.FeedOverride(), steps));
        UpdateRunDisplays();
    });
    UpdateRunDisplays();
    connect(&m_runTimer, &QTimer::timeout, this, &CMainOperPanlView::UpdateRunDisplays);
    m_runTimer.start(panel_display::kRunDisplayPeriodMs);
}

void CMainOperPanlView::UpdateRunDisplays()
{
    m_feedDial->SetPercent(m_host.FeedOverride());
    const SMachiningTimes times = m_host.MachiningTimes();
    m_timeLine->SetTimes(QString::fromStdString(FormatRunTime(times.total)),
                         QString::fromStdString(FormatCycleTime(times.run)));
}

CPanelKeyButton* CMainOperPanlView::Key(int id) const
{
    return widget()->findChild<CPanelKeyButton*>(QStringLiteral("key%1").arg(id));
}

bool CMainOperPanlView::PressKey(int id) { return m_controller.PressKey(id); }

void CMainOperPanlView::ShowPosition(double x, double z)
{
    m_xLabel->SetText(QString::fromStdString(FormatPositionX(x)));
    m_zLabel->SetText(QString::fromStdString(FormatPositionZ(z)));
    ApplyStyle(*m_xLabel, panel_display::kPosition);
    ApplyStyle(*m_zLabel, panel_display::kPosition);
}

void CMainOperPanlView::UpdateClock()
{
    m_clockLabel->SetText(QString::fromStdString(FormatClock(m_clock())));
    ApplyStyle(*m_clockLabel, panel_display::kClockTick);
}

void CMainOperPanlView::contextMenuEvent(QContextMenuEvent* event)
{
    const bool fromKeyboard = event->reason() == QContextMenuEvent::Keyboard;
    const QPoint global = event->globalPos();
    ShowProgramMenu(fromKeyboard ? kKeyboardMenuRequest : SPanelPoint{global.x(), global.y()});
    event->accept();
}

void CMainOperPanlView::ShowProgramMenu(SPanelPoint requested)
{
    if (m_menu)
        m_menu->deleteLater();
    // Owned by the top-level window, so its commands are the frame's.
    m_menu = new QMenu(window());
    m_menu->setObjectName(QStringLiteral("programMenu"));
    m_menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const SMenuEntry& entry : Commands::ProgramPopup()) {
        const int id = entry.id;
        QAction* action = m_menu->addAction(QString::fromUtf8(entry.text.data(), qsizetype(entry.text.size())));
        action->setData(id);
        action->setEnabled(m_host.IsCommandEnabled(id));
        connect(action, &QAction::triggered, this, [this, id] { m_host.RunCommand(id); });
    }
    const QPoint corner = viewport()->mapToGlobal(QPoint(0, 0));
    const SPanelPoint at = PopupMenuPosition(requested, {corner.x(), corner.y()});
    m_menu->popup(QPoint(at.x, at.y));
}
