#include "simulation/CycleTime.h"

#include "program/Process.h"

namespace {

void SetRunSeconds(CInterpreterState& in, double seconds)
{
    in.total_seconds += seconds - in.run_seconds;
    in.run_seconds = seconds;
}

} // namespace

void ChangeFeed(SFeedState& feed, double f, bool perMinute)
{
    if (!std::isnan(f))
        feed.f = f;
    feed.perMinute = perMinute;
    TakeSpindle(feed, feed.spindle);
}

void TakeSpindle(SFeedState& feed, double speed)
{
    feed.spindle = speed;
    // Worked out once for all the moves at this feed: a division a node
    // would show in a start.
    const double rate = feed.perMinute ? feed.f : feed.f * feed.spindle;
    feed.feedSecondsPerMm = rate > 0.0 ? 60.0 / rate : 0.0;
}

double CycleTimeSeconds(const CInterpreterState& in)
{
    double seconds = 0.0;
    for (const MoveNode& node : in.nodes) {
        seconds += NodeSeconds(node);
        if (node.kind == 'M' && node.code == ECode::M02)
            break; // what follows the end never runs
    }
    return seconds;
}

void CountRunTime(CInterpreterState& in, double share, bool finished)
{
    const double seconds = NodeSeconds(in.Current());
    if (!finished) {
        SetRunSeconds(in, in.passed_seconds + seconds * share);
        return;
    }
    // Summed node by node as the builder summed them, so a whole run comes
    // to the cycle time exactly.
    in.passed_seconds += seconds;
    SetRunSeconds(in, in.passed_seconds);
}
