#pragma once
// The workpiece as a stack of equal slices along the spindle axis, each with
// one outer radius, and the trace of the tool tip. Both are fixed arrays:
// cutting and recording never allocate, and nothing is written outside them.
#include <array>

struct CWorkpiece {
    static constexpr int kCapacity = 30000;

    double slice_len = 1.0;                    // mm; nothing changes it
    std::array<double, kCapacity> profile_r{}; // outer radius of slice i, slice 0 at the free end
    std::array<double, kCapacity> Dg_x{};      // trace: radius of each recorded tool-tip position
    std::array<double, kCapacity> Dg_z{};      // trace: Z of each recorded position
    int nn = 0;                                // trace points recorded
    int nn_end = 0;                            // nn when M02 ran; 0 while the program has not ended
    int quad_slices = 20;                      // subdivision of every quadric the view draws
    int quad_stacks = 1;
};

// Slices the stock occupies: its length over the slice length, truncated,
// never more than the profile holds.
int SliceCount(const CWorkpiece& work, double stockLength);

// A new run: every slice of the stock back to the stock's radius, the trace
// emptied.
void ResetWorkpiece(CWorkpiece& work, double stockOuterDiameter, double stockLength);

// The slice a tool position at z acts on, or -1 when it lies beyond the
// profile (or z is not a number).
int SliceAt(double z);

bool TraceHasRoom(const CWorkpiece& work);

// Stores the point at index nn; the caller counts it. Needs TraceHasRoom.
void RecordTracePoint(CWorkpiece& work, double x, double z);

// Lowers the slice under z (slice j covers depths j to j + 1 behind the
// face) to x when the tool is below its radius, never below 0; a position in
// front of the face (z > 0) or beyond the profile, or an x that is not a
// number, cuts nothing.
void CutAt(CWorkpiece& work, double x, double z);
