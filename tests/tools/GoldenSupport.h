#pragma once
// What the golden tests of the command-line tools share: reading files,
// capturing a stream, and comparing with (or, with VELMORA_REGENERATE set,
// rewriting) an expected file.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace golden {

inline std::string Slurp(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Everything written to a temporary file, which is then closed.
inline std::string Drain(std::FILE* file)
{
    std::fflush(file);
    std::rewind(file);
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    std::fclose(file);
    return text;
}

inline bool Regenerating() { return std::getenv("VELMORA_REGENERATE") != nullptr; }

inline void ExpectFile(const std::filesystem::path& expected, const std::string& actual)
{
    if (Regenerating())
        std::ofstream(expected, std::ios::binary) << actual;
    EXPECT_EQ(actual, Slurp(expected)) << expected;
}

} // namespace golden
