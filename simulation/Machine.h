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

// X and U read as diameters, as textbooks write them, or as radii. The
// program's reading and the panel's display change together, so that the
// screen never names a radius the program calls a diameter.
inline void SetDiameterProgramming(CMachine& machine, bool diameter)
{
    machine.sim.switches.diameterProgramming = diameter;
    machine.panel.m_bDiameter = diameter;
}
