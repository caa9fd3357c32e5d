#pragma once
// How a statement is put into a program line: which words, in which order,
// and which of them a line may leave to the reader's carried state.
#include "program/LineChecker.h"
#include "program/Process.h"

#include <string>
#include <string_view>

struct SWordStyle {
    // With a carried state, words the reader would fill in from it anyway
    // are left out: all of them, or only those at the end of the line.
    const SCarriedState* carried = nullptr;
    bool onlyTrailing = false;
};

// The words of a statement with this code, in the order the reader takes
// them apart.
std::string WordsFor(std::string_view code, const CProcess& record, SWordStyle style = {});
// The statement in the line format: its code (or, without one, its
// auxiliary code or its tool word) followed by its words.
std::string PlainLine(const CProcess& record);

// How a move's X and Z are written: absolute words as they are, or both as
// the end point (which also drops whatever else a word held, such as an M
// code that came along with a carried word).
enum class EMoveWords { KeepAbsolute, EndPoint };

// The statement with its words as the reader would store them: its kind as
// the code, words in upper case without blanks, a word without a value as
// its bare letter (a T only in a tool statement, since a T makes any line a
// tool line), and the X and Z of a move as the absolute end point where
// either is incremental or unusable.
CProcess ReadableForm(const CProcess& record, SPoint end, EMoveWords words = EMoveWords::KeepAbsolute);
// A length in mm as a line holds it: plain decimals whatever the locale, no
// exponent (the reader takes no E), at most six places. Empty for a number
// that has no such text.
std::string LengthText(double value);
