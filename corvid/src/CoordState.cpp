#include "CoordState.h"

namespace corvid {

SCoordState& Coord()
{
    static SCoordState state;
    return state;
}

void ClearCoordinateState()
{
    SCoordState& state = Coord();
    const SCoordState fresh;
    state.mapping = fresh.mapping;
    state.mapped = fresh.mapped;
    state.limitSet = fresh.limitSet;
    state.accelerationLimit = fresh.accelerationLimit;
    state.independent = fresh.independent;
}

}  // namespace corvid
