// Spindle nose, chuck body and the three jaws that travel as the chuck opens.
#include "simulation/SceneParts.h"

namespace {

// One jaw: four stacked steps, each scaled on top of the last.
void JawShape(const CQuadrics&)
{
    glScaled(1.0, 0.5, 1.0);
    SolidCube(20.0);
    glTranslated(0.0, -20.0, 0.0);
    glScaled(1.8, 1.0, 1.0);
    SolidCube(20.0);
    glTranslated(0.0, -20.0, 0.0);
    glScaled(1.6, 1.0, 1.0);
    SolidCube(20.0);
    glTranslated(0.0, -20.0, 0.0);
    glScaled(1.3, 2.0, 1.0);
    SolidCube(20.0);
}

void SpindleNoseShape(const CQuadrics& quad)
{
    glPushMatrix();
    glTranslated(300.0, scene::kAxisY, scene::kAxisZ);
    glRotated(90.0, 0.0, 1.0, 0.0);
    SetDiffuse(0.15f, 0.1f, 0.1f);
    quad.Cylinder(75.0, 75.0, 20.0);
    quad.Cylinder(65.0, 65.0, 60.0);
    glTranslated(0.0, 0.0, 20.0);
    quad.Disk(65.0, 75.0);
    glPopMatrix();
}

// A drum with a bore, faced at both ends; placed and turned by the caller.
void ChuckBodyShape(const CQuadrics& quad)
{
    SetDiffuse(0.6f, 0.4f, 0.1f);
    BoredDrum(quad, 40.0, 75.0, 100.0);
}

} // namespace

void CompileChuckLists(SSceneLists& lists, const CQuadrics& quad)
{
    lists.jaw = CompileList(JawShape, quad);
    lists.spindleNose = CompileList(SpindleNoseShape, quad);
    lists.chuckBody = CompileList(ChuckBodyShape, quad);
}

void DrawChuckJaws(const SDrawContext& ctx)
{
    const SJawPose& pose = ctx.pose.jaws;
    glPushMatrix();
    glTranslated(450.0, scene::kAxisY, scene::kAxisZ);
    glRotated(pose.spin, 1.0, 0.0, 0.0);
    SetDiffuse(0.0f, 0.0f, 0.0f);
    for (int i = 0; i < 3; ++i) {
        glPushMatrix();
        glRotated(120.0 * i, 1.0, 0.0, 0.0);
        glTranslated(-6.0, pose.height, 0.0);
        glCallList(ctx.lists.jaw);
        glPopMatrix();
    }
    glPopMatrix();
}

void DrawSpindleNoseAndChuck(const SDrawContext& ctx)
{
    glCallList(ctx.lists.spindleNose);
    glPushMatrix();
    glTranslated(300.0 + 45.4, scene::kAxisY, scene::kAxisZ);
    glRotated(90.0, 0.0, 1.0, 0.0);
    glRotated(ctx.pose.chuckSpin, 0.0, 0.0, 1.0);
    glCallList(ctx.lists.chuckBody);
    glPopMatrix();
}
