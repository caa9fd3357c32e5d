#include "ProgramText.h"

#include "program/LineChecker.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

struct SCase {
    const char* name;
    const char* program;
    Lines statements;
    Lines messages;
};

void PrintTo(const SCase& c, std::ostream* os) { *os << c.name; }

class CheckerCase : public ::testing::TestWithParam<SCase> {};

TEST_P(CheckerCase, ReadsAsExpected)
{
    const SCase& c = GetParam();
    const SReadOutcome outcome = ReadText(c.program);
    EXPECT_EQ(outcome.statements, c.statements);
    EXPECT_EQ(outcome.messages, c.messages);
}

const SCase kCases[] = {
    {"lower case and blanks", "g01 x10\tz-5 f0.2\n", {"1 G01 X10 Z-5 F0.2"}, {}},
    {"carried words fill a line without a code",
     "G00X100Z100\n\nX50\nG01Z-20F0.2\n",
     {"1 G00 X100 Z100", "2 G00 X50 Z100", "3 G01 X50 Z-20 F0.2"}, {}},
    {"a // comment ends the line it follows", "G00X1Z1\nG00X2Z2 // rough\n// note\nG00X3Z3\n",
     {"1 G00 X1 Z1", "2 G00 X2 Z2", "3 G00 X3 Z3"}, {}},
    {"an illegal letter names the file line and shows it", "G00X1Z1\n\nG00X10Z0Y5\nG00X2Z2\n",
     {"1 G00 X1 Z1", "2 G00 X2 Z2"}, {"第3行出现出现非法字符，请纠正?\n“G00X10Z0Y5”"}},
    {"double-byte text vanishes", "G00X1Z1（粗车）\n", {"1 G00 X1 Z1"}, {}},
    {"the G number is read from two characters", "G1X10Z0F.1\n", {"1 G01 X10 Z0 F.1"}, {}},
    {"no code leaves a gap in the numbers", "X10Z0\nG00X1Z1\n", {"2 G00 X1 Z1"}, {"第1行无G/M指令，请纠正!"}},
    {"unsupported codes are passed over without a number", "G04X2\nG72W1R1\nG00X1Z1\n", {"1 G00 X1 Z1"}, {}},
    {"an M line takes the carried G words", "G01X10Z0F0.2\nM03S800\n",
     {"1 G01 X10 Z0 F0.2", "2 M03 X10 Z0 F0.2 S800"}, {}},
    {"after an M code a line needs its own code", "M05\nX1Z1\n", {"1 M05"}, {"第2行无G/M指令，请纠正!"}},
    // The rejected M03 still became the carried code, so M04 gets no G words.
    {"M03 needs S", "G00X1Z1\nM03\nM04S5\n", {"1 G00 X1 Z1", "3 M04 S5"}, {"第2行M代码缺少S指令，请纠正!"}},
    {"arc centres keep to one kind in a file", "G02X20Z-10I5K0F0.1\nG03X30Z-20R5F0.1\n",
     {"1 G02 X20 Z-10 I5 K0 F0.1"}, {"第2行G02/G03代码R指令有误，请纠正!"}},
    {"an arc by radius", "G02X20Z-10R5F0.1\nG03X30Z-20\n",
     {"1 G02 X20 Z-10 R5 F0.1", "2 G03 X30 Z-20 R5 F0.1"}, {}},
    {"an arc without centre", "G02X20Z-10F0.1\nG02X20Z-10I5F0.1\n", {},
     {"第1行G02/G03代码无I,K或R指令，请纠正!", "第2行G02/G03代码无I,K或R指令，请纠正!"}},
    {"I and K are carried to later arcs", "G02X20Z-10I5K0F0.1\nG03X30Z-20\n",
     {"1 G02 X20 Z-10 I5 K0 F0.1", "2 G03 X30 Z-20 I5 K0 F0.1"}, {}},
    {"G90 stores R0 and leaves the carried code alone", "G01X40Z0F1\nG90X30Z-20F0.2\nX28\n",
     {"1 G01 X40 Z0 F1", "2 G90 X30 Z-20 R0 F0.2", "3 G01 X28 Z-20 F1"}, {}},
    {"G92 keeps its words as G90 does", "G00X15Z5\nG92X9.2Z-8F1.5\n",
     {"1 G00 X15 Z5", "2 G92 X9.2 Z-8 R0 F1.5"}, {}},
    {"G94 wants F in its own line", "G01X40Z0F1\nG94X30Z-2\n", {"1 G01 X40 Z0 F1"}, {"第2行G94代码无F指令，请纠正!"}},
    {"a T word takes the rest of the line", "G00X1Z1\nG00T0101X5\n", {"1 G00 X1 Z1", "2 T0101X5"}, {}},
    {"a cycle's first line", "G71(1)U2R1\n", {"1 G71 U2 R1"}, {}},
    {"a pattern cycle's first line keeps W and counts", "G73U3W1R3\nG00X1Z1\n",
     {"1 G73 U3 W1 R3", "2 G00 X1 Z1"}, {}},
    {"a pattern cycle's second line reads as a roughing cycle's", "G73P10Q20U0.5W0.1F0.2\n",
     {"1 G73 P10 Q20 U0.5 W0.1 G73P10Q20U0.5W0.1F0.2"}, {}},
    {"a finishing cycle keeps its P and Q", "G70P6Q8\nG70\n", {"1 G70 P6 Q8", "2 G70"}, {}},
    {"a cycle's second line keeps the whole line as T", "G71P10Q20U0.5W0.1F0.2\n",
     {"1 G71 P10 Q20 U0.5 W0.1 G71P10Q20U0.5W0.1F0.2"}, {}},
    {"codes without words", "G41\nG96S200\n", {"1 G41", "2 G96"}, {}},
    // A contour's first line often gives X alone: it keeps the Z and the
    // move that stood before the cycle, never the cycle's W, U or R.
    {"a cycle's words and code are not carried", "G00X21Z2\nG71U1R0.5\nG71P3Q4U0.5W0.1F0.2\nX10\nG02Z-10F0.1\n",
     {"1 G00 X21 Z2", "2 G71 U1 R0.5", "3 G71 P3 Q4 U0.5 W0.1 G71P3Q4U0.5W0.1F0.2", "4 G00 X10 Z2"},
     {"第5行G02/G03代码无I,K或R指令，请纠正!"}},
    {"U and W do not stand for X and Z in a move", "G00U5W3\n", {},
     {"第1行G00代码无X续效指令，请纠正!"}},
    {"a line with G and M is an M statement with the G words", "G00X1Z2M05\n", {"1 M05 X1 Z2M05"}, {}},
    {"an unknown M code repeats the carried move", "G00X1Z1\nM07\nG00X2Z2\n",
     {"1 G00 X1 Z1", "2 G00 X1 Z1", "3 G00 X2 Z2"}, {}},
    {"an unknown M code without a carried G and without words is passed over", "M07\nG00X2Z2\n",
     {"1 G00 X2 Z2"}, {}},
    {"M06 and M30 are statements of their own, not copies of the move", "G01X1Z1F1\nM06\nM30\n",
     {"1 G01 X1 Z1 F1", "2 M06 X1 Z1 F1", "3 M30"}, {}},
    {"numbers up to 99999.999 are taken, fractions of any length", "G01X099999.999Z-1.1234567F.1234567\n",
     {"1 G01 X099999.999 Z-1.1234567 F.1234567"}, {}},
    {"a textbook program reads as its bare twin", "%\nO0001 (SHAFT)\nN10 T0101;\nN20 G00 X100 Z100 (RAPID);\n"
     "N30 G71(1)U2R1\n%\n", {"1 T0101", "2 G00 X100 Z100", "3 G71 U2 R1"}, {}},
    {"full-width forms read as their ASCII twins", "G01X２0Z-30F0.2\nＧ００　Ｘ１００Ｚ１。５\n",
     {"1 G01 X20 Z-30 F0.2", "2 G00 X100 Z1.5"}, {}},
};

