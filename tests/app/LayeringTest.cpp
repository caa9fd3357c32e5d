// The model must build without Qt and GL: no model source, nor any of our
// headers it pulls in, may include one of theirs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

void CollectForeignIncludes(const fs::path& file, std::set<fs::path>& seen, std::vector<std::string>& offences)
{
    if (!seen.insert(file).second)
        return;
    static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        std::smatch match;
        if (!std::regex_search(line, match, include))
            continue;
        const std::string header = match[2];
        if (header.starts_with("Q") || header.starts_with("GL/") || header.starts_with("qt") ||
            header.starts_with("Qt"))
            offences.push_back(file.string() + ": " + header);
        else if (match[1] == "\"" && fs::exists(fs::path(VELMORA_SOURCE_DIR) / header))
            CollectForeignIncludes(fs::path(VELMORA_SOURCE_DIR) / header, seen, offences);
    }
}

TEST(Layering, ModelSourcesIncludeNeitherQtNorGl)
{
    std::ifstream list(VELMORA_MODEL_SOURCES);
    std::set<fs::path> seen;
    std::vector<std::string> offences;
    int sources = 0;
    for (std::string source; std::getline(list, source);) {
        if (source.empty())
            continue;
        CollectForeignIncludes(source, seen, offences);
        ++sources;
    }
    EXPECT_GT(sources, 5);
    EXPECT_EQ(offences, std::vector<std::string>{});
}

} // namespace
