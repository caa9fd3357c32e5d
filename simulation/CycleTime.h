#pragma once
// The machining time a program would take on a real machine, from its
// statements rather than from how fast the picture runs: feeds at F mm/rev
// times S rev/min (F mm/min after G98), rapids at a stated rate, auxiliary
// functions and tool changes taking no time. The list builder gives every
// node its seconds as it goes; the steps count them off.
#include "simulation/Interpreter.h"

class CProcess;

// The rapid traverse rate the time assumes, mm/min.
inline constexpr double kRapidRate = 4000.0;

// What the time of a feed move depends on, modal as on a control: F and
// G98/G99 as the statements set them, S as the last M03/M04/M05 set it.
struct SFeedState {
    double f = 0.0;
    bool perMinute = false;
    double spindle = 0.0;
};

// The feed words of a statement whose G code is code (None without one).
void TakeFeed(SFeedState& feed, const CProcess& statement, ECode code);

// Seconds a 'G' node takes at this feed; a feed move with no feed or no
// spindle speed takes none, as does anything that does not move.
double NodeSeconds(const MoveNode& node, const SFeedState& feed);

// The tool share (0 to 1) of the way along the current node, or past its
// end: the run's time grows by that share of the node's seconds, and every
// run's with it.
void CountRunTime(CInterpreterState& in, double share, bool finished);
