#pragma once
// Small drawing helpers the scene parts share: materials, flat faces with
// their normals, boxes, the solid cube and the quadrics.
#include "simulation/SceneGeometry.h"

#include <GL/gl.h>
#include <GL/glu.h>

// Front diffuse material colour of the next part.
void SetDiffuse(float r, float g, float b);
inline void SetDiffuse(const SRgbF& c) { SetDiffuse(c.r, c.g, c.b); }

// The normal of the plane through a face's first three corners; a
// degenerate face gets (0, 0, 1).
SPoint3 FaceNormal(const SPoint3& a, const SPoint3& b, const SPoint3& c);
// One flat polygon with its normal.
void DrawFace(const SPoint3* corners, int count);
void DrawBox(const SBox& box);
// A prism: a profile in the (y, z) plane extruded along x.
void DrawPrism(const SPrism& prism);
void DrawPanelGroup(const SPanelGroup& group);

// glutSolidCube once GLUT is up; the same cube drawn here otherwise.
void SolidCube(double size);
// Brings GLUT up when a display is there; safe to call more than once.
void InitGlutOnce();

// One quadric for the whole view, with the view's subdivision.
struct CQuadrics {
    GLUquadric* q = nullptr;
    int slices = 20;
    int stacks = 1;
    void Cylinder(double base, double top, double height) const
    {
        gluCylinder(q, base, top, height, slices, stacks);
    }
    void Disk(double inner, double outer) const { gluDisk(q, inner, outer, slices, 1); }
    void Inside(bool inside) const { gluQuadricOrientation(q, inside ? GLU_INSIDE : GLU_OUTSIDE); }
};

// The bore (none when inner is 0) and the two end faces of a drum along z
// from 0 to length, its outer radius start at 0 and end at length; the
// outside is the caller's.
void DrumBoreAndEnds(const CQuadrics& quad, double inner, double start, double end, double length);
// A drum with a bore, faced at both ends.
void BoredDrum(const CQuadrics& quad, double inner, double outer, double length);

// A display list holding what draw draws with the view's quadric.
GLuint CompileList(void (*draw)(const CQuadrics&), const CQuadrics& quad);
