#include "simulation/SceneRenderer.h"

#include "simulation/Camera.h"
#include "simulation/GlText.h"

namespace {

void MaterialAndLight()
{
    const GLfloat ambient[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    const GLfloat white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat position[4] = {3000.0f, 30000.0f, 30000.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    glLightfv(GL_LIGHT0, GL_SPECULAR, white);
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    const GLfloat matAmbient[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    const GLfloat matSpecular[4] = {0.3f, 0.3f, 0.3f, 1.0f};
    const GLfloat emission[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glMaterialfv(GL_FRONT, GL_AMBIENT, matAmbient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, white);
    glMaterialfv(GL_FRONT, GL_SPECULAR, matSpecular);
    glMaterialfv(GL_FRONT, GL_EMISSION, emission);
    glMaterialf(GL_FRONT, GL_SHININESS, 5.0f);
}

void PolygonModeFor(ERenderMode mode)
{
    glPolygonMode(GL_FRONT_AND_BACK, mode == ERenderMode::WireFrame ? GL_LINE : GL_FILL);
}

} // namespace

CSceneRenderer::~CSceneRenderer() = default;

void CSceneRenderer::Initialize(const CSimulation& sim)
{
    InitGlutOnce();
    glDepthFunc(GL_LESS);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_NORMALIZE);
    BuildSceneFonts();
    if (m_quad.q == nullptr)
        m_quad.q = gluNewQuadric();
    m_quad.slices = sim.workpiece.quad_slices;
    m_quad.stacks = sim.workpiece.quad_stacks;
    CompileMachineLists(m_lists, m_quad);
    CompileCarriageLists(m_lists, m_quad);
    CompileChuckLists(m_lists, m_quad);
    CompileAccessoryLists(m_lists, m_quad);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    m_ready = true;
}

void CSceneRenderer::Release()
{
    if (!m_ready)
        return;
    const GLuint lists[] = {m_lists.floor, m_lists.body, m_lists.saddle, m_lists.crossSlide,
                            m_lists.turret, m_lists.tool, m_lists.jaw, m_lists.spindleNose,
                            m_lists.chuckBody, m_lists.tailstock, m_lists.hose, m_lists.door,
                            m_lists.window, m_lists.droplet, m_lists.groovingTool,
                            m_lists.threadingTool};
    for (GLuint list : lists)
        glDeleteLists(list, 1);
    glDeleteTextures(1, &m_lists.floorTexture);
    glDeleteLists(gltext::kThickBase, 228);
    gluDeleteQuadric(m_quad.q);
    m_quad.q = nullptr;
    m_lists = {};
    m_ready = false;
}

void CSceneRenderer::Resize(int width, int height)
{
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(Projection(width, height).data());
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void CSceneRenderer::MachineGroup(const SDrawContext& ctx)
{
    glPushMatrix();
    if (ctx.mode == ERenderMode::WireFrame || ctx.mode == ERenderMode::Solid) {
        PolygonModeFor(ctx.mode);
        // The floor last: most of it lies behind the machine, and the depth
        // test then skips it before shading.
        DrawMachineBody(ctx);
        DrawTailstock(ctx);
        DrawFloor(ctx);
    } else if (ctx.mode == ERenderMode::Transparent) {
        glEnable(GL_COLOR_MATERIAL);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glColor4f(1.0f, 1.0f, 1.0f, 0.1f);
        DrawMachineBody(ctx);
        glDisable(GL_BLEND);
        glDisable(GL_COLOR_MATERIAL);
    }
    glPopMatrix();
}

void CSceneRenderer::CarriageGroup(const SDrawContext& ctx)
{
    glPushMatrix();
    DrawCarriage(ctx);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    DrawTurretTools(ctx);
    m_workpiece.DrawTrace(ctx);
    glPopMatrix();
}

void CSceneRenderer::SpindleGroup(const SDrawContext& ctx)
{
    glPushMatrix();
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    DrawCoolant(ctx);
    DrawChuckJaws(ctx);
    m_workpiece.DrawWorkpiece(ctx);
    DrawChips(ctx);
    DrawSpindleNoseAndChuck(ctx);
    DrawDoor(ctx); // filled in wire frame too, like the spindle group
    glPopMatrix();
}

void CSceneRenderer::DrawFrame(const CMachine& machine, const SFramePose& pose, const CCamera& cam)
{
    const CSimulation& sim = machine.sim;
    const SDrawContext ctx{sim,    machine.panel, pose, m_quad, m_lists, sim.switches.renderMode,
                           m_markToolTip};
    // Black, and opaque for good: a compositor would show the desktop
    // through any alpha below 1, so nothing in the frame writes alpha.
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
    glEnable(GL_DEPTH_TEST);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(AxisIndicatorView(cam).data());
    MaterialAndLight();
    DrawAxisIndicator(ctx, cam);
    glLoadMatrixd(LightView(cam).data());
    MaterialAndLight();
    glLoadMatrixd(SceneModelView(cam).data());
    MachineGroup(ctx);
    CarriageGroup(ctx);
    SpindleGroup(ctx);
    glLoadIdentity();
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glDisable(GL_LIGHTING);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glFinish();
}
