#include "common/CommandTable.h"

#include <array>

namespace {

const SMenuEntry kFile[] = {
    {"新建(&N)\tCtrl+N", Cmd::FileNew},   {"打开(&O)...\tCtrl+O", Cmd::Open},
    {"保存(&S)\tCtrl+S", Cmd::Save},      {"另存为(&A)...", Cmd::FileSaveAs},
    {},                                   {"导出图片(&I)...", Cmd::ExportPicture},
    {"导出零件图(&D)...", Cmd::ExportDrawing}, {"打印零件图(&G)...", Cmd::PrintDrawing},
    {},                                   {"打印(&P)...\tCtrl+P", Cmd::Print},
    {"打印预览(&V)", Cmd::PrintPreview}, {"打印设置(&R)...", Cmd::PrintSetup},
    {},                                   {"最近文件", Cmd::RecentFirst},
    {},                                   {"退出(&X)", Cmd::Exit},
};
const SMenuEntry kEdit[] = {
    {"撤消(&U)\tCtrl+Z", Cmd::Undo}, {},
    {"剪切(&T)\tCtrl+X", Cmd::Cut},  {"复制(&C)\tCtrl+C", Cmd::Copy},
    {"粘贴(&P)\tCtrl+V", Cmd::Paste},
};
const SMenuEntry kView[] = {
    {"工具栏(&T)", Cmd::ToggleToolBar},
    {"状态栏(&S)", Cmd::ToggleStatusBar},
    {},
    {"直径编程(&D)", Cmd::DiameterMode},
};
const SMenuEntry kOperate[] = {
    {"开始加工(&S)", Cmd::StartMachining}, {"暂停加工(&P)", Cmd::PauseMachining},
    {"返回加工(&N)", Cmd::ResumeMachining}, {"临时退出(&T)", Cmd::LeaveMachining},
};
const SMenuEntry kViewOps[] = {
    {"旋转(&R)", Cmd::Rotate},           {"平移(&P)", Cmd::Pan},
    {"缩放(&S)", Cmd::Zoom},             {},
    {"线框模型(&W)", Cmd::Wireframe},    {"实体模型(&F)", Cmd::Solid},
    {"透明模型(&T)", Cmd::Transparent},  {"隐藏模型(&H)", Cmd::HideModel},
    {},                                  {"复位视图(&O)", Cmd::ResetView},
    {"看工件(&K)", Cmd::LookAtWork},     {"正视(&Z)", Cmd::FrontView},
    {},                                  {"视图切换(&C)", Cmd::ViewSwitch},
    {"零件图(&D)", Cmd::PartDrawing},
};
const SMenuEntry kStock[] = {
    {"毛坯尺寸设置", Cmd::StockSize},
    {"松开毛坯", Cmd::ReleaseStock},
    {"夹紧毛坯", Cmd::ClampStock},
};
const SMenuEntry kTool[] = {{"刀具选择", Cmd::ToolSelect}};
const SMenuEntry kSimulate[] = {
    {"开始", Cmd::Simulate},           {},
    {"循环启动(&C)", Cmd::CycleStart}, {"进给保持(&H)", Cmd::FeedHold},
    {"单段(&B)", Cmd::SingleBlock},    {},
    {"急停(&E)", Cmd::EmergencyStop},  {"复位(&R)", Cmd::ResetRun},
    {},
    {"速度 ×1", Cmd::Speed1},          {"速度 ×2", Cmd::Speed2},
    {"速度 ×5", Cmd::Speed5},          {"速度 ×10", Cmd::Speed10},
    {"速度 ×50", Cmd::Speed50},        {"速度 最快", Cmd::SpeedFastest},
};
const SMenuEntry kAccessories[] = {
    {"安装顶锥", Cmd::FitCentre}, {"移去顶锥", Cmd::RemoveCentre},
    {"隐藏尾架", Cmd::HideTailstock}, {},
    {"车门开/关", Cmd::Door},     {},
    {"显示刀轨", Cmd::ToolPath},  {},
    {"冷却液开/关", Cmd::Coolant}, {},
    {"声音开/关", Cmd::SoundSwitch},
};
const SMenuEntry kHelp[] = {
    {"关于 Velmora(&A)...", Cmd::About},
    {"操作说明", Cmd::Help},
};

const SMenuPopup kMainMenu[] = {
    {"文件(&F)", kFile},    {"编辑(&E)", kEdit},    {"查看(&V)", kView},
    {"操作(&O)", kOperate}, {"视图操作(&T)", kViewOps}, {"毛坯", kStock},
    {"刀具", kTool},        {"仿真(&S)", kSimulate}, {"辅助功能", kAccessories},
    {"帮助(&H)", kHelp},
};

const SMenuEntry kProgramPopup[] = {
    {"新建程序&N", Cmd::NewProgram},
    {"从磁盘读取程序&F", Cmd::ReadProgram},
    {"使用自带编辑器&E", Cmd::BuiltInEditor},
    {"选择使用刀具补偿&T", Cmd::ToolCompensation},
};

const int kToolBar[] = {
    Cmd::Rotate,      Cmd::Pan,          Cmd::Zoom,       kSeparator,
    Cmd::Wireframe,   Cmd::Solid,        Cmd::Transparent, Cmd::HideModel,
    Cmd::ReleaseStock, Cmd::ClampStock,  Cmd::ToolSetting, Cmd::Door,
    Cmd::Simulate,    Cmd::ToolPath,     Cmd::ViewSwitch, kSeparator,
    Cmd::ResetView,   Cmd::LookAtWork,   Cmd::FrontView,  Cmd::PartDrawing,
};

const int kRunToolBar[] = {
    Cmd::CycleStart, Cmd::FeedHold, Cmd::SingleBlock, kSeparator, Cmd::EmergencyStop, Cmd::ResetRun,
};

const SSpeedChoice kSpeedChoices[] = {
    {Cmd::Speed1, 1}, {Cmd::Speed2, 2}, {Cmd::Speed5, 5}, {Cmd::Speed10, 10}, {Cmd::Speed50, 50},
    {Cmd::SpeedFastest, kStepsAsFastAsDrawn},
};

const SAccelerator kAccelerators[] = {
    {"Ctrl+N", Cmd::FileNew},       {"Ctrl+O", Cmd::FileOpen},   {"Ctrl+S", Cmd::FileSave},
    {"Ctrl+P", Cmd::Print},         {"Ctrl+Z", Cmd::Undo},       {"Alt+Backspace", Cmd::Undo},
    {"Ctrl+X", Cmd::Cut},           {"Shift+Del", Cmd::Cut},     {"Ctrl+C", Cmd::Copy},
    {"Ctrl+Ins", Cmd::Copy},        {"Ctrl+V", Cmd::Paste},      {"Shift+Ins", Cmd::Paste},
    {"F6", Cmd::NextPane},          {"Shift+F6", Cmd::PreviousPane},
};

const SPrompt kPrompts[] = {
    {Cmd::Rotate, "旋转视图"},   {Cmd::Pan, "平移视图"},      {Cmd::Zoom, "缩放视图"},
    {Cmd::Wireframe, "线框模型"}, {Cmd::Solid, "实体模型"},    {Cmd::Simulate, "开始仿真"},
    {Cmd::ToolPath, "刀轨显示"}, {Cmd::ClampStock, "加紧工件"}, {Cmd::ReleaseStock, "松开工件"},
    {Cmd::Door, "车门开关"},     {Cmd::ViewSwitch, "视图切换"},
    {Cmd::ResetView, "回到开始时的视图"}, {Cmd::LookAtWork, "工件和刀具充满视图"},
    {Cmd::FrontView, "从正面看工件"}, {Cmd::PartDrawing, "显示零件图"},
    {Cmd::ExportPicture, "把三维视图存为图片"}, {Cmd::ExportDrawing, "把零件图存为SVG或PDF文件"},
    {Cmd::PrintDrawing, "打印零件图"},
    {Cmd::CycleStart, "开始运行程序，或让暂停的程序继续"},
    {Cmd::FeedHold, "暂停进给，刀具停在原处"},
    {Cmd::SingleBlock, "单段方式开/关：每次循环启动只执行一段程序"},
    {Cmd::EmergencyStop, "立即停止，关闭主轴和冷却液"},
    {Cmd::ResetRun, "结束暂停或停止的运行，解除急停"},
    {Cmd::Speed1, "仿真速度：每帧走1步"},   {Cmd::Speed2, "仿真速度：每帧走2步"},
    {Cmd::Speed5, "仿真速度：每帧走5步"},   {Cmd::Speed10, "仿真速度：每帧走10步"},
    {Cmd::Speed50, "仿真速度：每帧走50步"},
    {Cmd::SpeedFastest, "仿真速度：机器画得多快就走多快"},
    {Cmd::DiameterMode, "程序中的X和U按直径读，不选时按半径读"},
};

} // namespace

namespace Commands {

std::span<const SMenuPopup> MainMenu() { return kMainMenu; }
std::span<const SMenuEntry> ProgramPopup() { return kProgramPopup; }
std::span<const int> ToolBar() { return kToolBar; }
std::span<const int> RunToolBar() { return kRunToolBar; }
std::span<const SSpeedChoice> SpeedChoices() { return kSpeedChoices; }

bool IsRunCommand(int id) { return id >= Cmd::CycleStart && id <= Cmd::SpeedFastest; }
std::span<const SAccelerator> Accelerators() { return kAccelerators; }

std::string_view Prompt(int id)
{
    for (const auto& prompt : kPrompts)
        if (prompt.id == id)
            return prompt.text;
    return {};
}

} // namespace Commands
