// Golden tests through velmora-sim: each folder under tests/data/sim holds
// program.txt, optional args (one per line; FILE stands for the program,
// ACTIONS for the folder's actions.txt,
// OUT:name for a scratch file compared with expected.name), and the
// expected standard output, standard error and exit status.
// VELMORA_REGENERATE=1 rewrites the expected files for review.
#include "tools/SimTool.h"

#include "GoldenSupport.h"
#include "program/FileErrors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>
#include <unistd.h>
#include <csignal>
#include <fstream>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

struct SRun {
    int status;
    std::string out, err;
};

SRun RunSim(const std::vector<std::string>& args)
{
    std::vector<const char*> argv{"velmora-sim"};
    for (const auto& arg : args)
        argv.push_back(arg.c_str());
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = RunVelmoraSim(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, golden::Drain(out), golden::Drain(err)};
}

fs::path Scratch(const std::string& name)
{
    return fs::temp_directory_path() / ("velmora-sim-" + std::to_string(::getpid()) + "-" + name);
}

std::vector<fs::path> Cases()
{
    std::vector<fs::path> cases;
    for (const auto& entry : fs::directory_iterator(fs::path(VELMORA_TEST_DATA) / "sim"))
        cases.push_back(entry.path());
    std::sort(cases.begin(), cases.end());
    return cases;
}

class GoldenSim : public ::testing::TestWithParam<fs::path> {};

TEST_P(GoldenSim, MatchesTheExpectedFiles)
{
    const fs::path dir = GetParam();
    std::vector<std::string> args{"FILE"}, written;
    if (fs::exists(dir / "args")) {
        args.clear();
        std::istringstream lines(golden::Slurp(dir / "args"));
        for (std::string line; std::getline(lines, line);)
            args.push_back(line);
    }
    for (auto& arg : args) {
        if (arg == "FILE") {
            arg = (dir / "program.txt").string();
        } else if (arg == "ACTIONS") {
            arg = (dir / "actions.txt").string();
        } else if (arg.starts_with("OUT:")) {
            written.push_back(arg.substr(4));
            arg = Scratch(written.back()).string();
        }
    }
    const SRun run = RunSim(args);
    golden::ExpectFile(dir / "expected.out", run.out);
    golden::ExpectFile(dir / "expected.err", run.err);
    golden::ExpectFile(dir / "expected.status", std::to_string(run.status) + "\n");
    for (const std::string& name : written) {
        golden::ExpectFile(dir / ("expected." + name), golden::Slurp(Scratch(name)));
        fs::remove(Scratch(name));
    }
}

INSTANTIATE_TEST_SUITE_P(Data, GoldenSim, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.filename().string(); });

TEST(SimTool, ExplainsItselfAndRefusesWrongArguments)
{
    const SRun help = RunSim({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--stl F"), std::string::npos);
    for (const auto& args : std::vector<std::vector<std::string>>{
             {}, {"--bogus", "a"}, {"a", "b"}, {"a", "--svg"}, {"--max-frames", "x", "a"}}) {
        const SRun run = RunSim(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("Usage:"), std::string::npos);
    }
}

TEST(SimTool, AProgramThatCannotBeReadGivesStatusTwo)
{
    const SRun missing = RunSim({"/nonexistent/program.txt"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("/nonexistent/program.txt"), std::string::npos);
    EXPECT_EQ(missing.out, "");
}

TEST(SimTool, WritesTheMachinedPartAsBinaryStl)
{
    const fs::path stl = Scratch("part.stl");
    const std::string program = std::string(VELMORA_TEST_DATA) + "/sim/turning/program.txt";
    ASSERT_EQ(RunSim({"--stl", stl.string(), program}).status, 0);
    const std::string bytes = golden::Slurp(stl);
    fs::remove(stl);
    ASSERT_GT(bytes.size(), 84u);
    std::uint32_t count = 0;
    std::memcpy(&count, bytes.data() + 80, 4);
    EXPECT_GT(count, 0u);
    EXPECT_EQ(bytes.size(), 84u + 50u * count);
}

TEST(SimTool, AnExportTheDiskCannotHoldLeavesTheEarlierOneAndSaysWhy)
{
    // A limit on the size of files stands in for a full disk, for root as well.
    const fs::path stl = Scratch("full.stl");
    std::ofstream(stl) << "earlier export";
    const std::string program = std::string(VELMORA_TEST_DATA) + "/sim/turning/program.txt";
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const SRun run = RunSim({"--stl", stl.string(), program});
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("velmora-sim: 无法写入导出文件“" + stl.string() + "”：" + FileErrorReason(EFBIG)),
              std::string::npos) << run.err;
    EXPECT_EQ(golden::Slurp(stl), "earlier export");
    fs::remove(stl);
}

} // namespace
