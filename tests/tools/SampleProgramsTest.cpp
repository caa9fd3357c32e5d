// Every sample program shipped with the application, machined by
// velmora-sim and read by velmora-check, gives the outputs stored under
// tests/data/samples: a change meant to keep behaviour must keep them byte
// for byte. VELMORA_REGENERATE=1 rewrites the expected files for review.
#include "tools/CheckTool.h"
#include "tools/SimTool.h"

#include "GoldenSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using TTool = int (*)(int, const char* const*, std::FILE*, std::FILE*);

// Standard output, then standard error and the exit status, as one text.
std::string RunTool(TTool tool, std::vector<std::string> args)
{
    std::vector<const char*> argv{"tool"};
    for (const auto& arg : args)
        argv.push_back(arg.c_str());
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = tool(static_cast<int>(argv.size()), argv.data(), out, err);
    const std::string text = golden::Drain(out);
    return text + "-- stderr\n" + golden::Drain(err) + "-- status " + std::to_string(status) + "\n";
}

std::vector<fs::path> Samples()
{
    std::vector<fs::path> samples;
    for (const auto& entry : fs::directory_iterator(fs::path(VELMORA_SOURCE_DIR) / "resources" / "programs"))
        samples.push_back(entry.path());
    std::sort(samples.begin(), samples.end());
    return samples;
}

std::string TestName(const fs::path& program)
{
    std::string name = program.stem().string();
    auto other = [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); };
    std::replace_if(name.begin(), name.end(), other, '_');
    return name;
}

class SampleProgram : public ::testing::TestWithParam<fs::path> {};

TEST_P(SampleProgram, GivesTheStoredOutputs)
{
    const fs::path program = GetParam();
    const fs::path expected = fs::path(VELMORA_TEST_DATA) / "samples" / program.stem();
    if (golden::Regenerating())
        fs::create_directories(expected);
    const fs::path scratch = fs::temp_directory_path() / ("velmora-sample-" + std::to_string(::getpid()));
    const std::string profile = scratch.string() + ".profile.csv", trace = scratch.string() + ".trace.csv";
    golden::ExpectFile(expected / "sim.out", RunTool(RunVelmoraSim, {"--positions", "--profile-csv", profile,
                                                                 "--trace-csv", trace, program.string()}));
    golden::ExpectFile(expected / "profile.csv", golden::Slurp(profile));
    golden::ExpectFile(expected / "trace.csv", golden::Slurp(trace));
    golden::ExpectFile(expected / "check.out", RunTool(RunVelmoraCheck, {"--dump", program.string()}));
    fs::remove(profile);
    fs::remove(trace);
}

INSTANTIATE_TEST_SUITE_P(Shipped, SampleProgram, ::testing::ValuesIn(Samples()),
                         [](const auto& info) { return TestName(info.param); });

} // namespace
