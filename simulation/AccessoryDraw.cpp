// Axis marker, tailstock, coolant hose and stream, chips and the sliding door.
#include "simulation/Camera.h"
#include "simulation/GlText.h"
#include "simulation/SceneParts.h"

#include "panel/PanelState.h"

#include <cmath>
#include <numbers>

namespace {

void Arrow(const CQuadrics& quad)
{
    quad.Cylinder(4.0, 4.0, 100.0);
    glPushMatrix();
    glTranslated(0.0, 0.0, 100.0);
    quad.Inside(true);
    quad.Disk(0.0, 10.0);
    quad.Inside(false);
    quad.Cylinder(10.0, 0.0, 35.0);
    glPopMatrix();
}

void Letter(const char* text)
{
    glScaled(50.0, 50.0, 1.0);
    DrawText3D(gltext::kThickBase, text);
}

// Bands around the x axis in steps of pi/20 from angle a0 to a1.
void Shell(double radius, double x0, double x1, double a0, double a1)
{
    constexpr int kSteps = 40;
    const double step = 2.0 * std::numbers::pi / kSteps;
    glBegin(GL_QUAD_STRIP);
    for (double a = a0; a <= a1 + 1e-9; a += step) {
        const double s = std::sin(a), c = std::cos(a);
        glNormal3d(0.0, s, c);
        glVertex3d(x0, radius * s, radius * c);
        glVertex3d(x1, radius * s, radius * c);
    }
    glEnd();
}

void Handwheel(const CQuadrics& quad)
{
    SetDiffuse(0.5f, 0.5f, 0.5f);
    BoredDrum(quad, 70.0, 90.0, 10.0);
    glPushMatrix();
    glTranslated(0.0, 0.0, 10.0);
    quad.Disk(0.0, 40.0);
    glPopMatrix();
    for (int i = 0; i < 3; ++i) {
        glPushMatrix();
        glTranslated(0.0, 0.0, 5.0);
        glRotated(120.0 * i, 0.0, 0.0, 1.0);
        glTranslated(0.0, -40.0, 0.0);
        glScaled(0.8, 3.5, 1.0);
        SolidCube(10.0);
        glPopMatrix();
    }
    SetDiffuse(0.2f, 0.1f, 0.05f);
    glPushMatrix();
    glTranslated(0.0, 80.0, 10.0);
    quad.Cylinder(15.0, 10.0, 40.0);
    glTranslated(0.0, 0.0, 40.0);
    quad.Disk(0.0, 10.0);
    glPopMatrix();
}

// Body, barrel and quill pointing at the chuck, the centre on the quill, and
// the handwheel at the back.
void TailstockShape(const CQuadrics& quad)
{
    DrawPanelGroup(TailstockBodyPanels());
    glPushMatrix();
    glTranslated(70.0, 200.0, 0.0);
    Shell(50.0, 0.0, -140.0, 0.0, std::numbers::pi);
    SetDiffuse(0.5f, 0.5f, 0.5f);
    Shell(40.0, -140.0, -180.0, 0.0, 2.0 * std::numbers::pi);
    Shell(20.0, -180.0, -210.0, 0.0, 2.0 * std::numbers::pi);
    glRotated(-90.0, 0.0, 1.0, 0.0); // local z now points at the chuck
    SetDiffuse(0.4f, 0.3f, 0.25f);
    glPushMatrix();
    glRotated(180.0, 0.0, 1.0, 0.0);
    quad.Disk(0.0, 50.0);
    glPopMatrix();
    glTranslated(0.0, 0.0, 140.0);
    quad.Disk(0.0, 50.0);
    SetDiffuse(0.5f, 0.5f, 0.5f);
    glTranslated(0.0, 0.0, 40.0);
    quad.Disk(20.0, 40.0);
    glTranslated(0.0, 0.0, 30.0);
    SetDiffuse(0.2f, 0.1f, 0.05f);
    quad.Cylinder(20.0, 0.0, 24.0); // the centre
    glPopMatrix();
    glPushMatrix();
    glTranslated(80.0, 200.0, 0.0);
    glRotated(90.0, 0.0, 1.0, 0.0);
    Handwheel(quad);
    glPopMatrix();
}

// The nozzle is clamped to the turret behind and above the tool, so that it
// rides with the tool and its stream always lands on the cut.
constexpr double kNozzleBack = 45.0;  // across the bed, behind the tip
constexpr double kNozzleUp = 60.0;    // above the spindle axis
constexpr double kNozzleLength = 60.0;

double NozzleReach()
{
    return std::hypot(kNozzleBack, kNozzleUp);
}

void HoseShape(const CQuadrics& quad)
{
    // Drawn from the tip's point of view: pointing down its own +z at the tip.
    SetDiffuse(1.0f, 0.8f, 0.2f);
    glPushMatrix();
    glTranslated(0.0, 0.0, -kNozzleLength);
    for (int i = 0; i < 3; ++i) {
        quad.Cylinder(9.0, 9.0, 10.0);
        glTranslated(0.0, 0.0, 10.0);
    }
    SetDiffuse(0.7f, 0.8f, 0.9f);
    quad.Cylinder(9.0, 6.0, 10.0);
    glTranslated(0.0, 0.0, 10.0);
    quad.Cylinder(6.0, 3.0, kNozzleLength - 40.0);
    glPopMatrix();
}

void DoorFace(const SDoorFace& f)
{
    const SPoint3 corners[4] = {{f.x0, f.from.y, f.from.z}, {f.x0, f.to.y, f.to.z},
                                {f.x1, f.to.y, f.to.z}, {f.x1, f.from.y, f.from.z}};
    DrawFace(corners, 4);
}

void DoorHandle(double x)
{
    glPushMatrix();
    glTranslated(x, 220.0, 125.0);
    SolidCube(10.0);
    glTranslated(0.0, -60.0, 0.0);
    SolidCube(10.0);
    glTranslated(0.0, 30.0, 10.0);
    glScaled(1.0, 7.0, 1.0);
    SolidCube(10.0);
    glPopMatrix();
}

void DoorShape(const CQuadrics&)
{
    glEnable(GL_NORMALIZE);
    SetDiffuse(0.1f, 0.3f, 0.5f);
    for (const SDoorFace& face : DoorFaces())
        DoorFace(face);
    SetDiffuse(0.8f, 0.8f, 0.4f);
    DoorHandle(-100.0);
    DoorHandle(-300.0);
}

void WindowShape(const CQuadrics&)
{
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // Lightly tinted: the cut behind the shut door keeps its colours.
    glColor4f(0.8f, 0.9f, 1.0f, 0.12f);
    for (const SDoorFace& face : DoorWindowFaces())
        DoorFace(face);
    glDisable(GL_BLEND);
    glDisable(GL_COLOR_MATERIAL);
}

// A chip's fourth corner, besides A (0,0,0), B (5,0,0) and C (5,0,-10).
struct SChipLook {
    double spin;
    SPoint3 fourth;
};
constexpr SChipLook kChipLooks[6] = {
    {0, {0, 0, -2.5}}, {5, {0, 0, 0}}, {8, {5, 0, -10}},
    {-10, {5, 0, 0}}, {-5, {0, 0, 0}}, {5, {5, 0, -10}},
};

} // namespace

