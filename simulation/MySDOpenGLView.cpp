#include "simulation/MySDOpenGLView.h"

#include "app/MainFrm.h"
#include "panel/FramePanelHost.h"
#include "panel/MainOperPanlView.h"
#include "simulation/SceneCommandLink.h"
#include "simulation/Simulation.h"

#include <QMouseEvent>
#include <QOpenGLContext>
#include <QSurfaceFormat>

CMySDOpenGLView::CMySDOpenGLView(CMainFrame& frame, QWidget* parent)
    : QOpenGLWidget(parent), m_frame(frame), m_sim(std::make_unique<CSimulation>()),
      m_ownOutput(frame, *this)
{
    setObjectName("simulationView");
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(32);
    setFormat(format);
    setFocusPolicy(Qt::ClickFocus);
    setMinimumWidth(0);
    setMouseTracking(true);
    m_frameClock.setObjectName("frameClock");
    connect(&m_frameClock, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    StartFrameClock();
    m_commands = std::make_unique<CSceneCommandLink>(
        frame, *this, *m_sim, *m_out,
        CSceneCommandLink::SFrameClock{[this] { m_frameClock.stop(); },
                                       [this](int periodMs) { m_frameClock.start(periodMs); }});
}

void CMySDOpenGLView::SetSimulationOutput(CSimulationOutput* out)
{
    m_out = out ? out : &m_ownOutput;
    m_commands->Commands().SetOutput(*m_out);
}

bool CMySDOpenGLView::HandlesCommand(int id) const { return m_commands->Commands().HandlesCommand(id); }
void CMySDOpenGLView::OnCommand(int id) { m_commands->Commands().OnCommand(id); }
bool CMySDOpenGLView::IsCommandChecked(int id) const { return m_commands->Commands().IsCommandChecked(id); }

CMySDOpenGLView::~CMySDOpenGLView()
{
    m_frameClock.stop();
    ReleaseGl();
    // The base class destroys the context after this body has run; its
    // last signal must not reach a view that is already gone.
    if (QOpenGLContext* gl = context())
        disconnect(gl, nullptr, this, nullptr);
}

void CMySDOpenGLView::ReleaseGl()
{
    if (context() == nullptr)
        return;
    makeCurrent();
    m_renderer.Release();
    doneCurrent();
}

CPanelState& CMySDOpenGLView::PanelState()
{
    if (CMainOperPanlView* panel = OperatorPanel(m_frame))
        return panel->State();
    return m_spareState;
}

void CMySDOpenGLView::initializeGL()
{
    // A new top-level window brings a new context: the lists go with the old.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &CMySDOpenGLView::ReleaseGl,
            Qt::UniqueConnection);
    m_renderer.Initialize(*m_sim);
}

void CMySDOpenGLView::resizeGL(int w, int h)
{
    m_renderer.Resize(w, h);
}

void CMySDOpenGLView::paintGL()
{
    m_renderer.DrawFrame(*m_sim, PanelState(), *m_out, m_camera);
}

void CMySDOpenGLView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    MousePress(m_camera, p.x(), p.y());
}

void CMySDOpenGLView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        MouseRelease(m_camera);
}

void CMySDOpenGLView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    MouseMove(m_camera, m_sim->switches.mouseMode, p.x(), p.y());
}
