#include "simulation/GlScene.h"

#include <QGuiApplication>

#include <GL/freeglut.h>

#include <cmath>
#include <cstdlib>

void SetDiffuse(float r, float g, float b)
{
    const GLfloat colour[4] = {r, g, b, 1.0f};
    glMaterialfv(GL_FRONT, GL_DIFFUSE, colour);
}

SPoint3 FaceNormal(const SPoint3& a, const SPoint3& b, const SPoint3& c)
{
    const double ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
    const double vx = c.x - a.x, vy = c.y - a.y, vz = c.z - a.z;
    const double nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
    const double len = std::sqrt(nx * nx + ny * ny + nz * nz);
    if (len == 0.0)
        return {0.0, 0.0, 1.0};
    return {nx / len, ny / len, nz / len};
}

void DrawFace(const SPoint3* corners, int count)
{
    const SPoint3 n = FaceNormal(corners[0], corners[1], corners[2]);
    glBegin(GL_POLYGON);
    glNormal3d(n.x, n.y, n.z);
    for (int i = 0; i < count; ++i)
        glVertex3d(corners[i].x, corners[i].y, corners[i].z);
    glEnd();
}

void DrawBox(const SBox& b)
{
    const SPoint3 faces[6][4] = {
        {{b.x0, b.y0, b.z1}, {b.x1, b.y0, b.z1}, {b.x1, b.y1, b.z1}, {b.x0, b.y1, b.z1}},
        {{b.x1, b.y0, b.z0}, {b.x0, b.y0, b.z0}, {b.x0, b.y1, b.z0}, {b.x1, b.y1, b.z0}},
        {{b.x0, b.y1, b.z1}, {b.x1, b.y1, b.z1}, {b.x1, b.y1, b.z0}, {b.x0, b.y1, b.z0}},
        {{b.x0, b.y0, b.z0}, {b.x1, b.y0, b.z0}, {b.x1, b.y0, b.z1}, {b.x0, b.y0, b.z1}},
        {{b.x1, b.y0, b.z1}, {b.x1, b.y0, b.z0}, {b.x1, b.y1, b.z0}, {b.x1, b.y1, b.z1}},
        {{b.x0, b.y0, b.z0}, {b.x0, b.y0, b.z1}, {b.x0, b.y1, b.z1}, {b.x0, b.y1, b.z0}},
    };
    for (const auto& face : faces)
        DrawFace(face, 4);
}

void DrawPrism(const SPrism& p)
{
    const int n = p.count;
    for (int i = 0; i < n; ++i) {
        const SPoint2& a = p.profile[i];
        const SPoint2& b = p.profile[(i + 1) % n];
        const SPoint3 side[4] = {{p.x0, a.y, a.z}, {p.x0, b.y, b.z}, {p.x1, b.y, b.z},
                                 {p.x1, a.y, a.z}};
        DrawFace(side, 4);
    }
    SPoint3 cap[SPrism::kMaxPoints];
    for (int i = 0; i < n; ++i)
        cap[i] = {p.x1, p.profile[i].y, p.profile[i].z};
    if (p.capHigh)
        DrawFace(cap, n);
    for (int i = 0; i < n; ++i)
        cap[i] = {p.x0, p.profile[n - 1 - i].y, p.profile[n - 1 - i].z};
    if (p.capLow)
        DrawFace(cap, n);
}

void DrawPanelGroup(const SPanelGroup& group)
{
    SetDiffuse(group.colour);
    for (const SBox& box : group.boxes)
        DrawBox(box);
    for (const SPrism& prism : group.prisms)
        DrawPrism(prism);
    for (const SFace& face : group.faces)
        DrawFace(face.corners, face.count);
}

namespace {
bool g_glutUp = false;

void OwnCube(double size)
{
    const double h = size / 2.0;
    DrawBox({-h, h, -h, h, -h, h});
}
} // namespace

void InitGlutOnce()
{
    // GLUT opens the X display itself and ends the process when it cannot:
    // only where Qt already draws on that display.
    if (g_glutUp || std::getenv("DISPLAY") == nullptr
        || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    int argc = 1;
    char name[] = "velmora";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    g_glutUp = true;
}

void SolidCube(double size)
{
    if (g_glutUp)
        glutSolidCube(size);
    else
        OwnCube(size);
}

void DrumBoreAndEnds(const CQuadrics& quad, double inner, double start, double end, double length)
{
    if (inner > 0.0) {
        quad.Inside(true);
        quad.Cylinder(inner, inner, length);
        quad.Inside(false);
    }
    glPushMatrix();
    glRotated(180.0, 0.0, 1.0, 0.0);
    quad.Disk(inner, start);
    glPopMatrix();
    glPushMatrix();
    glTranslated(0.0, 0.0, length);
    quad.Disk(inner, end);
    glPopMatrix();
}

void BoredDrum(const CQuadrics& quad, double inner, double outer, double length)
{
    DrumBoreAndEnds(quad, inner, outer, outer, length);
    quad.Cylinder(outer, outer, length);
}

GLuint CompileList(void (*draw)(const CQuadrics&), const CQuadrics& quad)
{
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    draw(quad);
    glEndList();
    return list;
}
