#pragma once
// A scene in the middle of machining, for pictures and the frame benchmark:
// a stepped, partly turned bar, a long tool-path trace, coolant on, chips
// flying and the door open.
struct CSimulation;
struct CPanelState;

struct SDemoScene {
    double stockLength = 200.0;
    double stockDiameter = 60.0;
    int tracePoints = 3000;
};

void SetUpMachiningScene(CSimulation& sim, CPanelState& panel, const SDemoScene& demo);
