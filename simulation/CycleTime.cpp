#include "simulation/CycleTime.h"

#include "program/Process.h"

#include <cmath>

namespace {

double PathLength(const MoveNode& node)
{
    if (node.code == ECode::G02 || node.code == ECode::G03)
        return node.arc.Length();
    if (node.code == ECode::G32)
        return std::fabs(node.z1 - node.z0);
    return std::hypot(node.x1 - node.x0, node.z1 - node.z0);
}

void SetRunSeconds(CInterpreterState& in, double seconds)
{
    in.total_seconds += seconds - in.run_seconds;
    in.run_seconds = seconds;
}

} // namespace

void TakeFeed(SFeedState& feed, const CProcess& statement, ECode code)
{
    if (code == ECode::G98 || code == ECode::G99)
        feed.perMinute = code == ECode::G98;
    if (const std::string_view f = statement.Get(EWord::F); !f.empty())
        feed.f = WordValue(f);
}

double NodeSeconds(const MoveNode& node, const SFeedState& feed)
{
    if (node.kind != 'G' || node.impossible || node.warning != 0)
        return 0.0;
    double rate = kRapidRate;
    if (node.code == ECode::G32)
        rate = node.f * feed.spindle;
    else if (node.code != ECode::G00)
        rate = feed.perMinute ? feed.f : feed.f * feed.spindle;
    return rate > 0.0 ? PathLength(node) / rate * 60.0 : 0.0;
}

void CountRunTime(CInterpreterState& in, double share, bool finished)
{
    const double seconds = in.Current().seconds;
    if (!finished) {
        SetRunSeconds(in, in.passed_seconds + seconds * share);
        return;
    }
    // Summed node by node as the builder summed them, so a whole run comes
    // to the cycle time exactly.
    in.passed_seconds += seconds;
    SetRunSeconds(in, in.passed_seconds);
}
