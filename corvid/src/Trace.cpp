#include "Trace.h"

#include "Framing.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace corvid {

CTrace::~CTrace()
{
    if (m_file != nullptr)
        std::fclose(m_file);
}

void CTrace::Bind(const char* path)
{
    std::lock_guard<std::mutex> lock(m_lock);
    const std::string wanted = path != nullptr ? path : "";
    if (wanted == m_path && m_file != nullptr && !Stale())
        return;
    m_path = wanted;
    m_reported = false;
    Reopen();
}

void CTrace::Reopen()
{
    if (m_file != nullptr)
        std::fclose(m_file);
    m_file = nullptr;
    if (m_path.empty())
        return;
    m_file = std::fopen(m_path.c_str(), "a");
    if (m_file == nullptr)
        Report("cannot open the trace file");
}

// Someone removed or replaced the file (a cleaned-up directory, a rotated
// log): lines written to the old one would be lost.
bool CTrace::Stale() const
{
    if (m_file == nullptr)
        return false;
    struct stat named {};
    struct stat open {};
    if (::stat(m_path.c_str(), &named) != 0 || ::fstat(::fileno(m_file), &open) != 0)
        return true;
    return named.st_dev != open.st_dev || named.st_ino != open.st_ino;
}

// Once for a run of failures: a broken trace must not flood the program's
// own error output, nor go unnoticed.
void CTrace::Report(const char* what)
{
    if (m_reported)
        return;
    m_reported = true;
    std::fprintf(stderr, "corvid: %s %s: %s\n", what, m_path.c_str(), std::strerror(errno));
}

void CTrace::Line(int card, std::uint32_t code, const std::string& request, const void* reply,
                  std::uint32_t replySize, bool succeeded)
{
    if (!Enabled())
        return;
    std::lock_guard<std::mutex> lock(m_lock);
    if (m_file == nullptr || Stale())
        Reopen();
    if (m_file == nullptr)
        return;
    const std::string replyText = succeeded ? HexBytes(reply, replySize) : "failed";
    const bool written = std::fprintf(m_file, "%d %x %s %s\n", card, static_cast<unsigned>(code),
                                      request.c_str(), replyText.c_str()) >= 0 &&
                         std::fflush(m_file) == 0;
    if (written)
        m_reported = false;
    else
        Report("cannot write the trace file");
}

}  // namespace corvid
