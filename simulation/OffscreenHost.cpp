#include "simulation/OffscreenHost.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QSurfaceFormat>

#include <GL/gl.h>

COffscreenHost::COffscreenHost(const CSimulation& sim, int width, int height)
{
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setRenderableType(QSurfaceFormat::OpenGL);
    m_context = std::make_unique<QOpenGLContext>();
    m_context->setFormat(format);
    if (!m_context->create())
        return;
    m_surface = std::make_unique<QOffscreenSurface>();
    m_surface->setFormat(m_context->format());
    m_surface->create();
    if (!m_context->makeCurrent(m_surface.get()))
        return;
    if (!MakeTarget(width, height))
        return;
    m_renderer.Initialize(sim);
    m_renderer.Resize(width, height);
    m_valid = true;
}

COffscreenHost::~COffscreenHost()
{
    if (m_context && m_context->makeCurrent(m_surface.get())) {
        m_renderer.Release();
        FreeTarget();
        m_context->doneCurrent();
    }
}

// Colour and the deepest depth buffer the driver takes.
bool COffscreenHost::MakeTarget(int width, int height)
{
    QOpenGLFunctions* f = m_context->functions();
    f->glGenFramebuffers(1, &m_fbo);
    f->glBindFramebuffer(GL_FRAMEBUFFER, m_fbo);
    f->glGenRenderbuffers(1, &m_colour);
    f->glBindRenderbuffer(GL_RENDERBUFFER, m_colour);
    f->glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    f->glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, m_colour);
    f->glGenRenderbuffers(1, &m_depth);
    f->glBindRenderbuffer(GL_RENDERBUFFER, m_depth);
    for (auto [internal, bits] : {std::pair{GL_DEPTH_COMPONENT32, 32}, {GL_DEPTH_COMPONENT24, 24}}) {
        f->glRenderbufferStorage(GL_RENDERBUFFER, internal, width, height);
        f->glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, m_depth);
        if (f->glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE) {
            m_depthBits = bits;
            break;
        }
    }
    m_width = width;
    m_height = height;
    return m_depthBits != 0;
}

void COffscreenHost::FreeTarget()
{
    QOpenGLFunctions* f = m_context->functions();
    f->glBindFramebuffer(GL_FRAMEBUFFER, 0);
    f->glDeleteRenderbuffers(1, &m_colour);
    f->glDeleteRenderbuffers(1, &m_depth);
    f->glDeleteFramebuffers(1, &m_fbo);
    m_fbo = m_colour = m_depth = 0;
}

void COffscreenHost::Resize(int width, int height)
{
    if (!m_valid || !m_context->makeCurrent(m_surface.get()))
        return;
    FreeTarget();
    m_valid = MakeTarget(width, height);
    m_renderer.Resize(width, height);
}

SFramePose COffscreenHost::Render(CMachine& machine, CSimulationOutput& out, const CCamera& camera)
{
    const SFramePose pose = AdvanceFrame(machine, out);
    Draw(machine, pose, camera);
    return pose;
}

void COffscreenHost::Draw(const CMachine& machine, const SFramePose& pose, const CCamera& camera)
{
    if (!m_valid || !m_context->makeCurrent(m_surface.get()))
        return;
    m_context->functions()->glBindFramebuffer(GL_FRAMEBUFFER, m_fbo);
    m_renderer.DrawFrame(machine, pose, camera);
}

QImage COffscreenHost::Grab()
{
    QImage image(m_width, m_height, QImage::Format_RGBA8888);
    if (!m_valid || !m_context->makeCurrent(m_surface.get()))
        return {};
    m_context->functions()->glBindFramebuffer(GL_FRAMEBUFFER, m_fbo);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    return image.mirrored();
}
