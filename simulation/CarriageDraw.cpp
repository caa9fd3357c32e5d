// Saddle, cross slide, the four-station turret and its tools. They follow
// the manual position and the trace; the turret swings to the chosen station.
#include "simulation/GlText.h"
#include "simulation/SceneParts.h"
#include "simulation/ToolShapes.h"



namespace {

constexpr double kCarriageX = 860.0;
constexpr double kCarriageY = 560.0;
constexpr double kSlideZ = 280.0;

void Screw(const CQuadrics& quad, double x, double z)
{
    glPushMatrix();
    glTranslated(x, 112.0, z);
    glRotated(-90.0, 1.0, 0.0, 0.0);
    quad.Cylinder(5.0, 5.0, 30.0);
    glTranslated(0.0, 0.0, 30.0);
    quad.Disk(0.0, 5.0);
    glRotated(45.0, 0.0, 0.0, 1.0);
    glScaled(1.0, 1.0, 2.0);
    SolidCube(6.0);
    glPopMatrix();
}

// Four screws 25 apart along each side, over the tool in that station.
void ClampingScrews(const CQuadrics& quad)
{
    SetDiffuse(0.2f, 0.2f, 0.2f);
    for (int i = 0; i < 4; ++i) {
        const double along = -37.5 + 25.0 * i;
        Screw(quad, -50.0, along);
        Screw(quad, 50.0, along);
        Screw(quad, along, -50.0);
        Screw(quad, along, 50.0);
    }
}

void StationNumber(const char* digit, double x, double z, bool sideways, double turn)
{
    glPushMatrix();
    glTranslated(x, 0.0, z);
    glRotated(turn, 1.0, 0.0, 0.0);
    if (sideways)
        glRotated(90.0, 0.0, 0.0, 1.0);
    glScaled(35.0, 35.0, 2.0);
    DrawText3D(gltext::kThinBase, digit);
    glPopMatrix();
}

void StationNumbers()
{
    glPushMatrix();
    glTranslated(-7.0, 135.0, 5.0);
    SetDiffuse(1.0f, 0.0f, 1.0f);
    StationNumber("1", -45.0, 5.0, false, -90.0);
    StationNumber("3", 45.0, -5.0, false, 90.0);
    StationNumber("2", 10.0, 45.0, true, -90.0);
    StationNumber("4", 10.0, -35.0, true, -90.0);
    glPopMatrix();
}

void Compile(GLuint& list, void (*draw)(const CQuadrics&), const CQuadrics& quad)
{
    list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    draw(quad);
    glEndList();
}

void TurretShape(const CQuadrics& quad)
{
    DrawPanelGroup(TurretBlockPanels());
    ClampingScrews(quad);
    StationNumbers();
}

void CompileShape(GLuint& list, const SPanelGroup& shape)
{
    list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    DrawPanelGroup(shape);
    glEndList();
}

void TipMarker()
{
    glPushAttrib(GL_ENABLE_BIT | GL_POINT_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glPointSize(5.0f);
    glColor3f(0.0f, 1.0f, 0.0f);
    glBegin(GL_POINTS);
    glVertex3d(tool_shape::kTipX, 0.0, 0.0);
    glEnd();
    glPopAttrib();
}

int CuttingStation(int t_num)
{
    return t_num == 2 || t_num == 3 ? t_num - 1 : 0;
}

void ApplyIndexing(const STurretPose& pose)
{
    glTranslated(0.0, pose.lift, 0.0);
    glRotated(pose.angle, 0.0, 1.0, 0.0);
}

void BeginTranslucent(ERenderMode mode)
{
    if (mode != ERenderMode::Transparent)
        return;
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, 0.1f);
}

void EndTranslucent(ERenderMode mode)
{
    if (mode != ERenderMode::Transparent)
        return;
    glDisable(GL_BLEND);
    glDisable(GL_COLOR_MATERIAL);
}

} // namespace

void CompileCarriageLists(SSceneLists& lists, const CQuadrics& quad)
{
    Compile(lists.turret, TurretShape, quad);
    Compile(lists.saddle, [](const CQuadrics&) { DrawPanelGroup(SaddlePanels()); }, quad);
    Compile(lists.crossSlide, [](const CQuadrics&) { DrawPanelGroup(CrossSlidePanels()); }, quad);
    CompileShape(lists.tool, TurningToolShape());
    CompileShape(lists.groovingTool, GroovingToolShape(GroovingToolWidth()));
    CompileShape(lists.threadingTool, ThreadingToolShape());
}

void DrawCarriage(const SDrawContext& ctx)
{
    if (ctx.mode == ERenderMode::Hidden)
        return;
    const SCarriageOffset& offset = ctx.pose.carriage;
    BeginTranslucent(ctx.mode);
    glPushMatrix();
    glTranslated(kCarriageX + scene::kCarriageShiftX + offset.dx, kCarriageY,
                 kSlideZ + scene::kCarriageShiftZ + offset.dz);
    glPushMatrix();
    ApplyIndexing(ctx.pose.turret);
    glCallList(ctx.lists.turret);
    glPopMatrix();
    glCallList(ctx.lists.crossSlide);
    glPopMatrix();
    glPushMatrix();
    glTranslated(kCarriageX + scene::kCarriageShiftX + offset.dx, kCarriageY, 0.0);
    glCallList(ctx.lists.saddle);
    glPopMatrix();
    EndTranslucent(ctx.mode);
}

void DrawTurretTools(const SDrawContext& ctx)
{
    // Where each station's tool block sits about the turret's centre: its
    // turn and its offset along the bed. Station 4 has no holder.
    struct SToolBlock {
        double turn, along;
    };
    static constexpr SToolBlock kBlocks[3] = {{0.0, -60.0 + 9.0}, {90.0, -50.5}, {180.0, -60.0}};
    const SCarriageOffset& offset = ctx.pose.carriage;
    glPushMatrix();
    glTranslated(scene::kModelledTipX + scene::kCarriageShiftX + offset.dx, scene::kAxisY,
                 scene::kModelledTipZ + scene::kCarriageShiftZ + offset.dz);
    glTranslated(60.0, 0.0, 90.0);
    ApplyIndexing(ctx.pose.tools);
    for (int station = 0; station < 3; ++station) {
        if (!ctx.sim.turret.mounted[station])
            continue;
        glPushMatrix();
        glRotated(kBlocks[station].turn, 0.0, 1.0, 0.0);
        glTranslated(kBlocks[station].along, 0.0, -90.0);
        const GLuint shapes[3] = {ctx.lists.tool, ctx.lists.groovingTool, ctx.lists.threadingTool};
        glCallList(shapes[station]);
        if (ctx.markToolTip && station == CuttingStation(ctx.sim.interp.t_num))
            TipMarker();
        glPopMatrix();
    }
    glPopMatrix();
}
