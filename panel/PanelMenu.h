#pragma once
// The program popup menu that a right click on the panel opens, and where
// it opens.
#include <span>

struct SMenuEntry {
    int commandId;
    const char* caption;   // "&" marks the mnemonic
};

std::span<const SMenuEntry> ProgramPopupMenu();

struct SPanelPoint {
    int x = 0, y = 0;
    friend bool operator==(SPanelPoint, SPanelPoint) = default;
};
inline constexpr SPanelPoint kKeyboardMenuRequest{-1, -1};

// At the cursor; a request from the keyboard (-1, -1) opens 5 pixels in from
// the top-left corner of the panel's client area. Screen coordinates.
SPanelPoint PopupMenuPosition(SPanelPoint requested, SPanelPoint clientTopLeft);
