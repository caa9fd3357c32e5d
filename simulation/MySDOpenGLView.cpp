#include "simulation/MySDOpenGLView.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QSurfaceFormat>

CMySDOpenGLView::CMySDOpenGLView(CMainFrame& frame, QWidget* parent)
    : QOpenGLWidget(parent), m_frame(frame)
{
    setObjectName("simulationView");
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    setFormat(format);
    setFocusPolicy(Qt::ClickFocus);
    setMinimumWidth(0);
}

void CMySDOpenGLView::initializeGL()
{
    context()->functions()->glClearColor(0.55f, 0.62f, 0.72f, 1.0f);
}

void CMySDOpenGLView::paintGL()
{
    context()->functions()->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}
