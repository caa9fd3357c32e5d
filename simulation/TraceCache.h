#pragma once
// The tool path as drawn: a merged copy of the recorded trace points, kept
// between frames so that a long run is not walked again every frame.
#include <vector>

struct CSimulation;

class CTraceCache {
public:
    // Takes the points recorded since the last call, starting afresh when a
    // new run has begun; (Z, 0, X) per kept point.
    const std::vector<float>& Update(const CSimulation& sim);

private:
    void Append(double z, double x);
    std::vector<float> m_points;
    int m_taken = 0; // trace points taken so far
    int m_run = -1;  // the run they belong to
};
