#include "tools/CheckTool.h"

#include <cstdio>

int main(int argc, char** argv)
{
    // Whole lines at a time: a million-line dump should not cost a million
    // write calls.
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    return RunVelmoraCheck(argc, argv, stdout, stderr);
}
