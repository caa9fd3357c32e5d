#pragma once
// Scripted operator actions for velmora-sim: one a line, FRAME ACTION
// [ARGS], each run before the step of its frame (frames count from the
// start command), so that a lesson can be scripted and every interlock
// driven without a window.
#include "simulation/StockSize.h"

#include <string>
#include <vector>

struct CMachine;
class CSimulationOutput;
class CVelmoraDoc;

enum class EAction {
    Start, Hold, Resume, SingleBlock, EStop, Reset, Unclamp, Clamp, Stock, Mount, Remove, Jog,
    Ref, Speed, Override,
};

struct SAction {
    long long frame = 0;
    EAction kind = EAction::Start;
    int value = 0;     // on/off, station, steps per frame or percent
    SStockSize stock;  // the stock action
};

struct SActionScript {
    std::vector<SAction> actions; // by frame; one frame's actions in the order given
    std::string error;            // "LINE: what is wrong"; empty when read
};

SActionScript ParseActions(const std::string& text);

void ApplyAction(const SAction& action, CMachine& machine, const CVelmoraDoc& doc,
                 CSimulationOutput& out);
