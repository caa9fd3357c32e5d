#pragma once
// Command numbers, the main menu, the program popup, the toolbar, the
// accelerators and the status-bar prompts, as data.
#include <span>
#include <string_view>

namespace Cmd {
enum : int {
    Rotate = 32772, Pan = 32773, Zoom = 32774, Wireframe = 32775, Solid = 32776,
    Transparent = 32779, HideModel = 32780, Simulate = 32781, ToolPath = 32782,
    ClampStock = 32783, ReleaseStock = 32784, Door = 32785, ViewSwitch = 32786,
    ToolSetting = 32787, FitCentre = 32788, RemoveCentre = 32789, HideTailstock = 32790,
    StockSize = 32791, ToolSelect = 32793, NewProgram = 32794, ReadProgram = 32795,
    BuiltInEditor = 32796, ToolCompensation = 32797, Save = 32798, Open = 32799,
    StartMachining = 32800, Help = 32801, PauseMachining = 32802, ResumeMachining = 32803,
    LeaveMachining = 32804, Coolant = 32806, SoundSwitch = 32807,
    ResetView = 32810, LookAtWork = 32811, FrontView = 32812, PartDrawing = 32813,
    ExportPicture = 32814, ExportDrawing = 32815, PrintDrawing = 32816,
    CycleStart = 32820, FeedHold = 32821, SingleBlock = 32822, EmergencyStop = 32823,
    ResetRun = 32824, NextSpeed = 32825,
    Speed1 = 32826, Speed2 = 32827, Speed5 = 32828, Speed10 = 32829, Speed50 = 32830,
    SpeedFastest = 32831,
    DiameterMode = 32840,
    FileNew = 57600, FileOpen = 57601, FileSave = 57603, FileSaveAs = 57604,
    PrintSetup = 57606, Print = 57607, PrintPreview = 57609,
    RecentFirst = 57616, RecentLast = 57619,
    Copy = 57634, Cut = 57635, Paste = 57637, Undo = 57643,
    About = 57664, Exit = 57665, NextPane = 57680, PreviousPane = 57681,
    ToggleToolBar = 59392, ToggleStatusBar = 59393,
};
}

constexpr int kSeparator = 0;

struct SMenuEntry {
    std::string_view text; // empty for a separator
    int id = kSeparator;
};

struct SMenuPopup {
    std::string_view title;
    std::span<const SMenuEntry> entries;
};

struct SAccelerator {
    std::string_view keys; // in the portable key-sequence form, e.g. "Ctrl+N"
    int id;
};

struct SPrompt {
    int id;
    std::string_view text;
};

// A speed choice of the run and the steps per frame it picks.
struct SSpeedChoice {
    int id;
    int stepsPerFrame;
};
// The choice "as fast as the machine draws": the run's own fastest speed.
inline constexpr int kStepsAsFastAsDrawn = 10000;

namespace Commands {
constexpr std::string_view kIdlePrompt = "就绪";
constexpr std::string_view kAppTitle = "数控机床虚拟仿真软件";

std::span<const SMenuPopup> MainMenu();
// Menu 210: the program popup of the operator panel.
std::span<const SMenuEntry> ProgramPopup();
// Command numbers of the toolbar buttons; kSeparator for a gap.
std::span<const int> ToolBar();
// The run-control toolbar beside it.
std::span<const int> RunToolBar();
std::span<const SSpeedChoice> SpeedChoices();
// Commands of the run, which the machine takes whichever pane is active.
bool IsRunCommand(int id);
std::span<const SAccelerator> Accelerators();
// The status-bar prompt of a command, or empty.
std::string_view Prompt(int id);
} // namespace Commands
