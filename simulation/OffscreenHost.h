#pragma once
// Renders the scene without a window: a context on an offscreen surface
// drawing into a framebuffer object. Tests, the frame benchmark and picture
// export use it; it needs a Qt GUI application and a display for GL.
#include "simulation/SceneRenderer.h"

#include <QImage>

#include <memory>

class QOffscreenSurface;
class QOpenGLContext;

class COffscreenHost {
public:
    COffscreenHost(const CSimulation& sim, int width, int height);
    ~COffscreenHost();

    bool IsValid() const { return m_valid; }
    int DepthBits() const { return m_depthBits; }
    void Resize(int width, int height);
    // One tick of the clock and its frame, as the view's clock and paint do.
    SFramePose Render(CMachine& machine, CSimulationOutput& out, const CCamera& camera);
    // The same frame again, as a paint without a tick draws it.
    void Draw(const CMachine& machine, const SFramePose& pose, const CCamera& camera);
    QImage Grab();
    void MarkToolTip(bool on) { m_renderer.MarkToolTip(on); }

private:
    bool MakeTarget(int width, int height);
    void FreeTarget();

    std::unique_ptr<QOpenGLContext> m_context;
    std::unique_ptr<QOffscreenSurface> m_surface;
    CSceneRenderer m_renderer;
    unsigned m_fbo = 0, m_colour = 0, m_depth = 0;
    int m_width = 0, m_height = 0, m_depthBits = 0;
    bool m_valid = false;
};