INSTANTIATE_TEST_SUITE_P(Examples, CheckerCase, ::testing::ValuesIn(kCases));

// Each rule's message, in the order the rules are tried. The program's
// last line is the faulty one; earlier lines set up the carried words.
struct SRule {
    const char* program;
    const char* message;
};

TEST(CheckerMessages, EveryRuleReportsItsOwnText)
{
    const SRule rules[] = {
        {"G00X1Z1F1", "第1行G00代码出现F指令，请纠正!"},
        {"G00Z1", "第1行G00代码无X续效指令，请纠正!"},
        {"G00X1", "第1行G00代码无Z续效指令，请纠正!"},
        {"G00X1Z1I1", "第1行G00代码出现I指令，请纠正!"},
        {"G00X1Z1K1", "第1行G00代码出现K指令，请纠正!"},
        {"G01Z1F1", "第1行G01代码无X续效指令，请纠正!"},
        {"G32X1F1", "第1行G01代码无Z续效指令，请纠正!"},
        {"G01X1Z1", "第1行G01代码无F续效指令，请纠正!"},
        {"G01X1Z1F1I1", "第1行G01代码出现I指令，请纠正!"},
        {"G01X1Z1F1K1", "第1行G01代码出现K指令，请纠正!"},
        {"G02Z1R1F1", "第1行G02/G03代码无X续效指令，请纠正!"},
        {"G03X1R1F1", "第1行G02/G03代码无Z续效指令，请纠正!"},
        {"G02X1Z1R1", "第1行G02/G03代码无F续效指令，请纠正!"},
        {"G02X1Z1I1R1F1", "第1行G02/G03代码R指令有误，请纠正!"},
        {"G02X1Z1K1F1", "第1行G02/G03代码无I,K或R指令，请纠正!"},
        {"G90Z1F1", "第1行G90代码无X续效指令，请纠正!"},
        {"G94X1F1", "第1行G94代码无Z续效指令，请纠正!"},
        {"G90X1Z1", "第1行G90代码无F指令，请纠正!"},
        {"G90X1Z1F1I1", "第1行G90代码出现I指令，请纠正!"},
        {"G94X1Z1F1K1", "第1行G94代码出现K指令，请纠正!"},
        {"M04", "第1行M代码缺少S指令，请纠正!"},
        {"Z1", "第1行无G/M指令，请纠正!"},
        {"G00X1Z1Y1", "第1行出现出现非法字符，请纠正?\n“G00X1Z1Y1”"},
        {"G00X100000Z1", "第1行数值超出范围，请纠正!"},
        {"G00X1Z-99999.9991", "第1行数值超出范围，请纠正!"},
    };
    for (const auto& rule : rules) {
        const SReadOutcome outcome = ReadText(rule.program);
        EXPECT_TRUE(outcome.statements.empty()) << rule.program;
        EXPECT_EQ(outcome.messages, Lines{rule.message}) << rule.program;
    }
}

