#include "program/FolderListing.h"

#include "program/FileErrors.h"
#include "program/FileNames.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool IsProgramName(const std::string& name)
{
    constexpr std::string_view kSuffix = ".txt";
    if (name.size() <= kSuffix.size())
        return false;
    return std::equal(kSuffix.begin(), kSuffix.end(), name.end() - kSuffix.size(),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

} // namespace

SFolderListing ListProgramFolder(const std::string& folder)
{
    SFolderListing listing;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    for (fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        std::error_code typeError;
        // A link counts as what it points to, as the desktop shows it.
        const fs::file_type type = it->status(typeError).type();
        const bool isFolder = type == fs::file_type::directory;
        if (name.starts_with('.') || !(isFolder || (type == fs::file_type::regular && IsProgramName(name))))
            continue;
        listing.entries.push_back({name, ShownFileName(name), isFolder});
    }
    if (ec)
        listing.error = DescribeFileError("无法读取文件夹", ShownFileName(folder), ec.value());
    std::sort(listing.entries.begin(), listing.entries.end(), [](const SFolderEntry& a, const SFolderEntry& b) {
        return a.folder != b.folder ? a.folder : a.shown < b.shown;
    });
    return listing;
}
