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
// One frame along an arc or a thread, from the node's start or where the
// last frame left it.
void StepArc(SStepContext& step, const MoveNode& node);
void StepThread(SStepContext& step, const MoveNode& node);

// What every move's frame does: stops the run instead of writing past the
// trace or the profile; records the point, reports the statement when the
// node begins and shows the position; counts the point and goes on to the
// next node once this one is finished, counting the machining time of the
// share of the node's path behind the tool.
bool HasRoom(SStepContext& step, double cutZ);
void RecordAndShow(SStepContext& step, const MoveNode& node, double x, double z);
void Finish(SStepContext& step, double share, bool finished);

// Ends the run where it stands with a warning: the results stay shown.
void StopRun(SStepContext& step, int warningKind);
