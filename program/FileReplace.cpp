#include "program/FileReplace.h"

#include "program/FileErrors.h"

#include <algorithm>
#include <cerrno>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The file a path names at last. Renaming over a symbolic link would put a
// plain file in its place and leave the file it points to as it was.
fs::path ThroughLinks(const std::string& path)
{
    fs::path at = path;
    std::error_code ec;
    // As many links as the system itself follows before it calls a loop.
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(at, ec)); ++hops) {
        const fs::path target = fs::read_symlink(at, ec);
        if (ec)
            break;
        at = target.is_absolute() ? target : at.parent_path() / target;
    }
    return at;
}

// A replaced file keeps its permissions; a new one gets what any new file
// would, not mkstemp's 0600.
mode_t ModeFor(const struct stat* old)
{
    if (old)
        return old->st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Root saving a student's file leaves it the student's; a user in the
// file's group keeps at least the group.
// The save goes on when neither can be kept: the text matters more.
bool KeepOwner(int fd, const struct stat* old)
{
    return !old || ::fchown(fd, old->st_uid, old->st_gid) == 0 ||
           ::fchown(fd, static_cast<uid_t>(-1), old->st_gid) == 0;
}

bool IsTempName(std::string_view name, std::string_view prefix)
{
    return name.size() == prefix.size() + 6 && name.starts_with(prefix) &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

// Hidden files of this name that a save killed half-way left behind.
void RemoveStale(const fs::path& folder, const std::string& prefix)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end; it.increment(ec))
        if (IsTempName(it->path().filename().string(), prefix))
            fs::remove(it->path(), ec);
}

bool WriteAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

SReplaceFailure ReplaceFileContents(const std::string& shownPath, std::string_view content)
{
    const fs::path path = ThroughLinks(shownPath);
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return {EISDIR, false};
    struct stat old {};
    const bool existed = ::stat(path.c_str(), &old) == 0;
    const std::string prefix = "." + path.filename().string() + ".";
    RemoveStale(path.parent_path(), prefix);
    std::string temp = (path.parent_path() / (prefix + "XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return {errno, true};
    bool ok = WriteAll(fd, content) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    static_cast<void>(KeepOwner(fd, existed ? &old : nullptr));
    ::fchmod(fd, ModeFor(existed ? &old : nullptr));
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (ok)
        return {};
    ::unlink(temp.c_str());
    return {error, false};
}

std::string DescribeReplaceFailure(std::string_view what, const std::string& path, const SReplaceFailure& failure)
{
    if (!failure.inFolder)
        return DescribeFileError(what, path, failure.error);
    return DescribeFolderError(what, path, failure.error);
}
