#include "app/SplitterLayout.h"

#include <algorithm>

namespace PaneLayouts {

TPaneLayout ViewSwitch(int mode)
{
    static constexpr TPaneLayout kModes[] = {
        {{{400, 100}, {0, 100}, {600, 100}}},
        {{{400, 100}, {600, 0}, {0, 0}}},
        {{{0, 100}, {700, 0}, {300, 0}}},
    };
    return kModes[((mode % 3) + 3) % 3];
}

TPaneLayout BuiltInEditor() { return {{{0, 100}, {600, 100}, {430, 100}}}; }

TPaneLayout StartMachining() { return {{{0, 100}, {700, 100}, {5000, 100}}}; }

TPaneLayout NewProgram(int frameWidth)
{
    return {{{static_cast<int>(frameWidth / 2.2), 10},
             {static_cast<int>(frameWidth / 1.5), 10},
             {0, 10}}};
}

TPaneLayout Initial(int clientWidth)
{
    // The editor keeps its third; the 3D view takes more than the panel,
    // whose cabinet scales down to what is left.
    return {{{clientWidth * 41 / 100, 0}, {clientWidth / 3, 0}, {clientWidth, 0}}};
}

TPaneWidths Widths(const TPaneLayout& layout, int total, int gap)
{
    TPaneWidths widths{};
    int left = total;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const SColumnInfo& column = layout[i];
        bool last = i + 1 == layout.size();
        int width = last ? left : std::min(column.ideal, left);
        if (column.ideal < column.minimum && !last)
            width = 0;
        if (width < column.minimum || width < 0)
            width = 0;
        widths[i] = width;
        if (width > 0)
            left = std::max(0, left - width - gap);
    }
    return widths;
}

} // namespace PaneLayouts