TEST(LineChecker, TextBoundsFollowAbsentLetters)
{
    // X comes after Z: X runs to an earlier Z and so is empty, Z runs on.
    SCarriedState state;
    auto record = CLineChecker::CheckQuietly("G00Z5X10", state);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->Get(EWord::X), "");
    EXPECT_EQ(record->Get(EWord::Z), "Z5X10");
    EXPECT_EQ(state.x, "");
    // A cycle line with P but no Q: P stops at the absent Q and is empty.
    record = CLineChecker::CheckQuietly("G71P1U2", state);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->Get(EWord::P), "");
    EXPECT_EQ(record->Get(EWord::Q), "G71P1U") << "an absent start reaches from the beginning";
}

TEST(LineChecker, CountsOnlyTheLinesItReported)
{
    CScriptedPrompter prompter;
    CLineChecker checker(prompter);
    SCarriedState state;
    for (const char* line : {"G00X1Z1", "N1", "", "// x", "G04", "Z", "G01X1Z1"})
        checker.CheckLine(line, state);
    EXPECT_EQ(checker.Rejected(), 2); // N1, and G01 without F
    EXPECT_EQ(prompter.Asked().size(), 2u);
}

// A file of one good line followed by `faulty` rapid moves with a feed.
std::string ManyFaultyLines(int faulty)
{
    std::string program = "G00X1Z1\n";
    for (int n = 0; n < faulty; ++n)
        program += "G00X1Z1F1\n";
    return program;
}

TEST(ManyFaultyLines, EachBoxOffersToSkipTheRestAndOneLastBoxListsTheSkippedLines)
{
    CScriptedPrompter prompter;
    CVelmoraDoc doc(prompter);
    prompter.Answer(EPromptAnswer::Ok);
    prompter.Answer(EPromptAnswer::SkipRest);
    std::istringstream in(ManyFaultyLines(5));
    EXPECT_EQ(ReadProgramStream(doc, in).rejected, 5);
    ASSERT_EQ(prompter.Asked().size(), 3u);
    EXPECT_EQ(prompter.Asked()[0].buttons, EPromptButtons::OkSkipRest);
    EXPECT_EQ(prompter.Asked()[1].text, "第3行G00代码出现F指令，请纠正!");
    EXPECT_EQ(prompter.Asked()[2].text, "本文件另有3行有错误，未逐一提示：第4、5、6行。");
    EXPECT_EQ(prompter.Asked()[2].buttons, EPromptButtons::Ok);
}

TEST(ManyFaultyLines, ALongListKeepsItsFirstAndLastNumbers)
{
    CScriptedPrompter prompter;
    CVelmoraDoc doc(prompter);
    prompter.Answer(EPromptAnswer::SkipRest);
    std::istringstream in(ManyFaultyLines(2000));
    ReadProgramStream(doc, in);
    ASSERT_EQ(prompter.Asked().size(), 2u);
    const std::string& last = prompter.Asked()[1].text;
    EXPECT_EQ(last.rfind("本文件另有1999行有错误，未逐一提示：第3、4、5、", 0), 0u) << last;
    EXPECT_NE(last.find("、…、2001行"), std::string::npos) << last;
    EXPECT_LT(last.size(), 300u);
}

TEST(ManyFaultyLines, SkippingTheLastFaultSaysNoneFollowed)
{
    CScriptedPrompter prompter;
    CVelmoraDoc doc(prompter);
    prompter.Answer(EPromptAnswer::SkipRest);
    std::istringstream in(ManyFaultyLines(1) + "G00X2Z2\n");
    ReadProgramStream(doc, in);
    EXPECT_EQ(prompter.Texts().back(), "本文件其余各行没有再发现错误。");
    EXPECT_EQ(doc.Statements().size(), 2u) << "skipping the boxes skips no statement";
}

} // namespace
