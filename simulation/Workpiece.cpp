#include "simulation/Workpiece.h"

#include <algorithm>
#include <cmath>

int SliceCount(const CWorkpiece& work, double stockLength)
{
    const double slices = stockLength / work.slice_len;
    if (!(slices > 0.0))
        return 0;
    return slices >= CWorkpiece::kCapacity ? CWorkpiece::kCapacity : static_cast<int>(slices);
}

void ResetWorkpiece(CWorkpiece& work, double stockOuterDiameter, double stockLength)
{
    const int slices = SliceCount(work, stockLength);
    std::fill_n(work.profile_r.begin(), slices, stockOuterDiameter / 2.0);
    work.nn = 0;
    work.nn_end = 0;
}

int SliceAt(double z)
{
    // Only the distance from the end face counts; whether a position in
    // front of the face cuts is the cutter's question.
    const double depth = std::fabs(std::trunc(z));
    if (!(depth < CWorkpiece::kCapacity))
        return -1;
    return static_cast<int>(depth);
}

bool TraceHasRoom(const CWorkpiece& work) { return work.nn >= 0 && work.nn < CWorkpiece::kCapacity; }

void RecordTracePoint(CWorkpiece& work, double x, double z)
{
    work.Dg_x[static_cast<std::size_t>(work.nn)] = x;
    work.Dg_z[static_cast<std::size_t>(work.nn)] = z;
}

void CutAt(CWorkpiece& work, double x, double z)
{
    // In front of the face the tool is in the air.
    const int slice = SliceAt(z);
    if (slice < 0 || z > 0.0)
        return;
    // Past the spindle axis the tool has taken the whole slice.
    double& radius = work.profile_r[static_cast<std::size_t>(slice)];
    radius = std::min(radius, std::max(x, 0.0));
}
