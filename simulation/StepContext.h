#pragma once
// What one step works on, shared by the step of each node kind.
#include "panel/PanelState.h"
#include "simulation/Simulation.h"
#include "simulation/SimulationOutput.h"

struct SStepContext {
    CInterpreterState& in;
    CWorkpiece& work;
    const CSimulation& sim;
    CPanelState& panel;
    CSimulationOutput& out;
};

// The step of a 'G' node: G00/G01, G02/G03 and G32.
void StepMove(SStepContext& step, const MoveNode& node);

// Ends the run where it stands with a warning: the results stay shown.
void StopRun(SStepContext& step, int warningKind);
