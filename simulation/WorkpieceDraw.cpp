// The workpiece from its slice radii, and the tool-path trace.
//
// Neighbouring slices share their end faces, so only the bar's two end faces
// can be seen; the outer surface is drawn as one surface of revolution, one
// band per run of equal slices, with the same vertices and normals a quadric
// cylinder per slice would give.
#include "simulation/SceneParts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

const float kGrey[3] = {0.7f, 0.7f, 0.7f};
const float kYellow[3] = {1.0f, 1.0f, 0.0f};

// One band of the outer surface from radius a at z0 to radius b at z1.
void Band(const CQuadrics& quad, double a, double b, double z0, double z1)
{
    const double dr = a - b, h = z1 - z0;
    const double len = std::sqrt(dr * dr + h * h);
    const double zNormal = dr / len, xyNormal = h / len;
    glBegin(GL_QUAD_STRIP);
    for (int i = 0; i <= quad.slices; ++i) {
        const double angle = i == quad.slices ? 0.0 : 2.0 * std::numbers::pi * i / quad.slices;
        const double s = std::sin(angle), c = std::cos(angle);
        glNormal3d(xyNormal * s, xyNormal * c, zNormal);
        glVertex3d(a * s, a * c, z0);
        glVertex3d(b * s, b * c, z1);
    }
    glEnd();
}

// The bore and the two end faces of a bar from z0 (chuck side) to z1.
void BoreAndEnds(const CQuadrics& quad, double inner, double chuckR, double endR, double z0,
                 double z1)
{
    SetDiffuse(kGrey[0], kGrey[1], kGrey[2]);
    glPushMatrix();
    glTranslated(0.0, 0.0, z0);
    DrumBoreAndEnds(quad, inner, chuckR, endR, z1 - z0);
    glPopMatrix();
}

void UncutBar(const SDrawContext& ctx, int n)
{
    const double h = ctx.sim.workpiece.slice_len;
    const double r = ctx.sim.switches.stockOuterDiameter / 2.0;
    const double z0 = -(n - 1) * h, z1 = h;
    SetDiffuse(kGrey[0], kGrey[1], kGrey[2]);
    Band(ctx.quad, r, r, z0, z1);
    BoreAndEnds(ctx.quad, ctx.sim.switches.stockInnerDiameter / 2.0, r, r, z0, z1);
}

} // namespace

void CWorkpieceDrawer::DrawProfile(const SDrawContext& ctx) const
{
    const int n = SliceCount(ctx.sim.workpiece, ctx.sim.switches.stockLength);
    if (n <= 0)
        return;
    const auto& r = ctx.sim.workpiece.profile_r;
    const double h = ctx.sim.workpiece.slice_len;
    const double uncut = ctx.sim.switches.stockOuterDiameter / 2.0;
    // Slice k runs from z = -k h (chuck side, radius r[k + 1]) to -k h + h.
    auto chuckSide = [&](int k) { return k + 1 < n ? r[k + 1] : r[n - 1]; };
    const float* current = nullptr;
    int k = 0;
    while (k < n) {
        const float* colour = r[k] >= uncut ? kGrey : kYellow;
        int last = k;
        // A run of straight slices of one radius and colour is one band.
        while (last + 1 < n && chuckSide(last) == r[last] && r[last + 1] == r[k]
               && chuckSide(last + 1) == r[k])
            ++last;
        if (colour != current) {
            SetDiffuse(colour[0], colour[1], colour[2]);
            current = colour;
        }
        Band(ctx.quad, chuckSide(last), r[k], -last * h, -k * h + h);
        k = last + 1;
    }
    BoreAndEnds(ctx.quad, ctx.sim.switches.stockInnerDiameter / 2.0, r[n - 1], r[0],
                -(n - 1) * h, h);
}

void CWorkpieceDrawer::DrawWorkpiece(const SDrawContext& ctx) const
{
    const CSimulation& sim = ctx.sim;
    glPushMatrix();
    glTranslated(scene::kChuckFaceX + sim.switches.stockLength, scene::kAxisY, scene::kAxisZ);
    glRotated(90.0, 0.0, 1.0, 0.0);
    glFrontFace(GL_CCW);
    glEnable(GL_CULL_FACE);
    glRotated(ctx.pose.workpieceSpin, 0.0, 0.0, 1.0);
    const int n = SliceCount(sim.workpiece, sim.switches.stockLength);
    if (sim.interp.sim_running)
        DrawProfile(ctx);
    else if (n > 0)
        UncutBar(ctx, n);
    glDisable(GL_CULL_FACE);
    glPopMatrix();
}

void CWorkpieceDrawer::DrawTrace(const SDrawContext& ctx)
{
    const CSimulation& sim = ctx.sim;
    const CWorkpiece& w = sim.workpiece;
    if (!sim.switches.toolPathShown || w.nn <= 0)
        return;
    const std::vector<float>& trace = m_trace.Update(sim);
    const int kept = static_cast<int>(trace.size() / 3);
    if (kept == 0)
        return;
    const double length = sim.switches.stockLength;
    const double homeZ = scene::kHomeZ - length, homeX = scene::kHomeX;
    glPushMatrix();
    glDisable(GL_LIGHTING);
    glTranslated(scene::kChuckFaceX + 1.0 + length, scene::kAxisY, scene::kAxisZ + 1.0);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glHint(GL_LINE_SMOOTH_HINT, GL_DONT_CARE);
    glLineWidth(1.0f);
    glColor3f(1.0f, 0.0f, 0.0f);
    glBegin(GL_LINES);
    glVertex3d(homeZ, 0.0, homeX);
    glVertex3fv(&trace[0]);
    if (w.nn_end != 0) {
        glVertex3fv(&trace[3 * (kept - 1)]);
        glVertex3d(homeZ, 0.0, homeX);
    }
    glEnd();
    glColor3f(0.0f, 1.0f, 1.0f);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, trace.data());
    glDrawArrays(GL_LINE_STRIP, 0, kept);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_BLEND);
    glLineWidth(1.0f);
    glEnable(GL_LIGHTING);
    glPopMatrix();
}
