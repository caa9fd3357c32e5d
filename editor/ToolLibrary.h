#pragma once
// The tool library: the lathe's three tools with their dimensions, what the
// dialog remembers while it is open, what it hands back, and what the
// turret's stations will hold once it is taken.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class CPrompter;

namespace tool_library {
inline constexpr int kTools = 3;
inline constexpr int kColumns = 8;
// The columns the edit dialog changes: tool length to groove width.
inline constexpr int kFirstEditColumn = 2;
inline constexpr int kEditTexts = kColumns - kFirstEditColumn;
inline constexpr const char* kSelectFirst = "请选择一项再修改!";
inline constexpr const char* kSelectFirstCaption = "提示";
// Tool n goes on station n; the last station has no tool of its own.
inline constexpr int kStations = 4;
inline constexpr const char* kEmptyStation = "空";

struct SColumn {
    std::string_view heading;
    int width; // pixels
};
std::span<const SColumn> Columns();

// The tool types in row order, also the captions of their pictures.
std::span<const std::string_view> ToolTypes();
} // namespace tool_library

using TToolRow = std::array<std::string, tool_library::kColumns>;
using TToolEditTexts = std::array<std::string, tool_library::kEditTexts>;

// What the dialog hands back when it closes with OK.
struct SToolLibraryResult {
    int clickedRow = -1;
    int mountRequested = 0;
    int removalRequested = 0;
};

// One flag per tool, set while it is on the turret.
using TMountedTools = std::array<int, tool_library::kTools>;
using TStationTexts = std::array<std::string, tool_library::kStations>;

// Mounts, then takes off, the clicked tool as the result asks; without a
// clicked tool nothing changes.
void ApplyMountRequests(std::span<int, tool_library::kTools> mounted, const SToolLibraryResult& result);
// Each station's tool type, or 空.
TStationTexts StationTexts(const TMountedTools& mounted);

class CToolLibrary {
public:
    // Every opening starts from the same three tools; edits of an earlier
    // opening are gone.
    CToolLibrary();

    const std::array<TToolRow, tool_library::kTools>& Rows() const { return m_rows; }
    int ClickedRow() const { return m_result.clickedRow; }

    // A click in the list; -1 when it hit no row.
    void Click(int row) { m_result.clickedRow = row; }
    void RequestMount() { m_result.mountRequested = 1; }
    void RequestRemoval() { m_result.removalRequested = 1; }

    // The row the edit button edits: the list's first selected row. With
    // none selected the user is told to choose one.
    std::optional<int> RowToEdit(int firstSelected, CPrompter& prompter);
    // The texts the edit dialog starts from; empty for a row that is not there.
    TToolEditTexts EditTexts(int row) const;
    void ApplyEdit(int row, const TToolEditTexts& texts);

    const SToolLibraryResult& Result() const { return m_result; }

    // The turret as it stands when the dialog opens.
    void SetMounted(const TMountedTools& mounted) { m_mounted = mounted; }
    // The stations as an OK now would leave them.
    TStationTexts Stations() const;

private:
    std::array<TToolRow, tool_library::kTools> m_rows;
    SToolLibraryResult m_result;
    TMountedTools m_mounted{};
};
