#pragma once
// The machining time a program would take on a real machine, from its
// statements rather than from how fast the picture runs: feeds at F mm/rev
// times S rev/min (F mm/min after G98), rapids at a stated rate, auxiliary
// functions and tool changes taking no time. The list builder gives every
// node its rate as it goes; the steps count the seconds off, and the whole
// program's are summed only when asked, so that a start does not pay for a
// length of every node.
#include "program/Process.h"
#include "simulation/Interpreter.h"

#include <cmath>

// The rapid traverse rate the time assumes, mm/min.
inline constexpr double kRapidRate = 4000.0;

// What the time of a feed move depends on, modal as on a control: F and
// G98/G99 as the statements set them, S as the last M03/M04/M05 set it.
struct SFeedState {
    double f = 0.0;
    bool perMinute = false;
    double spindle = 0.0;
    double feedSecondsPerMm = 0.0; // of a feed move at these, 0 without a rate
};

// A change of F (NaN: none) or of G98/G99.
void ChangeFeed(SFeedState& feed, double f, bool perMinute);
// The speed M03, M04 or M05 sets.
void TakeSpindle(SFeedState& feed, double speed);

// The feed of a statement whose G code is code (None without one). Inline,
// as what every statement of a start pays: most change nothing, and the
// statement read its F word's value when it was made.
inline void TakeFeed(SFeedState& feed, const CProcess& statement, ECode code)
{
    const bool perMinute = code == ECode::G98 || (code != ECode::G99 && feed.perMinute);
    const double f = statement.FeedValue();
    if ((!std::isnan(f) && f != feed.f) || perMinute != feed.perMinute)
        ChangeFeed(feed, f, perMinute);
}

inline double PathLength(const MoveNode& node)
{
    if (node.code == ECode::G02 || node.code == ECode::G03)
        return node.arc.Length();
    if (node.code == ECode::G32)
        return std::fabs(node.z1 - node.z0);
    const double dx = node.x1 - node.x0, dz = node.z1 - node.z0;
    return std::sqrt(dx * dx + dz * dz);
}

// The seconds of the whole node: a rapid at the rapid rate, a thread at its
// lead a turn, a feed move as the builder timed it; a move with no feed or
// no spindle speed takes none, as does anything that does not move.
inline double NodeSeconds(const MoveNode& node)
{
    if (node.kind != 'G' || node.impossible || node.warning != 0)
        return 0.0;
    double perMm = node.seconds_per_mm;
    if (node.code == ECode::G00) {
        perMm = 60.0 / kRapidRate;
    } else if (node.code == ECode::G32) {
        const double rate = node.f * node.s;
        perMm = rate > 0.0 ? 60.0 / rate : 0.0;
    }
    return perMm == 0.0 ? 0.0 : PathLength(node) * perMm;
}

// The whole program's seconds, to its end (M02 or M30): node by node, in
// the order a run counts them, so a run that is not stopped ends with
// run_seconds equal to this.
double CycleTimeSeconds(const CInterpreterState& in);

// The tool share (0 to 1) of the way along the current node, or past its
// end: the run's time grows by that share of the node's seconds, and every
// run's with it.
void CountRunTime(CInterpreterState& in, double share, bool finished);
