// Translating statements into motion records.
#include "SimulationTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct SMove {
    ECode code;
    double x0, z0, x1, z1;
    bool operator==(const SMove&) const = default;
};

std::vector<SMove> Moves(const CInterpreterState& state)
{
    std::vector<SMove> moves;
    for (const MoveNode& node : state.nodes)
        if (node.kind == 'G')
            moves.push_back({node.code, node.x0, node.z0, node.x1, node.z1});
    return moves;
}

std::string Kinds(const CInterpreterState& state)
{
    std::string kinds;
    for (const MoveNode& node : state.nodes)
        kinds += node.kind;
    return kinds;
}

struct BuiltList : ::testing::Test {
    CInterpreterState state;
    void Build(const std::string& text)
    {
        SProgram program(text);
        BuildMoveList(state, program.doc);
    }
};

TEST_F(BuiltList, TurningCyclesStartAndEndWhereTheToolStood)
{
    Build("G00 X30 Z2\nG90 X20 Z-40 F0.2\nG90 X18 Z-40 F0.2\nG01 X25 Z2 F0.2\n");
    const std::vector<SMove> expected{
        {ECode::G00, 0, 0, 30, 2},    {ECode::G00, 30, 2, 20, 2},    {ECode::G01, 20, 2, 20, -40},
        {ECode::G01, 20, -40, 30, -40}, {ECode::G00, 30, -40, 30, 2}, {ECode::G00, 30, 2, 18, 2},
        {ECode::G01, 18, 2, 18, -40}, {ECode::G01, 18, -40, 30, -40}, {ECode::G00, 30, -40, 30, 2},
        {ECode::G01, 30, 2, 25, 2}};
    EXPECT_EQ(Moves(state), expected);
}

TEST_F(BuiltList, TurningTaperStartsRWiderThanItEnds)
{
    Build("G00 X35 Z2\nG90 X32 Z-30 R-2 F0.2\n");
    EXPECT_EQ(Moves(state)[1], (SMove{ECode::G00, 35, 2, 30, 2}));
    EXPECT_EQ(Moves(state)[2], (SMove{ECode::G01, 30, 2, 32, -30}));
    EXPECT_EQ(state.nodes.at(2).line, 2);
}

TEST_F(BuiltList, FacingCycleBecomesFourMovesAroundTheFace)
{
    Build("G00 X30 Z2\nG94 X10 Z-3 F0.1\n");
    const std::vector<SMove> expected{{ECode::G00, 0, 0, 30, 2},    {ECode::G00, 30, 2, 30, -3},
                                      {ECode::G01, 30, -3, 10, -3}, {ECode::G01, 10, -3, 10, 2},
                                      {ECode::G00, 10, 2, 30, 2}};
    EXPECT_EQ(Moves(state), expected);
}

TEST_F(BuiltList, ThreadingCycleCutsAtItsLeadAndLeavesByRapid)
{
    Build("G00 X15 Z5\nG92 X9.2 Z-8 F1.5\nG00 X30 Z5\n");
    const std::vector<SMove> expected{{ECode::G00, 0, 0, 15, 5},      {ECode::G00, 15, 5, 9.2, 5},
                                      {ECode::G32, 9.2, 5, 9.2, -8},  {ECode::G00, 9.2, -8, 15, -8},
                                      {ECode::G00, 15, -8, 15, 5},    {ECode::G00, 15, 5, 30, 5}};
    EXPECT_EQ(Moves(state), expected);
    EXPECT_DOUBLE_EQ(state.nodes.at(2).f, 1.5);
}

TEST(TurningCycle, EveryPassOfARoughingSeriesCuts)
{
    SMachine m;
    m.Start("M03 S800\nG00 X22 Z2\nG90 X19 Z-30 F0.2\nG90 X18 Z-30 F0.2\nG90 X17 Z-30 F0.2\nG94 X10 Z-1 F0.2\nM02\n");
    m.Run();
    const auto& r = m.sim->workpiece.profile_r;
    EXPECT_DOUBLE_EQ(r[0], 10.0);
    for (int j = 2; j <= 30; ++j)
        EXPECT_DOUBLE_EQ(r[j], 17.0) << j;
    EXPECT_DOUBLE_EQ(r[31], 20.0);
}

TEST_F(BuiltList, ToolWordGivesTheStationAndHidesTheMoveOfItsStatement)
{
    Build("T0303\nT0\nG00 X20 Z5 T0101\n");
    EXPECT_EQ(Kinds(state), "TTT");
    EXPECT_EQ(state.nodes.front().tool, 3);
    EXPECT_EQ(state.nodes.at(1).tool, 0);
    EXPECT_EQ(state.nodes.back().tool, 1);
}

TEST_F(BuiltList, AuxiliaryFunctionsKeepTheirSpeedAndUnknownCodesAreSkipped)
{
    Build("M03 S800\nM06\nG71 U2 R1\nM04 S300\nM05\nM08\nM09\nM02\n");
    EXPECT_EQ(Kinds(state), "MMMMMM");
    EXPECT_EQ(state.nodes.front().code, ECode::M03);
    EXPECT_DOUBLE_EQ(state.nodes.front().s, 800.0);
    EXPECT_DOUBLE_EQ(state.nodes.at(1).s, 300.0);
    EXPECT_EQ(state.nodes.back().code, ECode::M02);
}

TEST_F(BuiltList, ThreadKeepsItsLead)
{
    Build("G00 X20 Z2\nG32 X19 Z-30 F1.5\n");
    EXPECT_EQ(state.nodes.back().code, ECode::G32);
    EXPECT_DOUBLE_EQ(state.nodes.back().f, 1.5);
}

TEST_F(BuiltList, ArcsStartWhereTheToolStandsAndNameTheirCentreFromThere)
{
    Build("G00 X10 Z0\nG02 X20 Z-10 R10 F0.2\n");
    const MoveNode& g02 = state.nodes.at(1);
    EXPECT_NEAR(g02.i, 10.0, 1e-9); // centre (20, 0)
    EXPECT_NEAR(g02.k, 0.0, 1e-9);
    Build("G00 X10 Z0\nG02 X20 Z-10 I10 K0 F0.2\nG03 X10 Z-20 I-10 K0 F0.2\n");
    const MoveNode& g03 = state.nodes.back();
    EXPECT_DOUBLE_EQ(g03.x0, 20.0);
    EXPECT_DOUBLE_EQ(g03.z0, -10.0);
    EXPECT_FALSE(g03.impossible);
}

TEST_F(BuiltList, AnArcWithNoCircleIsKeptToStopTheRunThere)
{
    Build("G00 X10 Z0\nG02 X30 Z-30 R5 F0.2\n");
    EXPECT_EQ(Kinds(state), "GG");
    EXPECT_TRUE(state.nodes.back().impossible);
    Build("G00 X10 Z0\nG02 X40 Z-40 I0 K0 F0.2\nG02 X10 Z-10 I0 K-6 F0.2\n");
    EXPECT_EQ(Kinds(state), "GGG");
    EXPECT_TRUE(state.nodes.at(1).impossible);
    EXPECT_TRUE(state.nodes.at(2).impossible);
}

TEST_F(BuiltList, RebuildingReleasesTheOldListAndForgetsTheRunningNode)
{
    Build("G00 X10 Z0\nG01 X5 Z-5 F0.2\n");
    state.cur = 1;
    SProgram empty("");
    BuildMoveList(state, empty.doc);
    EXPECT_TRUE(state.nodes.empty());
    EXPECT_FALSE(state.HasCurrent());
}

} // namespace
