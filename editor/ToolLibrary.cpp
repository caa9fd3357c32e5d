#include "editor/ToolLibrary.h"

#include "platform/Prompter.h"

namespace tool_library {
namespace {

const SColumn kColumnTable[] = {
    {"刀号", 50},   {"刀具类型", 90}, {"刀具长度", 80}, {"主偏角", 60},
    {"刀尖角", 60}, {"刀头宽", 60},   {"刀头长", 60},   {"刀片切槽宽", 100},
};
const std::string_view kTypes[] = {"外圆车刀", "切槽车刀", "螺纹车刀"};

} // namespace

std::span<const SColumn> Columns() { return kColumnTable; }
std::span<const std::string_view> ToolTypes() { return kTypes; }

} // namespace tool_library

CToolLibrary::CToolLibrary()
    : m_rows{{
          {"   1", "外圆车刀", "130.0", "95.0", "30.0", "20.0", "30.0", ""},
          {"   2", "切槽车刀", "130.0", "", "", "", "30.0", "5.0"},
          {"   3", "螺纹车刀", "125.0", "", "60.0", "20.0", "30.0", ""},
      }}
{
}

std::optional<int> CToolLibrary::RowToEdit(int firstSelected, CPrompter& prompter)
{
    if (firstSelected < 0) {
        prompter.Tell(tool_library::kSelectFirst, EPromptIcon::Information, tool_library::kSelectFirstCaption);
        return std::nullopt;
    }
    return firstSelected;
}

TToolEditTexts CToolLibrary::EditTexts(int row) const
{
    TToolEditTexts texts;
    if (row < 0 || row >= tool_library::kTools)
        return texts;
    for (int n = 0; n < tool_library::kEditTexts; ++n)
        texts[n] = m_rows[row][tool_library::kFirstEditColumn + n];
    return texts;
}

void CToolLibrary::ApplyEdit(int row, const TToolEditTexts& texts)
{
    if (row < 0 || row >= tool_library::kTools)
        return;
    for (int n = 0; n < tool_library::kEditTexts; ++n)
        m_rows[row][tool_library::kFirstEditColumn + n] = texts[n];
}

void ApplyMountRequests(std::span<int, tool_library::kTools> mounted, const SToolLibraryResult& result)
{
    const int row = result.clickedRow;
    if (row < 0 || row >= tool_library::kTools)
        return;
    if (result.mountRequested)
        mounted[row] = 1;
    if (result.removalRequested)
        mounted[row] = 0;
}

TStationTexts StationTexts(const TMountedTools& mounted)
{
    TStationTexts texts;
    const auto types = tool_library::ToolTypes();
    for (int station = 0; station < tool_library::kStations; ++station) {
        const bool held = station < tool_library::kTools && mounted[station] != 0;
        texts[station] = held ? std::string(types[station]) : tool_library::kEmptyStation;
    }
    return texts;
}

TStationTexts CToolLibrary::Stations() const
{
    TMountedTools after = m_mounted;
    ApplyMountRequests(after, m_result);
    return StationTexts(after);
}
