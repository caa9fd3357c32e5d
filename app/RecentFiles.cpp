#include "app/RecentFiles.h"

#include <algorithm>

void CRecentFiles::Add(const std::string& path)
{
    if (path.empty())
        return;
    Remove(path);
    m_paths.insert(m_paths.begin(), path);
    if (m_paths.size() > kSize)
        m_paths.resize(kSize);
}

void CRecentFiles::Remove(const std::string& path)
{
    m_paths.erase(std::remove(m_paths.begin(), m_paths.end(), path), m_paths.end());
}

void CRecentFiles::Assign(std::vector<std::string> paths)
{
    m_paths.clear();
    for (auto it = paths.rbegin(); it != paths.rend(); ++it)
        Add(*it);
}
