#pragma once
// A tool about to go where no real tool may: the tailstock centre when it
// is in. It stops the run with its warning.
#include "simulation/StepContext.h"

// True, with the run stopped, when the tool at (x, z) would collide.
bool Collides(SStepContext& step, const MoveNode& node, double x, double z);
