#pragma once
// The running program: the motion records built from the statements at the
// start command, and where the step has got to.
#include "program/Codes.h"
#include "simulation/ArcPath.h"

#include <cstddef>
#include <vector>

struct CSimulation;
struct CPanelState;
class CSimulationOutput;
class CVelmoraDoc;

// One motion record. kind is 'G' (a move), 'M' (an auxiliary function) or
// 'T' (a tool change).
struct MoveNode {
    char kind = 'G';
    int tool = 0;          // turret station, T nodes
    double s = 0.0;        // spindle speed of M03/M04, 0 for M05; a thread's, the speed it is cut at
    double f = 0.0;        // thread lead of G32, mm
    double x0 = 0.0, z0 = 0.0; // start point
    double x1 = 0.0, z1 = 0.0; // end point
    double slope = 0.0;    // (x0 - x1) / (z0 - z1) of G00/G01
    ECode code = ECode::None; // G00, G01, G02, G03, G32 or M02, M03, M04, M05, M08, M09
    double i = 0.0, k = 0.0; // arc: the centre from the start point, as the status shows it
    SArcPath arc;          // arc: the circle it runs on
    bool impossible = false; // arc: no circle joins its points; the run stops there
    double r = 0.0;        // taper of a G90/G94 cycle, read only while expanding
    ECode cycle = ECode::None; // the G70/G71/G73 whose pass this is: the status shows it
    int warning = 0;       // a cycle that cannot be machined: the run stops here with this kind
    int line = 0;          // line number of the statement it came from
    double seconds_per_mm = 0.0; // a feed move's machining time a mm on a real machine
};

// Stands for no node where an index into the list is expected.
inline constexpr std::size_t kNoNode = static_cast<std::size_t>(-1);

struct CInterpreterState {
    std::vector<MoveNode> nodes;   // the list, in program order
    std::size_t cur = kNoNode;     // node being executed; kNoNode: nothing left
    bool sim_running = false;      // stays true after the end, until the next start
    int seg_started = 0;
    double seg_x0 = 0.0, seg_z0 = 0.0, seg_x1 = 0.0, seg_z1 = 0.0;
    double seg_slope = 0.0;
    double seg_s = 0.0;              // arc length along an arc, or Z travelled along a thread
    double cur_x = 0.0, cur_z = 0.0; // present tool-tip position
    double spindle_s = 0.0;
    int t_num = -1;                // station chosen by the last T node
    // The node whose statement was last reported as started, so that each
    // node is reported once however many frames it takes.
    std::size_t started = kNoNode;

    // Run control. run counts the starts, so that anything kept from a run
    // (the drawn trace) knows a new one even when it looks the same.
    int run = 0;
    bool stopped = false;      // ended early by a warning, E-STOP or RESET
    bool held = false;         // feed hold or a single block's pause: the tool stands
    bool single_block = false;
    bool estop = false;        // E-STOP latched: nothing starts before a reset
    int speed = 1;             // steps per frame; each step stays 1 mm
    bool fixed_fast_steps = false; // the fastest speed ignores the clock, so runs repeat exactly
    int override_pct = 100;    // the feed override dial, 0 to 150
    int override_credit = 0;   // hundredths of a step carried to the next frame

    // Machining time as a real machine would take it, from the statements
    // rather than from how fast the picture runs: this run's so far, and
    // every run's since the program started, as a control's operating-time
    // counter keeps it. The whole program's is CycleTimeSeconds.
    double run_seconds = 0.0;
    double total_seconds = 0.0;
    double passed_seconds = 0.0; // this run's nodes that are done

    bool HasCurrent() const { return cur < nodes.size(); }
    const MoveNode& Current() const { return nodes[cur]; }
    // The node after the current one, or none past the last.
    void Advance() { cur = cur + 1 < nodes.size() ? cur + 1 : kNoNode; }
};

class CProcess;

// Empties the list and forgets the node being executed.
void ClearMoveList(CInterpreterState& state);
// Releases the old list and translates every statement of the document in
// order, the first move starting from (x, z), each following one where the
// one before left the tool.
// With diameter set, X and U are read as diameters, as textbooks and most
// controls write them; I, K and R stay radii.
void BuildMoveList(CInterpreterState& state, const CVelmoraDoc& doc, double x = 0.0, double z = 0.0,
                   bool diameter = false);


// What the start command shows when the program gives no motion records.
inline constexpr const char* kNoProgramMessage = "请调入数控程序!";

// The start command: resets the profile and trace, checks the chuck, builds
// the motion records from the document and starts stepping at the first,
// with the tool where it stands, at its home point.
void StartSimulation(CSimulation& sim, const CVelmoraDoc& doc, CSimulationOutput& out);

// One step of the running program, taken once per frame by the frame's
// advance; writes the spindle and coolant of M codes into the panel state.
// Does nothing when no program runs or it has ended.
void StepSimulation(CSimulation& sim, CPanelState& panel, CSimulationOutput& out);
