#pragma once
// Where the view commands put the camera: the start view, the workpiece
// framed, the front view that the part drawing is seen from, and the
// wheel's zoom steps. Plain math on the camera, like the mouse navigation.
#include "simulation/Camera.h"

struct CMachine;

struct SWorldBox {
    SVec3 lo, hi;
};

// The start view; the pivot stays where it is.
void ResetView(CCamera& cam);
// Keeps the camera's turn and moves it so that the box fills the pane of
// the given aspect (width over height), centred.
void FrameBox(CCamera& cam, const SWorldBox& box, double aspect);
// From the front of the drawing: looking down the machine's -Y, the spindle
// axis across the pane and the cross slide upright, framing the box.
void FrontView(CCamera& cam, const SWorldBox& box, double aspect);
// One step per wheel notch, each bringing the pivot the same fraction
// closer (positive notches) or farther.
void WheelZoom(CCamera& cam, int notches);

// The stock, and the tool tip when it stands near enough to be shown with it.
SWorldBox WorkpieceBox(const CMachine& machine);
// The centre of the stock, which the view turns about.
SVec3 WorkpieceCentre(const CMachine& machine);
