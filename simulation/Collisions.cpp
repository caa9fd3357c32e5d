#include "simulation/Collisions.h"

#include "simulation/Interpreter.h"
#include "simulation/Warnings.h"

namespace {

// Half the tailstock centre's cone at its widest, mm.
constexpr double kCentreRadius = 10.0;

} // namespace

bool Collides(SStepContext& step, const MoveNode& /*node*/, double x, double z)
{
    // In front of the bar's end, near the axis, stands the centre's cone.
    const bool hitsCentre = step.sim.switches.coneInstalled != 0 && z > 0.0 && x < kCentreRadius;
    if (hitsCentre)
        StopRun(step, kWarnToolHitsCentre);
    return hitsCentre;
}
