#pragma once
// The pane layouts of the main window: per column an ideal and a minimum
// width in pixels, as the splitter takes them, and the widths that result.
#include <array>

struct SColumnInfo {
    int ideal = 0;
    int minimum = 0;
    bool operator==(const SColumnInfo&) const = default;
};

using TPaneLayout = std::array<SColumnInfo, 3>;
using TPaneWidths = std::array<int, 3>;

namespace PaneLayouts {
// The view-switch cycle, modes 0 to 2.
TPaneLayout ViewSwitch(int mode);
// Built-in editor: the editor and the panel, no simulation.
TPaneLayout BuiltInEditor();
// Start machining: simulation hidden behind a wide panel.
TPaneLayout StartMachining();
// New program edited in the table: from the frame's width.
TPaneLayout NewProgram(int frameWidth);
// First layout: the 3D view 41 % of the client width, the editor a third,
// the panel the rest.
TPaneLayout Initial(int clientWidth);

// Widths from a layout: a column whose ideal is below its minimum is hidden,
// columns take their ideal while room is left, the last one takes the rest.
TPaneWidths Widths(const TPaneLayout& layout, int total, int gap);
} // namespace PaneLayouts
