// Floor, machine body with its nameplate, feed rod and headstock levers.
#include "simulation/GlText.h"
#include "simulation/SceneParts.h"

#include <array>

namespace {

constexpr int kTextureSize = 64;

// Grey squares of 4 x 4 texels in two shades.
GLuint MakeFloorTexture()
{
    static std::array<GLubyte, kTextureSize * kTextureSize * 3> texels;
    for (int row = 0; row < kTextureSize; ++row)
        for (int col = 0; col < kTextureSize; ++col) {
            const GLubyte shade = ((row & 4) == (col & 4)) ? 127 : 165;
            GLubyte* t = &texels[(row * kTextureSize + col) * 3];
            t[0] = t[1] = t[2] = shade;
        }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, kTextureSize, kTextureSize, 0, GL_RGB,
                 GL_UNSIGNED_BYTE, texels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return texture;
}

void FloorQuad(GLuint texture)
{
    glPushMatrix();
    glTranslated(600.0, 0.0, 0.0);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glBegin(GL_QUADS);
    glNormal3d(0.0, 1.0, 0.0);
    glTexCoord2d(0.0, 0.0);
    glVertex3d(-2000.0, 0.0, -2000.0);
    glTexCoord2d(0.0, 1.0);
    glVertex3d(-2000.0, 0.0, 2000.0);
    glTexCoord2d(1.0, 1.0);
    glVertex3d(2000.0, 0.0, 2000.0);
    glTexCoord2d(1.0, 0.0);
    glVertex3d(2000.0, 0.0, -2000.0);
    glEnd();
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
}

void Nameplate()
{
    glPushMatrix();
    glTranslated(100.0, 350.0, 430.0);
    glScaled(50.0, 50.0, 2.0);
    SetDiffuse(1.0f, 0.2f, 0.0f);
    DrawText3D(gltext::kThickBase, "CK0625");
    glPopMatrix();
}

void FeedRod(const CQuadrics& quad)
{
    glPushMatrix();
    glRotated(90.0, 0.0, 1.0, 0.0);
    glTranslated(-340.0, 350.0, 0.0);
    SetDiffuse(0.9f, 0.9f, 0.9f);
    quad.Cylinder(10.0, 10.0, 1100.0);
    glTranslated(0.0, 0.0, 1100.0);
    quad.Cylinder(18.0, 18.0, 100.0);
    glTranslated(0.0, 0.0, 100.0);
    quad.Disk(0.0, 18.0);
    glPopMatrix();
}

void Lever(const CQuadrics& quad, double swing)
{
    quad.Cylinder(24.4, 24.4, 12.2);
    glPushMatrix();
    glTranslated(0.0, 0.0, 12.2);
    quad.Disk(0.0, 24.4);
    glPopMatrix();
    glPushMatrix();
    glRotated(90.0, 1.0, 0.0, 0.0);
    glRotated(swing, 0.0, 1.0, 0.0);
    quad.Cylinder(5.0, 5.0, 60.0);
    glPopMatrix();
}

void HeadstockLevers(const CQuadrics& quad)
{
    glPushMatrix();
    glTranslated(160.0, 675.0, 314.0);
    SetDiffuse(1.0f, 1.0f, 1.0f);
    Lever(quad, -30.0);
    glTranslated(83.3, 0.0, 1.2);
    Lever(quad, 25.0);
    glPopMatrix();
}

} // namespace

void CompileMachineLists(SSceneLists& lists, const CQuadrics& quad)
{
    lists.floorTexture = MakeFloorTexture();
    lists.floor = glGenLists(1);
    glNewList(lists.floor, GL_COMPILE);
    FloorQuad(lists.floorTexture);
    glEndList();

    lists.body = glGenLists(1);
    glNewList(lists.body, GL_COMPILE);
    for (const SPanelGroup& group : MachineBodyGroups())
        DrawPanelGroup(group);
    glPushMatrix();
    glTranslated(1120.0, 350.0, 350.0);
    glScaled(1.0, 1.0, 1.7);
    SolidCube(55.0);
    glPopMatrix();
    glPushMatrix();
    glTranslated(370.0, 350.0, 350.0);
    glScaled(1.0, 1.0, 1.7);
    SolidCube(55.0);
    glPopMatrix();
    Nameplate();
    FeedRod(quad);
    HeadstockLevers(quad);
    glEndList();
}

void DrawFloor(const SDrawContext& ctx)
{
    glCallList(ctx.lists.floor);
}

void DrawMachineBody(const SDrawContext& ctx)
{
    glCallList(ctx.lists.body);
}
