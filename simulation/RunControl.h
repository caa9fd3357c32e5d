#pragma once
// The operator's control of a run: cycle start and feed hold, single block,
// E-STOP and RESET, the speed choice and the feed override dial, and the
// interlocks that must hold while a program runs.
#include "simulation/Interpreter.h"

struct CMachine;
struct CTurretState;

enum class ERunState { Idle, Running, Held, Stopped, Ended };

ERunState RunState(const CInterpreterState& in);
// running, held, stopped or ended; empty before the first start.
const char* RunStateName(ERunState state);

// The station the last T statement chose; station 1 before any.
int CuttingStation(const CInterpreterState& in);
bool StationHoldsTool(const CTurretState& turret, int station);

// Ends a running or held run where it stands; the part stays as cut.
void StopRunNow(CInterpreterState& in);
void HoldRun(CInterpreterState& in);
void ResumeRun(CInterpreterState& in);
// The cycle-start key: a held run goes on, a running one is left alone,
// anything else starts afresh.
void CycleStart(CSimulation& sim, const CVelmoraDoc& doc, CSimulationOutput& out);
// Stops at once with the spindle and coolant off; a start then needs RESET.
void EmergencyStop(CMachine& machine, CSimulationOutput& out);
// Ends a paused or stopped run and clears E-STOP.
void ResetRun(CInterpreterState& in);
// The last speed of the choice: as fast as the machine draws. A frame then
// steps until its time budget is spent, at most this many steps (fewer as
// the dial turns down, as at any speed); a run that must repeat exactly
// (fixed_fast_steps) takes the whole count every frame.
inline constexpr int kSpeedAsFastAsDrawn = 10000;
// The time a frame at that speed may spend stepping, leaving the rest of a
// 20 ms frame to the drawing.
inline constexpr double kFrameBudgetMs = 15.0;

// Steps per frame: 1, 2, 5, 10, 50 or kSpeedAsFastAsDrawn; any other
// choice is refused.
bool SetSpeed(CInterpreterState& in, int stepsPerFrame);
// The next speed of the choice, back to 1 after the fastest.
void NextSpeed(CInterpreterState& in);
// The dial, held to 0..150 %.
void SetFeedOverride(CInterpreterState& in, int percent);

// The interlocks of a running program: referenced, a tool at the cutting
// station, the chuck clamped. A failed one warns and stops the run.
void CheckRunInterlocks(CSimulation& sim, const CPanelState& panel, CSimulationOutput& out);

// The frame's steps: the speed choice scaled by the dial, fractions carried
// to the next frame; none while held; at the fastest speed no more than
// the frame's time budget allows. Under single block the run pauses
// when a statement is done, and the editor is shown the one that waits.
void RunFrameSteps(CSimulation& sim, CPanelState& panel, CSimulationOutput& out);
