#pragma once
// The G and M codes a program may hold: which exist, how each is written,
// and the facts about it that more than one part of the program needs. The
// reader, the document, the editor and the simulation switch on ECode
// instead of comparing code texts of their own.
#include "program/Process.h"

#include <span>
#include <string_view>

enum class ECode : std::uint8_t {
    None,
    G00, G01, G02, G03, G04, G32, G40, G41, G42, G50, G70, G71, G72, G73, G76,
    G90, G92, G94, G96, G97, G98, G99,
    M02, M03, M04, M05, M08, M09, M06, M30,
};

struct SCodeInfo {
    ECode code = ECode::None;
    std::string_view text; // as the reader stores it, e.g. "G01"
    char letter = 'G';
    int number = 0;
    // The reader keeps a line of this code; it passes over the others
    // without a message, so their lines get no statement.
    bool read = false;
    // The tool moves: the document gives the statement an end point.
    bool motion = false;
    // Bits (1 << EWord) of the words a statement of this code keeps besides
    // the X and Z of a move; a cycle's second line, told by its P, keeps
    // secondLine instead.
    unsigned words = 0;
    unsigned secondLine = 0;
};

std::span<const SCodeInfo> CodeTable();
// The row of a code; the empty row of ECode::None for a text or number that
// names none.
const SCodeInfo& CodeInfo(ECode code);
const SCodeInfo& FindCode(std::string_view text);
const SCodeInfo& FindCode(char letter, int number);