void CompileAccessoryLists(SSceneLists& lists, const CQuadrics& quad)
{
    lists.tailstock = CompileList(TailstockShape, quad);
    lists.hose = CompileList(HoseShape, quad);
    lists.door = CompileList(DoorShape, quad);
    lists.window = CompileList(WindowShape, quad);
    lists.droplet = CompileList([](const CQuadrics& q) { gluSphere(q.q, 1.0, 16, 16); }, quad);
}

void DrawAxisIndicator(const SDrawContext& ctx, const CCamera& cam)
{
    glPushMatrix();
    glTranslated(500.0, 100.0, 500.0);
    glRotated(cam.user_rot[0], 1.0, 0.0, 0.0);
    glRotated(cam.user_rot[1], 0.0, 1.0, 0.0);
    SetDiffuse(1.0f, 0.0f, 0.0f);
    Arrow(ctx.quad);
    glPushMatrix();
    glTranslated(0.0, 0.0, 100.0);
    Letter("X");
    glPopMatrix();
    SetDiffuse(0.5f, 0.1f, 0.9f);
    glRotated(90.0, 0.0, 1.0, 0.0);
    Arrow(ctx.quad);
    glRotated(-90.0, 0.0, 1.0, 0.0);
    glTranslated(150.0, 0.0, 0.0);
    Letter("Z");
    glPopMatrix();
}

