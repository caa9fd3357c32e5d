#pragma once
// The machining time a program would take on a real machine, from its
// statements rather than from how fast the picture runs: feeds at F mm/rev
// times S rev/min (F mm/min after G98), rapids at a stated rate, auxiliary
// functions and tool changes taking no time.
#include "simulation/Interpreter.h"

// The rapid traverse rate the time assumes, mm/min.
inline constexpr double kRapidRate = 4000.0;

// Seconds for the motion records built from doc; a feed move with no feed
// or no spindle speed adds nothing.
double CycleTimeSeconds(const CInterpreterState& in, const CVelmoraDoc& doc);
