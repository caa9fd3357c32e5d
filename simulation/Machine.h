#pragma once
// The whole machine as the application holds it: the simulation (scene
// switches, turret, workpiece, running program, animation) and the manual
// state the operator panel sets. The application owns one and hands it by
// reference to the panel, the view, the dialogs and the tools; the headless
// runner and tests own theirs, so all of them drive the same state.
#include "panel/PanelState.h"
#include "simulation/Simulation.h"

struct CMachine {
    CSimulation sim;
    CPanelState panel;
};