void DrawTailstock(const SDrawContext& ctx)
{
    glPushMatrix();
    glTranslated(TailstockX(ctx.sim.switches), 452.5, 150.0);
    glCallList(ctx.lists.tailstock);
    glPopMatrix();
}

// Turns the local +z from the nozzle's mouth towards the tool tip.
void AimAtTip(const SDrawContext& ctx)
{
    const SBedPoint tip = ToolTipOfCarriage(ctx.pose.carriage);
    glTranslated(tip.x, scene::kAxisY + kNozzleUp, tip.z + kNozzleBack);
    glRotated(180.0 - std::atan2(kNozzleUp, kNozzleBack) * 180.0 / std::numbers::pi, 1.0, 0.0,
              0.0);
}

void DrawCoolant(const SDrawContext& ctx)
{
    if (ctx.mode == ERenderMode::Hidden)
        return;
    glPushMatrix();
    AimAtTip(ctx);
    glCallList(ctx.lists.hose);
    if (ctx.panel.m_bCoolant == 1) {
        glDisable(GL_LIGHTING);
        glColor3f(0.75f, 0.9f, 1.0f);
        // Droplets spread along the jet, each moved on by its phase.
        const double jet = NozzleReach();
        for (int i = 0; i < kDropletsPerFrame; ++i) {
            const double along = std::fmod(i / double(kDropletsPerFrame)
                                               + ctx.pose.droplets[i] / 5.0, 1.0);
            glPushMatrix();
            glTranslated(std::sin(i * 2.4) * 2.0, std::cos(i * 2.4) * 2.0, along * jet);
            glScaled(2.5, 2.5, 2.5);
            glCallList(ctx.lists.droplet);
            glPopMatrix();
        }
        glEnable(GL_LIGHTING);
    }
    glPopMatrix();
}

void DrawChips(const SDrawContext& ctx)
{
    const CSimulation& sim = ctx.sim;
    const int slice = SliceAt(sim.interp.cur_z);
    if (!ctx.pose.chipsFlying || slice < 0)
        return;
    const double a = sim.workpiece.profile_r[slice];
    const double angle = ctx.pose.chipAngle;
    glPushMatrix();
    glTranslated(sim.interp.cur_z, 0.0, a);
    glTranslated(scene::kChuckFaceX + sim.switches.stockLength, scene::kAxisY, 160.0);
    glDisable(GL_LIGHTING);
    glColor3f(1.0f, 1.0f, 0.0f);
    for (int i = 0; i < 6; ++i) {
        const CChip& chip = sim.anim.chips[i];
        const double turn = (i == 0 ? angle : angle + 10.0) + kChipLooks[i].spin;
        glPushMatrix();
        glTranslated(chip.t, chip.h, chip.w);
        glRotated(turn, 1.0, 1.0, 1.0);
        const SPoint3 corners[4] = {{0, 0, 0}, {5, 0, 0}, {5, 0, -10}, kChipLooks[i].fourth};
        DrawFace(corners, 4);
        glPopMatrix();
    }
    glEnable(GL_LIGHTING);
    glPopMatrix();
}

void DrawDoor(const SDrawContext& ctx)
{
    const double shift = ctx.pose.doorX;
    if (ctx.mode != ERenderMode::WireFrame && ctx.mode != ERenderMode::Solid)
        return;
    glPushMatrix();
    glTranslated(500.0 + shift, 275.0, 300.0);
    glCallList(ctx.lists.door);
    glCallList(ctx.lists.window);
    glPopMatrix();
}
