#include "simulation/Warnings.h"

std::string_view WarningText(int kind)
{
    switch (kind) {
    case kWarnSpindleTurning: return "警告:卡盘旋转时不能安装毛坯!";
    case kWarnChuckNotClamped: return "警告:卡盘未夹紧不允许加工!";
    case kWarnLongStock: return "友情提醒:毛胚长度>=300mm，请加顶锥!";
    case kWarnChuckClamped: return "警告::安装毛坯前请先松开卡盘!";
    case kWarnNotReferenced: return "警告:加工前请先回机床原点!";
    case kWarnNoTool: return "警告:请先安装刀具再开始加工!";
    default: return {};
    }
}
