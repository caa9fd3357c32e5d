#pragma once
// What the program's command line asks for. Help and version are answered
// on standard output before any window exists, so they work without a
// display; everything else goes on to the window system and the program.
#include <string>
#include <vector>

enum class ECommandLineAction { Run, Help, Version };

struct SCommandLine {
    ECommandLineAction action = ECommandLineAction::Run;
    std::string text; // what to print for Help and Version
};

SCommandLine ParseCommandLine(const std::vector<std::string>& arguments, const std::string& version);
