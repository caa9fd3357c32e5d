#pragma once
// The turret's tools by their type, as flat faces in the tool's own frame:
// the cutting point at (-9, 0, 0), the shank rising along +z away from the
// work, 16 wide along the bed (x) and 10 high (y).
#include "simulation/SceneGeometry.h"

namespace tool_shape {
inline constexpr double kTipX = -9.0;
}

// The grooving tool's width as the tool library gives it, in mm.
double GroovingToolWidth();

SPanelGroup TurningToolShape();
// A blade of the groove's width, running from the cutting point towards +x.
SPanelGroup GroovingToolShape(double width);
// A symmetric 60 degree point.
SPanelGroup ThreadingToolShape();
