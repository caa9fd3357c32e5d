#pragma once
// What the user is told after a save that not every statement will read
// back as it is.
#include "program/ProgramFile.h"

#include <string>
#include <vector>

// One sentence per statement, in program order.
std::vector<std::string> SaveWarningLines(const std::vector<SChangedStatement>& changed);
// The text of the one message box: the sentences, the first few of a long
// list and a count of the rest. Empty when there is nothing to say.
std::string SaveWarningText(const std::vector<SChangedStatement>& changed);
