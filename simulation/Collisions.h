#pragma once
// A tool about to go where no real tool may: into the tailstock centre or
// the chuck jaws, through the bar at rapid traverse, or into the bar with
// the spindle standing. It stops the run with its warning.
#include "simulation/StepContext.h"

// True, with the run stopped, when the step that takes the tool tip from
// where it stands to (x, z) would collide.
bool Collides(SStepContext& step, const MoveNode& node, double x, double z);
