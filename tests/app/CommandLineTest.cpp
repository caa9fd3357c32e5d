#include "app/CommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLineTest, HelpAndVersionAreAnsweredWithoutStartingTheProgram)
{
    const SCommandLine version = ParseCommandLine({"velmora", "--version"}, "1.2.3");
    EXPECT_EQ(version.action, ECommandLineAction::Version);
    EXPECT_EQ(version.text.rfind("velmora 1.2.3\n", 0), 0u);
    EXPECT_EQ(ParseCommandLine({"velmora", "prog.txt", "-h"}, "1").action, ECommandLineAction::Help);
}

TEST(CommandLineTest, AProgramFileOrWordsAfterADoubleDashStartTheProgram)
{
    EXPECT_EQ(ParseCommandLine({"velmora", "part.txt"}, "1").action, ECommandLineAction::Run);
    EXPECT_EQ(ParseCommandLine({"velmora", "--", "--help"}, "1").action, ECommandLineAction::Run);
    EXPECT_EQ(ParseCommandLine({"velmora"}, "1").action, ECommandLineAction::Run);
}
