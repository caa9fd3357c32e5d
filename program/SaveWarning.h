#pragma once
// What the user is told after a save that not every statement will read
// back as it is.
#include "program/ProgramFile.h"

#include <string>
#include <vector>

// One sentence per line of the read file that will not be written (its
// number in the file and its text), then one per statement, in program order.
std::vector<std::string> SaveWarningLines(const std::vector<SChangedStatement>& changed,
                                          const std::vector<SDroppedLine>& dropped = {});
// The text of the one message box: the sentences, the first few of a long
// list and a count of the rest. Empty when there is nothing to say.
std::string SaveWarningText(const std::vector<SChangedStatement>& changed,
                            const std::vector<SDroppedLine>& dropped = {});
