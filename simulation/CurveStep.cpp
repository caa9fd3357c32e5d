// The frames of an arc and of a thread: each takes the tool at most 1 mm
// further, along the arc or along Z. An arc cuts every slice it passed over,
// exactly where it crosses into each; a thread cuts the slice under the tool
// to the flank of a 60° tool there.
#include "simulation/StepContext.h"
#include "simulation/Collisions.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kStep = 1.0; // mm a frame
constexpr double kFlank = 1.732; // tan 60°: how fast a 60° tool's flank rises from its point

// The pass's X at z: straight, or moving linearly to the end X for a taper.
double ThreadX(const MoveNode& node, double z)
{
    if (node.z1 == node.z0)
        return node.x1;
    return node.x0 + (node.x1 - node.x0) * (z - node.z0) / (node.z1 - node.z0);
}

// Distance along Z from z to the nearest root; roots repeat every lead from
// the pass's start.
double FromRoot(const MoveNode& node, double z)
{
    const double lead = node.f;
    if (!(lead > 0.0))
        return 0.0;
    const double along = std::fmod(std::fabs(z - node.z0), lead);
    return std::min(along, lead - along);
}

double FlankRadius(const MoveNode& node, double z) { return ThreadX(node, z) + kFlank * FromRoot(node, z); }

} // namespace

void StepArc(SStepContext& step, const MoveNode& node)
{
    CInterpreterState& in = step.in;
    const double before = in.seg_s;
    const double along = in.seg_started == 0 ? 0.0 : std::min(before + kStep, node.arc.Length());
    const SArcPoint p = PointAlong(node.arc, along);
    if (!HasRoom(step, p.z) || Collides(step, node, p.x, p.z))
        return;
    in.seg_s = along;
    in.cur_x = p.x, in.cur_z = p.z;
    if (in.seg_started == 0)
        CutAt(step.work, p.x, p.z);
    else
        CutAlongArc(step.work, node.arc, before, along);
    RecordAndShow(step, node, p.x, p.z);
    const double length = node.arc.Length();
    Finish(step, length > 0.0 ? along / length : 1.0, along >= length);
}

void StepThread(SStepContext& step, const MoveNode& node)
{
    CInterpreterState& in = step.in;
    const double length = std::fabs(node.z1 - node.z0);
    const double along = in.seg_started == 0 ? 0.0 : std::min(in.seg_s + kStep, length);
    const double z = node.z0 + (node.z1 >= node.z0 ? along : -along);
    const double x = ThreadX(node, z);
    if (!HasRoom(step, z) || Collides(step, node, x, z))
        return;
    in.seg_s = along;
    in.cur_x = x, in.cur_z = z;
    CutAt(step.work, FlankRadius(node, z), z);
    // The trace shows the pass's straight path, not the flanks.
    RecordAndShow(step, node, in.cur_x, z);
    Finish(step, length > 0.0 ? along / length : 1.0, along >= length);
}
