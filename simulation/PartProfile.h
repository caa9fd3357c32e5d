#pragma once
// The machined part as its drawing sees it: the cylindrical steps found in
// the slice radii, the outline as cut (chamfers and arcs included), and the
// measurements a drawing gives. Coordinates are the program's: Z along the
// axis with the end face at 0 and the part behind it (negative), X a radius.
#include <span>
#include <string>
#include <vector>

struct CSimulation;
struct CInterpreterState;

struct SPartPoint {
    double z = 0.0, x = 0.0;
};

// A cylindrical step; its length runs from the middle of the transition on
// one side to the middle of the one on the other, so that the steps' lengths
// add up to the overall length.
struct SPartStep {
    double zRight = 0.0, zLeft = 0.0; // zLeft < zRight
    double radius = 0.0;
    double Length() const { return zRight - zLeft; }
};

struct SPartProfile {
    double stockRadius = 0.0;
    double boreRadius = 0.0;
    double zFace = 0.0;  // the end face, after any facing cut
    double zChuck = 0.0; // where the stock's length ends
    std::vector<SPartPoint> outline; // from the end face's top to the chuck end
    std::vector<SPartStep> steps;    // from the end face towards the chuck
    double Length() const { return zFace - zChuck; }
};

// Slice i covers Z from -(i + 1) to -i slice lengths; radii at or below the
// bore are cut away.
SPartProfile AnalyseProfile(std::span<const double> radii, double sliceLength,
                            double stockDiameter, double boreDiameter);
// The part the simulation has machined so far.
SPartProfile PartOf(const CSimulation& sim);

// The step under z, or null where the part is not cylindrical.
const SPartStep* StepAt(const SPartProfile& part, double z);

struct SMeasurement {
    double distance = 0.0, dx = 0.0, dz = 0.0;
};
SMeasurement Measure(SPartPoint from, SPartPoint to);
// The outline's corner nearest p when one lies within reach, else p: a click
// near a corner measures from the corner itself.
SPartPoint SnapToCorner(const SPartProfile& part, SPartPoint p, double reach);

// End points of the program's moves in order: the contour it describes.
std::vector<SPartPoint> ProgrammedContour(const CInterpreterState& interp);

// Texts of the drawing: "Φ30.00" and a length "20.00".
std::string DiameterText(double radius);
std::string DimensionText(double length);
