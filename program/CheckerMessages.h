#pragma once
// The checker's messages, exactly as the system shows them. The first %d is
// the line number; the G90/G94 messages take the G number as a second %d.
#include <string>
#include <vector>

enum class ECheckMessage {
    IllegalChar,
    NoGM,
    G00WithF,
    G00NoX,
    G00NoZ,
    G00WithI,
    G00WithK,
    G01NoX,
    G01NoZ,
    G01NoF,
    G01WithI,
    G01WithK,
    ArcNoX,
    ArcNoZ,
    ArcNoF,
    ArcBadR,
    ArcNoIKR,
    CycleNoX,
    CycleNoZ,
    CycleNoF,
    CycleWithI,
    CycleWithK,
    MNoS,
    NumberOutOfRange,
    Count
};

const char* CheckMessagePattern(ECheckMessage message);

// The last box after the user skipped the rest of a file's boxes: how many
// more lines were rejected and their numbers, the list cut short when long.
std::string SkippedLinesMessage(const std::vector<int>& lines);
