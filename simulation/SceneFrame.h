#pragma once
// The state the scene changes from frame to frame, as plain functions run
// in one order by AdvanceFrame. The clock of the view and the headless
// runner both call it; the drawing only reads the pose it returns.
#include "simulation/Machine.h"

#include <array>

struct CPanelState;
class CSimulationOutput;

// Where the machine's reference frame puts the spindle and the tool's home.
namespace scene {
inline constexpr double kChuckFaceX = 455.0;   // world x of the stock's chuck end
inline constexpr double kAxisY = 652.5;        // spindle axis height
inline constexpr double kAxisZ = 150.0;
inline constexpr double kHomeX = 70.0;         // tool home radius
inline constexpr double kHomeZ = 445.0;        // tool home along the axis, plus the stock length
inline constexpr double kCarriageHomeZ = 900.0; // world x the carriage is built at
// Shut, the door spans the chuck face, the stock and the tool's work area;
// open, it stands over the headstock.
inline constexpr double kDoorBaseX = 280.0;
// Cross slide, turret and tools are modelled with the station-1 tool's tip
// at (800, 190); they stand shifted so that the tip sits at the tool's home
// point, where the trace has Z = 445 - L and X = 70, and so cuts where the
// trace and the workpiece say. The saddle takes the shift along the bed.
inline constexpr double kModelledTipX = 800.0;
inline constexpr double kModelledTipZ = 190.0;
inline constexpr double kCarriageShiftX = 101.0;
inline constexpr double kCarriageShiftZ = 31.0;
} // namespace scene

// Offset of the carriage (saddle, cross slide, turret, tools) from where it
// is built: dx along the bed, dz across it.
struct SCarriageOffset {
    double dx = 0.0, dz = 0.0;
};

// One indexing step of the turret: the angle to draw and the lift while
// it swings.
struct STurretPose {
    double angle = 0.0;
    double lift = 0.0;
};

// The chuck jaws' part of a frame: spindle angle and jaw opening to draw.
struct SJawPose {
    double spin = 0.0;   // degrees about the spindle axis
    double height = 0.0; // first jaw translation from the axis
};

// Copies the panel's manual turret position; first thing of a frame.
void TakeManualPosition(CSceneAnimation& anim, const CPanelState& panel);

// The turret: its interlocks (which may end the run) and one indexing step.
STurretPose TurretFrame(CSimulation& sim, const CPanelState& panel, CSimulationOutput& out);
// The tools: their own indexing step and, while idle, the position display.
STurretPose TurretToolsFrame(CSimulation& sim, const CPanelState& panel, CSimulationOutput& out);
// One indexing step for the station the program chose.
STurretPose IndexTurret(CSceneAnimation& anim, int t_num);
SCarriageOffset CarriageOffset(const CSimulation& sim, const CPanelState& panel);

// The coolant stream's move before the next droplet; advances the phase.
double NextDropletStep(CSceneAnimation& anim);
inline constexpr int kDropletsPerFrame = 30;

double JawHeight(const CSimulation& sim);
// Jaw travel and the spindle angle the jaws and chuck turn by.
SJawPose JawFrame(CSimulation& sim, const CPanelState& panel);
// The workpiece's angle before the step; advances the idle angle again.
double WorkpieceSpinFrame(CSimulation& sim, const CPanelState& panel);
// The chuck body only reads the angle the jaws and workpiece have left.
double ChuckBodySpin(const CSimulation& sim, const CPanelState& panel);

// The grooving tool (station 2) cuts every slice under its blade, which
// runs from the tool's point towards the free end.
void CutUnderBlade(CSimulation& sim);

// True when the tool is about to cut into material this frame.
bool ToolIsCutting(const CSimulation& sim);
// The chips' part of a frame: flies them while the tool cuts; returns the
// spin angle of chip 1 (chips 2 to 6 use it plus 10).
double ChipsFrame(CSimulation& sim);
void ResetChips(CSceneAnimation& anim);

// The door glides 20 a frame towards open or shut; returns its x shift.
double DoorFrame(CSceneSwitches& switches);

// World position (along the bed, across it) of the station-1 tool's tip,
// and of a recorded trace point.
struct SBedPoint {
    double x = 0.0, z = 0.0;
};
SBedPoint ToolTipWorld(const CSimulation& sim, const CPanelState& panel);
SBedPoint ToolTipOfCarriage(const SCarriageOffset& offset);
SBedPoint TracePointWorld(const CSimulation& sim, int i);

// Where the tailstock stands along the bed: parked, or with its centre in
// the stock's end when the cone is installed.
double TailstockX(const CSceneSwitches& switches);

// What one frame shows of the moving parts, as the frame's advance left it.
struct SFramePose {
    STurretPose turret;          // the turret body's indexing
    STurretPose tools;           // the tools take a step of their own
    SCarriageOffset carriage;
    std::array<double, kDropletsPerFrame> droplets{}; // each droplet's move
    SJawPose jaws;
    double workpieceSpin = 0.0;
    double chuckSpin = 0.0;
    bool chipsFlying = false;
    double chipAngle = 0.0;
    double doorX = 0.0;
};

// The pose of a machine that has not moved yet: what a paint before the
// first tick shows.
SFramePose StandingPose(const CMachine& machine);

// One tick of the frame clock: the interlocks, the turret, coolant, the
// jaws and spindle, the program's step, chips and the door, in that order.
// Warnings are reported through out as they arise.
SFramePose AdvanceFrame(CMachine& machine, CSimulationOutput& out);
