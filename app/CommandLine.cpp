#include "app/CommandLine.h"

namespace {

std::string HelpText()
{
    return "用法: velmora [选项] [程序文件]\n"
           "数控机床虚拟仿真软件：编写、检查车削程序，在三维车床上观看加工过程。\n"
           "\n"
           "选项:\n"
           "  -h, --help     显示本帮助后退出\n"
           "  -v, --version  显示版本后退出\n"
           "\n"
           "程序文件: 启动后打开的G代码文件 (*.txt)。\n"
           "同时安装的命令行工具: velmora-check 检查程序, velmora-sim 无窗口仿真加工。\n";
}

} // namespace

SCommandLine ParseCommandLine(const std::vector<std::string>& arguments, const std::string& version)
{
    // Only the first word before a "--" counts: later words are a file name
    // or the window system's own options, which may look alike.
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--")
            break;
        if (argument == "--help" || argument == "-h")
            return {ECommandLineAction::Help, HelpText()};
        if (argument == "--version" || argument == "-v")
            return {ECommandLineAction::Version, "velmora " + version + "\n数控机床虚拟仿真软件\n"};
    }
    return {};
}
