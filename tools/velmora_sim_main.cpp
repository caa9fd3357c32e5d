#include "tools/SimTool.h"

#include <cstdio>

int main(int argc, char** argv)
{
    // A long run prints hundreds of thousands of lines.
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    return RunVelmoraSim(argc, argv, stdout, stderr);
}
