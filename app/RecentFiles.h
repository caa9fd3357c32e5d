#pragma once
// The recently-used file list: newest first, no duplicates, four entries.
#include <string>
#include <vector>

class CRecentFiles {
public:
    static constexpr std::size_t kSize = 4;

    void Add(const std::string& path);
    void Remove(const std::string& path);
    void Assign(std::vector<std::string> paths);
    const std::vector<std::string>& Paths() const { return m_paths; }

private:
    std::vector<std::string> m_paths;
};
