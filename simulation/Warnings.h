#pragma once
// The warnings that refuse an unsafe set-up or run, each with its fixed text.
#include <string_view>

enum EWarning {
    kWarnSpindleTurning = 2,   // stock changed while the chuck turns
    kWarnChuckNotClamped = 3,  // start with the chuck open
    kWarnLongStock = 4,        // long stock without the tailstock cone
    kWarnChuckClamped = 5,     // stock changed with the chuck clamped
    kWarnNotReferenced = 6,    // run before the reference return
    kWarnNoTool = 7,           // run before a tool was mounted
};

// The text of a warning kind; empty for a kind that shows nothing.
std::string_view WarningText(int kind);
