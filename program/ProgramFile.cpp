#include "program/ProgramFile.h"

#include "program/FileErrors.h"
#include "program/LineChecker.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <istream>
#include <system_error>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kChunk = 1 << 16;

// Cuts a stream of bytes into lines (LF or CR LF) and checks each one.
class CProgramReader {
public:
    explicit CProgramReader(CVelmoraDoc& doc) : m_doc(doc), m_checker(doc.Prompter()) {}

    void Feed(const char* data, std::size_t size);
    void Finish();
    int Rejected() const { return m_checker.Rejected(); }

private:
    void Line(std::string_view line);

    CVelmoraDoc& m_doc;
    CLineChecker m_checker;
    SCarriedState m_state;
    std::string m_partial; // a line cut by the end of a chunk
};

void CProgramReader::Feed(const char* data, std::size_t size)
{
    std::string_view rest(data, size);
    for (std::size_t end; (end = rest.find('\n')) != std::string_view::npos; rest.remove_prefix(end + 1)) {
        if (m_partial.empty()) {
            Line(rest.substr(0, end));
        } else {
            m_partial.append(rest.substr(0, end));
            Line(m_partial);
            m_partial.clear();
        }
    }
    m_partial.append(rest);
}

void CProgramReader::Finish()
{
    if (!m_partial.empty())
        Line(m_partial);
    m_partial.clear();
    m_partial.shrink_to_fit();
    m_checker.Finish();
}

void CProgramReader::Line(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    // Numbers only grow within a file, so every record goes at the end.
    if (auto record = m_checker.CheckLine(line, m_state))
        m_doc.InsertStatement(record, false);
}

} // namespace

namespace {
// Reads a whole program through next(buffer, size), which gives the next
// bytes (0 at the end); the document ends up holding the file's statements.
template <typename NextChunk>
int ReadAll(CVelmoraDoc& doc, NextChunk next)
{
    doc.RemoveAllStatements();
    CProgramReader reader(doc);
    std::string chunk(kChunk, '\0');
    while (const std::size_t got = next(chunk.data(), chunk.size()))
        reader.Feed(chunk.data(), got);
    reader.Finish();
    doc.SetModifiedFlag(false);
    return reader.Rejected();
}
} // namespace

SFileResult ReadProgramStream(CVelmoraDoc& doc, std::istream& in)
{
    const int rejected = ReadAll(doc, [&in](char* buffer, std::size_t size) {
        in.read(buffer, static_cast<std::streamsize>(size));
        return static_cast<std::size_t>(in.gcount());
    });
    SFileResult result;
    if (in.bad()) {
        result = SFileResult::Failure("读取程序文件时出错，程序可能不完整。");
        result.incomplete = true;
    }
    result.rejected = rejected;
    return result;
}

SFileResult ReadProgramFile(CVelmoraDoc& doc, const std::string& path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return SFileResult::Failure(DescribeFileError("无法打开程序文件", path, EISDIR));
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return SFileResult::Failure(DescribeFileError("无法打开程序文件", path, errno));
    const int rejected = ReadAll(doc, [file](char* buffer, std::size_t size) {
        return std::fread(buffer, 1, size, file);
    });
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    SFileResult result;
    if (failed) {
        result = SFileResult::Failure(DescribeFileError("读取程序文件时出错，程序可能不完整", path, error));
        result.incomplete = true;
    }
    result.rejected = rejected;
    return result;
}

namespace {
// A replaced file keeps its permissions; a new one gets what any new file
// would, not mkstemp's 0600.
mode_t ModeFor(const std::string& path)
{
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0)
        return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes all of text to a new file beside path, flushes it to disk and
// renames it over path: either the whole new program is there or the old
// file is untouched.
SFileResult ReplaceFile(const std::string& path, const std::string& text)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return SFileResult::Failure(DescribeFileError("无法保存程序文件", path, EISDIR));
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return SFileResult::Failure(DescribeFileError("无法保存程序文件", path, errno));
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    int error = errno;
    bool ok = done == text.size() && ::fsync(fd) == 0;
    if (!ok)
        error = errno;
    ::fchmod(fd, ModeFor(path));
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return SFileResult::Failure(DescribeFileError("无法保存程序文件", path, error));
    }
    return {};
}
} // namespace

SFileResult WriteProgramFile(const CVelmoraDoc& doc, const std::string& path)
{
    SProgramText program = WriteProgramText(doc);
    SFileResult result = ReplaceFile(path, program.text);
    if (result.ok)
        result.changed = std::move(program.changed);
    return result;
}
