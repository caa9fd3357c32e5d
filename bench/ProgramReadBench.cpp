// Reading, checking and storing generated programs of 100,000 and 1,000,000
// lines: lines per second, and heap bytes kept per stored statement.
#include "program/ProgramFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <string>
#include <unistd.h>

namespace {

class CSilentPrompter : public CPrompter {
public:
    EPromptAnswer Ask(const std::string&, EPromptButtons, EPromptIcon, const std::string&) override
    {
        return EPromptAnswer::Ok;
    }
};

// A program of the usual mix: moves with and without codes, arcs, cycles,
// spindle and tool lines, a remark now and then.
std::string MakeProgram(long lines)
{
    static const char* const kLines[] = {
        "G00 X42 Z2",        "G01 X20.5 Z0 F0.1", "Z-15.25",          "G02 X30 Z-20 R5",
        "G01 X30 Z-35",      "G90 X38 Z-45 F0.2", "X36",              "G94 X20 Z-2 F0.1",
        "G32 X19.2 Z-15 F1.5", "M03 S600",        "T0101",            "G71 U2 R1",
        "G00 X100 Z100",     "// 精车",           "G01 U-2 W-1.5 F0.15", "M08",
    };
    std::string text;
    for (long n = 0; n < lines; ++n) {
        text += kLines[n % 16];
        text += "\r\n";
    }
    return text;
}

std::string ProgramFile(long lines)
{
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("velmora-bench-" + std::to_string(::getpid()) + "-" + std::to_string(lines) + ".txt"))
                                 .string();
    if (!std::filesystem::exists(path))
        std::ofstream(path, std::ios::binary) << MakeProgram(lines);
    return path;
}

void BM_ReadProgram(benchmark::State& state)
{
    const long lines = state.range(0);
    const std::string path = ProgramFile(lines);
    CSilentPrompter prompter;
    double bytesPerStatement = 0;
    std::size_t statements = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        CVelmoraDoc doc(prompter);
        ReadProgramFile(doc, path);
        statements = doc.Statements().size();
        bytesPerStatement = static_cast<double>(mallinfo2().uordblks - before) / static_cast<double>(statements);
        benchmark::DoNotOptimize(doc);
    }
    state.SetItemsProcessed(state.iterations() * lines);
    state.counters["statements"] = static_cast<double>(statements);
    state.counters["bytes_per_statement"] = bytesPerStatement;
}

void BM_WriteProgram(benchmark::State& state)
{
    const long lines = state.range(0);
    CSilentPrompter prompter;
    CVelmoraDoc doc(prompter);
    ReadProgramFile(doc, ProgramFile(lines));
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatProgram(doc));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(doc.Statements().size()));
}

} // namespace

BENCHMARK(BM_ReadProgram)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteProgram)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
