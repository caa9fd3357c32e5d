#pragma once
// Which of the lathe's three tools are on the turret and which one was
// chosen last. Only the tool selection command changes it; starting to
// machine needs a chosen tool.

struct CTurretState {
    int currentTool = -1;          // row of the tool last mounted or taken off; -1 none yet
    int mounted[3] = {0, 0, 0};    // tool 1 turning, tool 2 grooving, tool 3 threading
};
