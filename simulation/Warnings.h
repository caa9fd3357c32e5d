#pragma once
// The warnings that refuse an unsafe set-up or run, each with its fixed text.
#include <string>
#include <string_view>

class CSimulationOutput;

enum EWarning {
    kWarnSpindleTurning = 2,   // stock changed while the chuck turns
    kWarnChuckNotClamped = 3,  // start with the chuck open
    kWarnLongStock = 4,        // long stock without the tailstock cone
    kWarnChuckClamped = 5,     // stock changed with the chuck clamped
    kWarnNotReferenced = 6,    // run before the reference return
    kWarnNoTool = 7,           // run before a tool was mounted
    kWarnTraceFull = 8,        // the run would record more tool positions than the trace holds
    kWarnBeyondProfile = 9,    // the run would cut deeper than the profile reaches
    kWarnNoStation = 10,       // a T word names a station the turret does not have
    kWarnImpossibleArc = 11,   // no circle joins an arc's points; its text names the line
    kWarnNoContour = 12,       // a cycle's P or Q names no statement; its text names the line
    kWarnContourNotMonotone = 13, // a G71 contour that falls in X; its text names the line
    kWarnEmptyStation = 14,    // a T word names a station that holds no tool
    kWarnEmergencyStop = 15,   // E-STOP pressed, or a start before the reset after it
    kWarnChuckOpened = 16,     // the chuck opened while the program runs
    kWarnToolHitsCentre = 17,  // the tool would reach the tailstock centre
    kWarnRapidIntoWork = 18,   // a G00 would pass through the material
    kWarnCutSpindleStopped = 19, // a feed move would cut with the spindle standing
    kWarnToolHitsChuck = 20,   // the tool would reach the chuck jaws
};

// The warning of a cycle that cannot be machined, naming its line.
std::string CycleWarningText(int kind, int line);

// The warning of an arc that cannot be machined, naming its line.
std::string ImpossibleArcText(int line);

// The text of a warning kind; empty for a kind that shows nothing.
std::string_view WarningText(int kind);

// Tells the output about a warning of this kind with its text.
void RaiseWarning(CSimulationOutput& out, int kind);
