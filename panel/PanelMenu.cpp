#include "panel/PanelMenu.h"

#include <array>

namespace {
constexpr std::array<SMenuEntry, 4> kProgramMenu = {{
    {32794, "新建程序&N"},
    {32795, "从磁盘读取程序&F"},
    {32796, "使用自带编辑器&E"},
    {32797, "选择使用刀具补偿&T"},
}};
constexpr int kKeyboardInset = 5;
} // namespace

std::span<const SMenuEntry> ProgramPopupMenu() { return kProgramMenu; }

SPanelPoint PopupMenuPosition(SPanelPoint requested, SPanelPoint clientTopLeft)
{
    if (requested == kKeyboardMenuRequest)
        return {clientTopLeft.x + kKeyboardInset, clientTopLeft.y + kKeyboardInset};
    return requested;
}
