#include "program/ProgramFile.h"

#include "program/FileErrors.h"
#include "program/FileReplace.h"
#include "program/LineChecker.h"
#include "program/LineParts.h"
#include "program/TextDecoder.h"
#include "common/FullWidth.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <cstdio>
#include <cstring>
#include <istream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kChunk = 1 << 16;

// Whether the checker's cleaning leaves nothing of a statement: only
// blanks and characters other than ASCII and its full-width twins.
bool HoldsNothing(std::string_view text)
{
    for (std::size_t n = 0; n < text.size(); ++n) {
        const auto byte = static_cast<unsigned char>(text[n]);
        if (byte > ' ' && byte < 0x80)
            return false;
        if (const SFullWidth form = byte >= 0x80 ? FullWidthAt(text.substr(n)) : SFullWidth{}; form.length > 0) {
            if (form.ascii != ' ')
                return false;
            n += form.length - 1;
        }
    }
    return true;
}

// Cuts a file's text into lines (CR, LF or CR LF each end one), checks
// the statement of each and keeps the rest of the line with it: the lines
// that hold no statement go before the next one, the lines that should
// have held one are noted as dropped.
class CProgramReader {
public:
    explicit CProgramReader(CVelmoraDoc& doc) : m_doc(doc), m_checker(doc.Prompter()) {}

    void Feed(const char* data, std::size_t size);
    void Finish();
    int Rejected() const { return m_checker.Rejected(); }
    CLineChecker& Checker() { return m_checker; }

private:
    void Cut(std::string_view text);
    void Line(std::string_view line);
    void Keep(std::string_view line);

    CVelmoraDoc& m_doc;
    CLineChecker m_checker;
    CTextDecoder m_decoder;
    SCarriedState m_state;
    SLineParts m_parts;
    std::string m_partial; // a line cut by the end of a chunk
    std::string m_before;  // lines kept for the next statement
    bool m_afterCr = false; // a CR ended the last line: an LF right after belongs to it
    int m_fileLine = 0;
};

void CProgramReader::Feed(const char* data, std::size_t size)
{
    Cut(m_decoder.Decode(std::string_view(data, size)));
}

void CProgramReader::Cut(std::string_view rest)
{
    if (m_afterCr && !rest.empty()) {
        if (rest.front() == '\n')
            rest.remove_prefix(1);
        m_afterCr = false;
    }
    while (!rest.empty()) {
        // LF is the common end; a CR in the line before it ends the line there.
        const auto* lf = static_cast<const char*>(std::memchr(rest.data(), '\n', rest.size()));
        const std::size_t limit = lf ? static_cast<std::size_t>(lf - rest.data()) : rest.size();
        const auto* cr = static_cast<const char*>(std::memchr(rest.data(), '\r', limit));
        const std::size_t end = cr ? static_cast<std::size_t>(cr - rest.data()) : limit;
        if (!cr && !lf) {
            m_partial.append(rest);
            return;
        }
        if (m_partial.empty()) {
            Line(rest.substr(0, end));
        } else {
            m_partial.append(rest.substr(0, end));
            Line(m_partial);
            m_partial.clear();
        }
        const bool crlf = cr && end + 1 < rest.size() && rest[end + 1] == '\n';
        m_afterCr = cr && end + 1 == rest.size();
        rest.remove_prefix(end + (crlf ? 2 : 1));
    }
}

void CProgramReader::Finish()
{
    m_decoder.Finish();
    if (!m_partial.empty())
        Line(m_partial);
    m_partial.clear();
    m_partial.shrink_to_fit();
    m_checker.Finish();
    m_doc.SetTrailingText(std::move(m_before));
}

void CProgramReader::Keep(std::string_view line)
{
    m_before.append(line);
    m_before.push_back('\n');
}

