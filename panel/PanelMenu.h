#pragma once
// Where the program popup menu (Commands::ProgramPopup) opens when the panel
// is right-clicked.

struct SPanelPoint {
    int x = 0, y = 0;
    friend bool operator==(SPanelPoint, SPanelPoint) = default;
};
inline constexpr SPanelPoint kKeyboardMenuRequest{-1, -1};

// At the cursor; a request from the keyboard (-1, -1) opens 5 pixels in from
// the top-left corner of the panel's client area. Screen coordinates.
SPanelPoint PopupMenuPosition(SPanelPoint requested, SPanelPoint clientTopLeft);
