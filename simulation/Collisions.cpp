#include "simulation/Collisions.h"

#include "simulation/Interpreter.h"
#include "simulation/SceneFrame.h"
#include "simulation/Warnings.h"

#include <algorithm>
#include <cmath>

namespace {

// Half the tailstock centre's cone at its widest, mm.
constexpr double kCentreRadius = 10.0;

// Closer than this the tool only touches a surface: rounding of a sloped
// path must not turn a pass along the finished diameter into a collision.
constexpr double kTouch = 1e-6;

// The jaws as the chuck drawing builds them, swept round by the spindle.
// Each jaw is four steps stacked towards the axis below its height h (the
// jaw's first translation, JawHeight): a step of the 20 mm cube scaled by
// s along the axis stands centred 6 mm behind x = 450 of the world, so its
// front face is 10 s - 11 mm in front of the stock's chuck end at 455. The
// tool's body rises from its tip away from the axis, so a tip at radius x
// meets every step whose top is above x, and the one reaching furthest out
// is the first below.
struct SJawStep {
    double top;   // radius of the step's outer face, from h
    double front; // its front face, mm in front of the stock's chuck end
};
constexpr SJawStep kJawSteps[] = {
    {-20.0, 26.44}, // s = 1 x 1.8 x 1.6 x 1.3, from h - 40
    {-15.0, 17.8},  // s = 1 x 1.8 x 1.6
    {-5.0, 7.0},    // s = 1 x 1.8
    {5.0, -1.0},    // s = 1, up to h + 5
};

bool HitsCentre(const CSimulation& sim, double x, double z)
{
    // In front of the bar's end, near the axis, stands the centre's cone.
    return sim.switches.coneInstalled != 0 && z > 0.0 && x < kCentreRadius;
}

// Behind the jaws the chuck body, a drum of radius 75 drawn from x = 345.4
// to 445.4 of the world, its face 9.6 mm behind the stock's chuck end.
constexpr double kChuckBodyRadius = 75.0, kChuckBodyFront = -9.6;

bool HitsChuck(const CSimulation& sim, double x, double z)
{
    const double height = JawHeight(sim), chuckEnd = -sim.switches.stockLength;
    for (const SJawStep& jaw : kJawSteps) {
        if (x < height + jaw.top)
            return z < chuckEnd + jaw.front;
    }
    return x < kChuckBodyRadius && z < chuckEnd + kChuckBodyFront;
}

// The bar's radius where a step to z cuts, as CutAt takes it, 0 where there
// is none. A rapid straight in X on the boundary of two slices slides along
// the face of the higher one, inside only the lower: how a turning cycle's
// infeed meets a shoulder. Feed moves keep CutAt's rule, so a step is a cut
// exactly when it takes material off the drawn part.
double RadiusAt(const CSimulation& sim, double z, bool alongFace)
{
    const int slice = SliceAt(z);
    if (z > 0.0 || slice < 0 || slice >= SliceCount(sim.workpiece, sim.switches.stockLength))
        return 0.0;
    const auto& r = sim.workpiece.profile_r;
    const auto at = static_cast<std::size_t>(slice);
    if (!alongFace || z != std::trunc(z))
        return r[at];
    return at == 0 ? 0.0 : std::min(r[at], r[at - 1]);
}

// Whether going in to radius x from prevX at z crosses material: the bar
// as it stands cut, less its bore. Going out crosses only where the tool's
// own body already stands, so only the end point counts then.
bool CrossesMaterial(const CSimulation& sim, double prevX, double x, double z, bool alongFace)
{
    const double outer = RadiusAt(sim, z, alongFace);
    const double bore = sim.switches.stockInnerDiameter / 2.0;
    return x < outer - kTouch && std::max(x, prevX) > bore + kTouch;
}

bool SpindleStands(const SStepContext& step) { return step.panel.m_nSpindle == ESpindle::Stopped; }

int CollisionAt(const SStepContext& step, const MoveNode& node, double x, double z)
{
    const CSimulation& sim = step.sim;
    if (HitsCentre(sim, x, z))
        return kWarnToolHitsCentre;
    if (HitsChuck(sim, x, z))
        return kWarnToolHitsChuck;
    // The first point of a node is where the last one left the tool, but
    // for a straight move in X, which is made in its first step.
    const bool line = node.code == ECode::G00 || node.code == ECode::G01;
    const bool plunge = line && node.z0 == node.z1 && node.x0 != node.x1;
    const bool standing = step.in.seg_started == 0 && !plunge;
    const bool rapid = node.code == ECode::G00;
    if (standing || !CrossesMaterial(sim, step.in.cur_x, x, z, rapid && plunge))
        return 0;
    if (rapid)
        return kWarnRapidIntoWork;
    return SpindleStands(step) ? kWarnCutSpindleStopped : 0;
}

} // namespace

bool Collides(SStepContext& step, const MoveNode& node, double x, double z)
{
    const int warning = CollisionAt(step, node, x, z);
    if (warning != 0)
        StopRun(step, warning);
    return warning != 0;
}
