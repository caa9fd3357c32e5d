#pragma once
// velmora-check: checks program files as the program's open command does.
#include <cstdio>

// Runs the checker with command-line arguments; returns the exit status
// (0 all lines accepted, 1 some line rejected, 2 a file could not be read or
// written or the arguments were wrong).
int RunVelmoraCheck(int argc, const char* const* argv, std::FILE* out, std::FILE* err);
