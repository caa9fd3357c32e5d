#pragma once
// A scene in the middle of machining, for pictures and the frame benchmark:
// a stepped, partly turned bar, a long tool-path trace, coolant on, chips
// flying and the door open.
struct CMachine;

struct SDemoScene {
    double stockLength = 200.0;
    double stockDiameter = 60.0;
    int tracePoints = 3000;
};

void SetUpMachiningScene(CMachine& machine, const SDemoScene& demo);
