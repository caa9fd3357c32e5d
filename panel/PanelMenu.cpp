#include "panel/PanelMenu.h"

namespace {
constexpr int kKeyboardInset = 5;
} // namespace

SPanelPoint PopupMenuPosition(SPanelPoint requested, SPanelPoint clientTopLeft)
{
    if (requested == kKeyboardMenuRequest)
        return {clientTopLeft.x + kKeyboardInset, clientTopLeft.y + kKeyboardInset};
    return requested;
}
