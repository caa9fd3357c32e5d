#pragma once
// velmora-sim: machines a program file without a window, on the model the
// simulation view runs, and prints what the machine shows.
#include <cstdio>

// Returns the exit status: 0 the program ran, 2 the program could not be
// read, a stock size was refused or the arguments were wrong.
int RunVelmoraSim(int argc, const char* const* argv, std::FILE* out, std::FILE* err);
