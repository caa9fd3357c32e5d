#include "simulation/Warnings.h"

#include "simulation/SimulationOutput.h"

#include <string>

std::string_view WarningText(int kind)
{
    switch (kind) {
    case kWarnSpindleTurning: return "警告:卡盘旋转时不能安装毛坯!";
    case kWarnChuckNotClamped: return "警告:卡盘未夹紧不允许加工!";
    case kWarnLongStock: return "友情提醒:毛胚长度>=300mm，请加顶锥!";
    case kWarnChuckClamped: return "警告::安装毛坯前请先松开卡盘!";
    case kWarnNotReferenced: return "警告:加工前请先回机床原点!";
    case kWarnNoTool: return "警告:请先安装刀具再开始加工!";
    case kWarnTraceFull: return "警告:刀具轨迹已达30000点，仿真停止!";
    case kWarnBeyondProfile: return "警告:切削位置超出工件30000mm范围，仿真停止!";
    case kWarnNoStation: return "警告:刀架只有1~4号刀位，仿真停止!";
    case kWarnEmptyStation: return "警告:该刀位未安装刀具，仿真停止!";
    case kWarnEmergencyStop: return "警告:急停已按下，请先复位!";
    case kWarnChuckOpened: return "警告:加工中松开卡盘，仿真停止!";
    case kWarnToolHitsCentre: return "警告:刀具与顶尖碰撞，仿真停止!";
    case kWarnRapidIntoWork: return "警告:快速移动撞上工件，仿真停止!";
    case kWarnCutSpindleStopped: return "警告:主轴未转动不能切削，仿真停止!";
    case kWarnToolHitsChuck: return "警告:刀具与卡盘碰撞，仿真停止!";
    default: return {};
    }
}

std::string ImpossibleArcText(int line)
{
    return "警告:第" + std::to_string(line) + "行圆弧半径有误，仿真停止!";
}

std::string CycleWarningText(int kind, int line)
{
    const std::string head = "警告:第" + std::to_string(line) + "行";
    if (kind == kWarnContourNotMonotone)
        return head + "粗车循环的精加工轮廓X方向不单调，仿真停止!";
    return head + "循环的P、Q未指定精加工程序段，仿真停止!";
}

void RaiseWarning(CSimulationOutput& out, int kind)
{
    const std::string_view text = WarningText(kind);
    if (!text.empty())
        out.Warn(kind, std::string(text));
}
