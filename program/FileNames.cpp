#include "program/FileNames.h"

#include "program/TextDecoder.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Whether bytes, read as UTF-8 by a reader that turns each fault into
// U+FFFD, could give shown: each mark stands for one or more bytes above
// ASCII, everything else must be the same.
bool ShowsAs(std::string_view bytes, std::string_view shown)
{
    if (shown.empty())
        return bytes.empty();
    if (shown.starts_with(kReplacement)) {
        shown.remove_prefix(kReplacement.size());
        for (std::size_t n = 0; n < bytes.size() && static_cast<unsigned char>(bytes[n]) >= 0x80; ++n)
            if (ShowsAs(bytes.substr(n + 1), shown))
                return true;
        return false;
    }
    return !bytes.empty() && bytes.front() == shown.front() && ShowsAs(bytes.substr(1), shown.substr(1));
}

} // namespace

std::string ShownFileName(std::string_view bytes)
{
    CTextDecoder decoder;
    std::string shown(decoder.Decode(bytes));
    decoder.Finish();
    return shown;
}

std::string PathOnDisk(const std::string& shownPath)
{
    std::error_code ec;
    const fs::path path = shownPath;
    if (fs::exists(fs::symlink_status(path, ec)))
        return shownPath;
    const std::string name = path.filename().string();
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::string found;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (entry == ShownFileName(entry) || (ShownFileName(entry) != name && !ShowsAs(entry, name)))
            continue;
        if (!found.empty())
            return shownPath; // two files fit: better none than the wrong one
        found = entry;
    }
    return found.empty() ? shownPath : (path.has_parent_path() ? (path.parent_path() / found).string() : found);
}
