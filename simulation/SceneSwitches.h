#pragma once
// How the virtual machine is set up: stock, chuck, tailstock cone, door, the
// tool-path display and how the camera is moved and the model drawn. The
// scene commands change these; the drawing reads them on every frame, so a
// command shows at the next frame.

enum class EMouseMode { Rotate = 0, Pan = 1, Zoom = 2 };
enum class ERenderMode { WireFrame = 0, Solid = 1, Transparent = 2, Hidden = 3 };

struct CSceneSwitches {
    // Dragging turns the view from the start, so a new user sees the mouse
    // do something before finding the view menu.
    EMouseMode mouseMode = EMouseMode::Rotate;
    ERenderMode renderMode = ERenderMode::Solid;
    int coneInstalled = 0;
    int coneRemoved = 1;     // always !coneInstalled
    int toolPathShown = 0;
    double stockOuterDiameter = 0.0; // mm
    double stockInnerDiameter = 0.0; // mm, 0 for a solid bar
    double stockLength = 200.0;      // mm
    bool diameterProgramming = false; // X and U of the program are diameters
    double doorOffset = 0.0;         // slide position of the door, animated
    int chuckUnclamped = 0;
    int chuckClamped = 1;    // always !chuckUnclamped
    int doorClosed = 1;
};
