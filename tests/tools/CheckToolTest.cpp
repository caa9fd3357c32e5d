// Golden tests through velmora-check: each folder under tests/data/check
// holds program.txt, optional args (one per line; FILE stands for the
// program, OUT for a scratch output file), and the expected standard output,
// standard error, exit status and written file. VELMORA_REGENERATE=1 rewrites
// the expected files for review.
#include "tools/CheckTool.h"

#include "GoldenSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using golden::Drain;
using golden::Slurp;

struct SRun {
    int status;
    std::string out, err;
};

SRun RunCheck(const std::vector<std::string>& args)
{
    std::vector<const char*> argv{"velmora-check"};
    for (const auto& arg : args)
        argv.push_back(arg.c_str());
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = RunVelmoraCheck(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, Drain(out), Drain(err)};
}

std::vector<fs::path> Cases()
{
    std::vector<fs::path> cases;
    for (const auto& entry : fs::directory_iterator(fs::path(VELMORA_TEST_DATA) / "check"))
        cases.push_back(entry.path());
    std::sort(cases.begin(), cases.end());
    return cases;
}

class GoldenCheck : public ::testing::TestWithParam<fs::path> {};

TEST_P(GoldenCheck, MatchesTheExpectedFiles)
{
    const fs::path dir = GetParam();
    const fs::path scratch = fs::temp_directory_path() / ("velmora-golden-" + std::to_string(::getpid()) + ".txt");
    std::vector<std::string> args{"--dump", "FILE"};
    if (fs::exists(dir / "args")) {
        args.clear();
        std::istringstream lines(Slurp(dir / "args"));
        for (std::string line; std::getline(lines, line);)
            args.push_back(line);
    }
    for (auto& arg : args)
        arg = arg == "FILE" ? (dir / "program.txt").string() : arg == "OUT" ? scratch.string() : arg;
    SRun run = RunCheck(args);
    // Messages that name the program name it as the args do.
    const std::string program = (dir / "program.txt").string();
    for (std::size_t at; (at = run.err.find(program)) != std::string::npos;)
        run.err.replace(at, program.size(), "FILE");
    golden::ExpectFile(dir / "expected.out", run.out);
    golden::ExpectFile(dir / "expected.err", run.err);
    golden::ExpectFile(dir / "expected.status", std::to_string(run.status) + "\n");
    if (fs::exists(scratch)) {
        golden::ExpectFile(dir / "expected.written", Slurp(scratch));
        fs::remove(scratch);
    }
}

INSTANTIATE_TEST_SUITE_P(Data, GoldenCheck, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.filename().string(); });

TEST(CheckTool, ExplainsItselfAndRefusesWrongArguments)
{
    const SRun help = RunCheck({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--dump"), std::string::npos);
    EXPECT_NE(help.out.find("--write OUT"), std::string::npos);
    for (const auto& args : std::vector<std::vector<std::string>>{{}, {"--bogus", "a"}, {"a", "b"}, {"a", "--write"}}) {
        const SRun run = RunCheck(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("Usage:"), std::string::npos);
    }
}

TEST(CheckTool, AFileThatCannotBeReadOrWrittenGivesStatusTwo)
{
    const SRun missing = RunCheck({"/nonexistent/program.txt"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("/nonexistent/program.txt"), std::string::npos);
    const SRun directory = RunCheck({VELMORA_TEST_DATA});
    EXPECT_EQ(directory.status, 2);
    const std::string program = std::string(VELMORA_TEST_DATA) + "/check/basic/program.txt";
    const SRun unwritable = RunCheck({"--write", "/nonexistent/out.txt", program});
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_NE(unwritable.err.find("/nonexistent/out.txt"), std::string::npos);
}

// Each program under tests/data/bad names, in its leading comment lines,
// the messages it must produce.
TEST(BadPrograms, ProduceTheMessagesTheirCommentsName)
{
    int checked = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(VELMORA_TEST_DATA) / "bad")) {
        std::istringstream lines(Slurp(entry.path()));
        std::string expected;
        for (std::string line; std::getline(lines, line) && line.starts_with("// ");)
            expected += line.substr(3) + "\n";
        const SRun run = RunCheck({entry.path().string()});
        EXPECT_EQ(run.err, expected) << entry.path();
        EXPECT_EQ(run.status, 1) << entry.path();
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

} // namespace
