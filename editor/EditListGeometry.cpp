#include "editor/EditListGeometry.h"

#include <algorithm>

namespace {
// Room beyond the measured text so the caret after the last character shows.
constexpr int kTextSlack = 5;
} // namespace

int EditScrollFor(int cellLeft, int clientRight)
{
    return cellLeft < 0 || cellLeft > clientRight ? cellLeft : 0;
}

SCellBox EditBoxOver(const SCellBox& cell, int columnWidth, int clientRight)
{
    SCellBox box = cell;
    box.right = std::min(cell.left + columnWidth, clientRight);
    return box;
}

int WidenedRight(int left, int right, int textWidth, int clientRight)
{
    const int wanted = textWidth + kTextSlack;
    if (wanted <= right - left)
        return right;
    return std::max(right, std::min(left + wanted, clientRight));
}
