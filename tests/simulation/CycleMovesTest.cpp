// The canned cycles expanded into motion records.
#include "SimulationTestSupport.h"

#include "simulation/Warnings.h"

#include <gtest/gtest.h>

namespace {

struct SMove {
    ECode code;
    double x0, z0, x1, z1;
    int line;
    bool operator==(const SMove&) const = default;
};

struct CycleList : ::testing::Test {
    CInterpreterState state;
    void Build(const std::string& text)
    {
        SProgram program(text);
        BuildMoveList(state, program.doc);
    }
    std::vector<SMove> Moves(std::size_t from) const
    {
        std::vector<SMove> moves;
        for (std::size_t n = from; n < state.nodes.size(); ++n) {
            const MoveNode& node = state.nodes[n];
            moves.push_back({node.code, node.x0, node.z0, node.x1, node.z1, node.line});
        }
        return moves;
    }
};

void PrintTo(const SMove& m, std::ostream* os)
{
    *os << CodeInfo(m.code).text << ' ' << m.x0 << ',' << m.z0 << " -> " << m.x1 << ',' << m.z1 << " line " << m.line;
}

constexpr const char* kRough = "G00 X10 Z2\nG71 U2 R0.5\nG71 P4 Q5 U0.5 W0 F0.2\nG00 X5 Z2\nG01 X5 Z-10 F0.1\n";

TEST_F(CycleList, RoughingPassesStopAtTheContourPlusAllowanceThenFollowItOnceAndGoOnAfterIt)
{
    Build(std::string(kRough) + "G00 X20 Z2\n");
    const std::vector<SMove> expected{
        {ECode::G00, 10, 2, 8, 2, 3},      {ECode::G01, 8, 2, 8, -10, 5},
        {ECode::G01, 8, -10, 8.5, -9.5, 3}, {ECode::G00, 8.5, -9.5, 8.5, 2, 3},
        {ECode::G00, 8.5, 2, 6, 2, 3},     {ECode::G01, 6, 2, 6, -10, 5},
        {ECode::G01, 6, -10, 6.5, -9.5, 3}, {ECode::G00, 6.5, -9.5, 6.5, 2, 3},
        {ECode::G00, 6.5, 2, 5.5, 2, 3},   {ECode::G01, 5.5, 2, 5.5, -10, 5},
        {ECode::G01, 5.5, -10, 6, -9.5, 3}, {ECode::G00, 6, -9.5, 6, 2, 3},
        {ECode::G00, 6, 2, 5.5, 2, 4},     {ECode::G01, 5.5, 2, 5.5, -10, 5},
        {ECode::G00, 5.5, -10, 10, -10, 3}, {ECode::G00, 10, -10, 10, 2, 3},
        {ECode::G00, 10, 2, 20, 2, 6}};
    EXPECT_EQ(Moves(1), expected);
    EXPECT_EQ(state.nodes.at(1).cycle, ECode::G71);
    EXPECT_EQ(state.nodes.back().cycle, ECode::None);
}

TEST_F(CycleList, BareFinishingCycleFollowsTheLastContourAndReturns)
{
    Build(std::string(kRough) + "G70\n");
    ASSERT_GE(state.nodes.size(), 4u);
    const std::vector<SMove> expected{{ECode::G00, 10, 2, 5, 2, 4}, {ECode::G01, 5, 2, 5, -10, 5},
                                      {ECode::G00, 5, -10, 10, -10, 6}, {ECode::G00, 10, -10, 10, 2, 6}};
    EXPECT_EQ(Moves(state.nodes.size() - 4), expected);
}

TEST_F(CycleList, PatternPassesStepFromTheWholeMaterialToTheAllowance)
{
    Build("G00 X20 Z2\nG73 U4 W2 R3\nG73 P4 Q4 U1 W0 F0.2\nG01 X10 Z-10 F0.1\n");
    std::vector<SMove> ends;
    for (const SMove& move : Moves(1))
        if (move.code == ECode::G01)
            ends.push_back(move);
    ASSERT_EQ(ends.size(), 3u);
    EXPECT_EQ(ends[0].x1, 15);
    EXPECT_EQ(ends[0].z1, -8);
    EXPECT_EQ(ends[1].x1, 13);
    EXPECT_EQ(ends[2].x1, 11);
    EXPECT_EQ(ends[2].z1, -10);
}

TEST_F(CycleList, SequenceNumbersNameTheContourWhenTheProgramHasThem)
{
    Build("N1 G00 X10 Z2\nN2 G71 U5 R0\nN3 G71 P10 Q10 U0 W0 F0.2\nN10 G01 X5 Z-10 F0.1\n");
    EXPECT_EQ(state.nodes.at(2).line, 4);
    EXPECT_EQ(state.nodes.at(2).z1, -10);
}

TEST_F(CycleList, AContourThatFallsOrIsNotThereStopsTheRunAtTheCycle)
{
    Build("G00 X21 Z2\nG71 U2 R0.5\nG71 P4 Q5 U0 W0 F0.2\nG01 X15 Z0 F0.1\nG01 X12 Z-20\n");
    EXPECT_EQ(state.nodes.at(1).warning, kWarnContourNotMonotone);
    Build("G00 X21 Z2\nG71 U2 R0.5\nG71 P4 Q40 U0 W0 F0.2\nG01 X15 Z0 F0.1\n");
    EXPECT_EQ(state.nodes.at(1).warning, kWarnNoContour);
    EXPECT_EQ(state.nodes.at(1).line, 3);
}

TEST_F(CycleList, AnExamPartInDiametersMakesTheSameMovesAsInRadii)
{
    Build("G00 X21 Z2\nG71 U1.5 R0.5\nG71 P4 Q8 U0.3 W0.1 F0.2\nG00 X9 Z2\nG01 X10 Z-1 F0.1\n"
          "G01 X10 Z-12\nG03 X14 Z-16 R4\nG01 X19 Z-30\nG70\nG90 X18 Z-35 F0.2\nG01 U2 W-2 F0.1\n");
    const std::vector<SMove> radius = Moves(0);
    SProgram diameter("G00 X42 Z2\nG71 U1.5 R0.5\nG71 P4 Q8 U0.6 W0.1 F0.2\nG00 X18 Z2\nG01 X20 Z-1 F0.1\n"
                      "G01 X20 Z-12\nG03 X28 Z-16 R4\nG01 X38 Z-30\nG70\nG90 X36 Z-35 F0.2\nG01 U4 W-2 F0.1\n");
    BuildMoveList(state, diameter.doc, 0.0, 0.0, true);
    EXPECT_EQ(Moves(0), radius);
}

} // namespace
