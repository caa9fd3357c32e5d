#pragma once
// The lathe's fixed shapes as data: the machine body's panel groups, the
// saddle, cross slide, turret block, tools, door and tailstock body. Plain
// numbers in the scene's millimetres; the drawing turns them into faces.
#include <vector>

struct SPoint2 {
    double y = 0.0, z = 0.0;
};
struct SPoint3 {
    double x = 0.0, y = 0.0, z = 0.0;
};
struct SRgbF {
    float r = 0.0f, g = 0.0f, b = 0.0f;
};
struct SBox {
    double x0, x1, y0, y1, z0, z1;
};
// A convex profile in the (y, z) plane, counter-clockwise, extruded along x.
struct SPrism {
    static constexpr int kMaxPoints = 12;
    double x0, x1;
    int count;
    SPoint2 profile[kMaxPoints];
    bool capLow = true, capHigh = true;
};
// One flat face of up to eight corners, counter-clockwise seen from outside.
struct SFace {
    int count;
    SPoint3 corners[8];
};
struct SPanelGroup {
    SRgbF colour;
    std::vector<SBox> boxes;
    std::vector<SPrism> prisms;
    std::vector<SFace> faces;
};

// The machine body's groups in drawing order.
const std::vector<SPanelGroup>& MachineBodyGroups();
const SPanelGroup& SaddlePanels();
const SPanelGroup& CrossSlidePanels();
const SPanelGroup& TurretBlockPanels();
const SPanelGroup& TailstockBodyPanels();

// The door's profile faces: (y, z) edges extruded over a span of x.
struct SDoorFace {
    SPoint2 from, to;
    double x0, x1;
};
const std::vector<SDoorFace>& DoorFaces();
const std::vector<SDoorFace>& DoorWindowFaces();