void CProgramReader::Line(std::string_view line)
{
    ++m_fileLine;
    SplitLine(line, m_parts);
    if (m_parts.mark || HoldsNothing(m_parts.statement)) {
        Keep(line);
        return;
    }
    // Numbers only grow within a file, so every record goes at the end.
    if (auto record = m_checker.CheckLine(m_parts.statement, m_state, {m_fileLine, line})) {
        if (!m_before.empty() || !m_parts.number.empty() || !m_parts.end.empty())
            record->SetLayout(m_before, m_parts.number, m_parts.end);
        m_before.clear();
        m_doc.InsertStatement(record, false);
    } else {
        m_doc.AddDroppedLine({m_fileLine, std::string(line)});
    }
}

} // namespace

namespace {
// Reads a whole program through next(buffer, size), which gives the next
// bytes (0 at the end); the document ends up holding the file's statements.
template <typename NextChunk>
int ReadAll(CVelmoraDoc& doc, NextChunk next, std::string locate = {})
{
    doc.RemoveAllStatements();
    CProgramReader reader(doc);
    if (!locate.empty())
        reader.Checker().Locate(std::move(locate));
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

namespace {
// Opens a program for reading. Only a regular file: a FIFO or a device
// named *.txt would block the read for ever. Opening does not block, so a
// FIFO is told apart before anything waits on it.
std::FILE* OpenProgram(const std::string& path, std::string& error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        error = DescribeFileError("无法打开程序文件", path, errno);
    } else if (S_ISDIR(info.st_mode)) {
        error = DescribeFileError("无法打开程序文件", path, EISDIR);
    } else if (!S_ISREG(info.st_mode)) {
        error = "无法打开程序文件“" + path + "”：这不是普通文件（可能是管道或设备）。";
    } else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0) {
        if (std::FILE* file = ::fdopen(fd, "rb"))
            return file;
        error = DescribeFileError("无法打开程序文件", path, errno);
    }
    if (fd >= 0)
        ::close(fd);
    return nullptr;
}
} // namespace

SFileResult ReadProgramFile(CVelmoraDoc& doc, const std::string& path)
{
    return ReadProgramFileWith(doc, path, {});
}

SFileResult ReadProgramFileWith(CVelmoraDoc& doc, const std::string& path, const SReadOptions& options)
{
    std::string openError;
    std::FILE* file = OpenProgram(path, openError);
    if (!file)
        return SFileResult::Failure(openError);
    const int rejected = ReadAll(doc, [file](char* buffer, std::size_t size) {
        return std::fread(buffer, 1, size, file);
    }, options.locate ? path : std::string());
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

SFileResult WriteProgramFile(const CVelmoraDoc& doc, const std::string& path)
{
    return WriteProgramFile(WriteProgramText(doc), path);
}

bool WriteProtected(unsigned mode, EFileUser user)
{
    switch (user) {
    case EFileUser::Owner:
        return (mode & S_IWUSR) == 0;
    case EFileUser::Group:
        return (mode & S_IWGRP) == 0;
    case EFileUser::Other:
        return (mode & S_IWOTH) == 0;
    case EFileUser::Root:
        break;
    }
    return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

namespace {
EFileUser UserOf(const struct stat& info)
{
    const uid_t user = ::geteuid();
    if (user == 0)
        return EFileUser::Root;
    if (info.st_uid == user)
        return EFileUser::Owner;
    if (info.st_gid == ::getegid())
        return EFileUser::Group;
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(count, 0)));
    if (count > 0 && ::getgroups(count, groups.data()) == count &&
        std::find(groups.begin(), groups.end(), info.st_gid) != groups.end())
        return EFileUser::Group;
    return EFileUser::Other;
}

// The rename that replaces a file needs only its folder, so a file the
// user marked read-only would be overwritten without this look.
bool MarkedReadOnly(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && WriteProtected(info.st_mode, UserOf(info));
}
} // namespace

SFileResult WriteProgramFile(const SProgramText& program, const std::string& path)
{
    if (MarkedReadOnly(path)) {
        SFileResult refused = SFileResult::Failure("文件“" + path + "”是只读的，不能保存。");
        refused.readOnly = true;
        return refused;
    }
    const SReplaceFailure failure = ReplaceFileContents(path, program.text);
    if (failure.error != 0)
        return SFileResult::Failure(DescribeReplaceFailure("无法保存程序文件", path, failure));
    SFileResult result;
    result.changed = program.changed;
    result.dropped = program.dropped;
    return result;
}
