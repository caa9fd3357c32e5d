// The model must build without Qt and GL: no model source, nor any of our
// headers it pulls in, may include one of theirs. And the folders stack in
// layers, every include pointing down.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
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

// Folders by layer: an include may point to its own layer or below. The
// panes share a layer; one pane may use another's model, never its widgets.
int LayerOf(const std::string& folder)
{
    static const std::map<std::string, int> kLayers = {
        {"common", 0}, {"platform", 0}, {"program", 1},
        {"editor", 2}, {"panel", 2},    {"simulation", 2}, {"app", 3}};
    const auto found = kLayers.find(folder);
    return found == kLayers.end() ? -1 : found->second;
}

std::string FolderOf(const std::string& relative)
{
    return relative.substr(0, relative.find('/'));
}

// A header that pulls in Qt directly is a widget's.
bool IsWidgetHeader(const fs::path& header)
{
    static const std::regex qt(R"(^\s*#\s*include\s*<Q)");
    std::ifstream in(header);
    for (std::string line; std::getline(in, line);)
        if (std::regex_search(line, qt))
            return true;
    return false;
}

std::vector<std::string> UpwardIncludes(const fs::path& root, const fs::path& file)
{
    static const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
    const std::string from = FolderOf(fs::relative(file, root).generic_string());
    std::vector<std::string> offences;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        std::smatch match;
        if (!std::regex_search(line, match, include))
            continue;
        const std::string to = FolderOf(match[1]);
        const int fromLayer = LayerOf(from), toLayer = LayerOf(to);
        if (toLayer < 0 || to == from)
            continue;
        const bool upward = toLayer > fromLayer;
        const bool sideways = toLayer == fromLayer && IsWidgetHeader(root / std::string(match[1]));
        if (upward || sideways)
            offences.push_back(fs::relative(file, root).generic_string() + ": " + std::string(match[1]));
    }
    return offences;
}

TEST(Layering, EveryIncludePointsDown)
{
    const fs::path root(VELMORA_SOURCE_DIR);
    std::vector<std::string> offences;
    for (const char* folder : {"common", "platform", "program", "editor", "panel", "simulation", "app"})
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            const auto ext = entry.path().extension();
            if (ext != ".h" && ext != ".cpp")
                continue;
            const auto found = UpwardIncludes(root, entry.path());
            offences.insert(offences.end(), found.begin(), found.end());
        }
    EXPECT_EQ(offences, std::vector<std::string>{});
}

} // namespace
