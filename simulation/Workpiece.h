#pragma once
// The workpiece as a stack of equal slices along the spindle axis, each with
// one outer radius, and the trace of the tool tip. Both are fixed arrays:
// cutting and recording never allocate.
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
