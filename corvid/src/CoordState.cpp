#include "CoordState.h"

namespace corvid {

void ClearCoordinateState(SCoordState& state)
{
    const SCoordState fresh;
    state.mapping = fresh.mapping;
    state.mapped = fresh.mapped;
    state.limitSet = fresh.limitSet;
    state.accelerationLimit = fresh.accelerationLimit;
    state.independent = fresh.independent;
}

}  // namespace corvid
