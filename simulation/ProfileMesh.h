#pragma once
// The machined part as a closed triangle mesh: the profile's slices (and the
// bore of a tube) revolved about the spindle axis. Triangles wind
// counter-clockwise seen from outside, so the normals point out.
#include <array>
#include <vector>

struct CWorkpiece;

using TVertex = std::array<float, 3>; // x, y across the axis; z along it
struct STriangle {
    TVertex a, b, c;
};

struct SPartShape {
    double outerDiameter = 0.0;
    double innerDiameter = 0.0;
    double length = 0.0;
};

inline constexpr int kMeshSegments = 64; // around the axis

// One closed shell per run of slices that still hold material; a slice cut
// down to the bore (or the axis) separates them.
std::vector<STriangle> RevolveProfile(const CWorkpiece& work, const SPartShape& stock,
                                      int segments = kMeshSegments);

// Volume enclosed by a mesh with outward normals.
double MeshVolume(const std::vector<STriangle>& mesh);
