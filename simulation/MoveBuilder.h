#pragma once
// What the list builder and the canned cycles share while they translate
// statements into motion records.
#include "program/VelmoraDoc.h"
#include "simulation/CycleTime.h"
#include "simulation/Interpreter.h"

#include <optional>
#include <vector>

// The list being built and where the tool stands after its last node: each
// move starts there, as on a control, whatever start the document gives.
struct SBuilder {
    SBuilder(CInterpreterState& s, const CVelmoraDoc::StatementList& list, SArcPoint start)
        : state(s), statements(list), at(start)
    {
    }
    CInterpreterState& state;
    const CVelmoraDoc::StatementList& statements;
    SArcPoint at;
    // 0.5 when X and U are diameters: every programmed X becomes a radius.
    double xScale = 1.0;
    // Added to every programmed point while a cycle replays its contour
    // offset by its allowance.
    SArcPoint shift{};
    // The cycle whose passes are being built: the status bar shows it.
    ECode cycle = ECode::None;
    // The words of the cycles' first lines, which their second lines use.
    double roughDepth = 0.0, roughRetract = 0.0;
    double patternX = 0.0, patternZ = 0.0, patternPasses = 1.0;
    // The contour of the last roughing cycle, which a bare G70 finishes.
    std::optional<std::pair<std::size_t, std::size_t>> lastContour;
    // The feed and spindle speed in force, for each node's machining time.
    SFeedState feed;
    // The number P and Q give each statement: its N word when the program
    // has them, else its statement number. Filled at the first cycle.
    std::vector<int> numbers;
};

MoveNode NewNode(char kind, int line);
// Adds node to the list with its machining time.
void PushNode(SBuilder& b, const MoveNode& node);
void AppendMove(SBuilder& b, int line, ECode code, double x1, double z1);
// A programmed move of a G00/G01/G02/G03/G32 statement, to its end point
// moved by the builder's shift.
void TranslateMotion(SBuilder& b, const CProcess& statement, ECode code);
std::optional<SArcPath> ArcOf(const CProcess& statement, ECode code, SArcPoint from, SArcPoint to);
double Value(const CProcess& statement, EWord word);

// A G70, G71 or G73 statement at index; returns the index of the statement
// to translate next.
std::size_t TranslateCycle(SBuilder& b, std::size_t index, ECode code);
