#pragma once
// What of a statement a saved program has to keep, so that saving can tell
// a line that reads back as the same statement from one that does not.
//
// Two statements are the same when they agree in what the program does with
// them, not in every byte of their texts:
// - their kind: the code, or the auxiliary code where the editor put an M
//   code there; the editor's names of a cycle's two lines ("G71(1)") count as
//   the cycle's code, and a statement without a code (or the editor's "T")
//   is a tool statement;
// - the words that kind takes (a cycle's first line its U and R, its second
//   line P, Q, U, W, F, S and T), as the reader stores them: upper case,
//   without blanks. A word without a value (empty, or only its letter)
//   equals any other word without a value, as every consumer reads both as
//   0. A T word counts only from its letter T on, so the reader's text of a
//   cycle's second line, which holds no tool, is no tool word. The words
//   other statements bring along (the X an M05 keeps from the G code before
//   it, the S of a G50 made in the editor) are used by nothing and do not
//   count, except the X and Z of a statement that does not move, which the
//   editor's table shows: a statement read back must show again what the
//   original showed;
// - for moves, where the tool goes: the start and end points as reading the
//   program from the initial point gives them. The X and Z words themselves
//   do not count, so a move given with U and W is the same as the move to its
//   absolute end point. Points that differ by less than a millionth of a
//   millimetre are the same, far below what the program shows or a lathe
//   can cut.
// The line number does not count: reading numbers the lines itself.
#include "program/Process.h"

#include <array>
#include <string>
#include <string_view>

struct SStatementMeaning {
    std::string kind;
    unsigned taken = 0; // one bit per word the statement takes
    std::array<std::string, CProcess::kTexts> words; // only the words it takes
    std::array<std::string, CProcess::kTexts> shown; // X and Z a statement that does not move shows
    bool motion = false;
    bool Takes(EWord word) const { return (taken >> static_cast<unsigned>(word)) & 1u; }
    bool operator==(const SStatementMeaning& other) const;
    // The X and Z this statement shows are shown by back too; a statement
    // the editor made shows none until it is read back.
    bool ShownAgainBy(const SStatementMeaning& back) const;
};

// The statement's kind: "" for a tool statement, else its G or M code.
std::string StatementKind(const CProcess& record);
// Upper case, without the characters the reader drops.
std::string CleanedText(std::string_view text);
// A word as the reader would store it; empty when it has no value.
std::string NormalWord(EWord word, std::string_view text);
SStatementMeaning MeaningOf(const CProcess& record);

// Where a statement that starts at start ends, as the document computes it
// for a statement it has just been given, and the point its words name
// (the same but for a cycle, which returns to its start).
SPoint EndPointFrom(const CProcess& record, SPoint start);
SPoint TargetFrom(const CProcess& record, SPoint start);
bool SamePlace(SPoint a, SPoint b);
