#include "simulation/MySDOpenGLView.h"

#include "common/CommandTable.h"
#include "simulation/CameraPresets.h"
#include "simulation/Machine.h"
#include "simulation/SceneCommands.h"

#include <QMouseEvent>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QWheelEvent>

CMySDOpenGLView::CMySDOpenGLView(CMachine& machine, QWidget* parent)
    : QOpenGLWidget(parent), m_machine(machine), m_pose(StandingPose(machine))
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
    connect(&m_frameClock, &QTimer::timeout, this, &CMySDOpenGLView::Tick);
    StartFrameClock();
}

CMySDOpenGLView::~CMySDOpenGLView()
{
    m_frameClock.stop();
    ReleaseGl();
    // The base class destroys the context after this body has run; its
    // last signal must not reach a view that is already gone.
    if (QOpenGLContext* gl = context())
        disconnect(gl, nullptr, this, nullptr);
}

CSimulation& CMySDOpenGLView::Simulation() { return m_machine.sim; }

void CMySDOpenGLView::Tick()
{
    m_pose = AdvanceFrame(m_machine, *m_out);
    m_camera.pivot = WorkpieceCentre(m_machine);
    update();
}

void CMySDOpenGLView::SetSimulationOutput(CSimulationOutput* out)
{
    m_out = out ? out : &m_quiet;
    if (m_commands)
        m_commands->SetOutput(*m_out);
}

void CMySDOpenGLView::SetSceneCommands(CSceneCommands* commands)
{
    m_commands = commands;
    if (m_commands)
        m_commands->SetOutput(*m_out);
}

bool CMySDOpenGLView::HandlesCommand(int id) const
{
    if (id == Cmd::ResetView || id == Cmd::LookAtWork || id == Cmd::FrontView)
        return true;
    return m_commands && m_commands->HandlesCommand(id);
}

void CMySDOpenGLView::OnCommand(int id)
{
    if (RunCameraCommand(id))
        update();
    else if (m_commands)
        m_commands->OnCommand(id);
}

double CMySDOpenGLView::Aspect() const
{
    return height() > 0 ? static_cast<double>(width()) / height() : 1.0;
}

bool CMySDOpenGLView::RunCameraCommand(int id)
{
    switch (id) {
    case Cmd::ResetView: ResetView(m_camera); return true;
    case Cmd::LookAtWork: FrameBox(m_camera, WorkpieceBox(m_machine), Aspect()); return true;
    case Cmd::FrontView: FrontView(m_camera, WorkpieceBox(m_machine), Aspect()); return true;
    default: return false;
    }
}

bool CMySDOpenGLView::IsCommandChecked(int id) const
{
    return m_commands && m_commands->IsCommandChecked(id);
}

void CMySDOpenGLView::ReleaseGl()
{
    if (context() == nullptr)
        return;
    makeCurrent();
    m_renderer.Release();
    doneCurrent();
}

void CMySDOpenGLView::initializeGL()
{
    // A new top-level window brings a new context: the lists go with the old.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &CMySDOpenGLView::ReleaseGl,
            Qt::UniqueConnection);
    m_renderer.Initialize(m_machine.sim);
}

void CMySDOpenGLView::resizeGL(int w, int h)
{
    m_renderer.Resize(w, h);
}

void CMySDOpenGLView::paintGL()
{
    m_renderer.DrawFrame(m_machine, m_pose, m_camera);
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
    MouseMove(m_camera, m_machine.sim.switches.mouseMode, p.x(), p.y());
}

void CMySDOpenGLView::wheelEvent(QWheelEvent* event)
{
    // One notch is 120; touch pads send less and add up to whole notches.
    m_wheelRest += event->angleDelta().y();
    const int notches = m_wheelRest / 120;
    m_wheelRest -= notches * 120;
    if (notches != 0) {
        WheelZoom(m_camera, notches);
        update();
    }
    event->accept();
}
