#include "simulation/Interpreter.h"

#include "simulation/Simulation.h"

// The program run is filled in by the machining work; until then a start
// does nothing and no step moves the tool.
void StartSimulation(CSimulation&, const CVelmoraDoc&, CSimulationOutput&) {}

void StepSimulation(CSimulation&, const CPanelState&, CSimulationOutput&) {}
