#include "Trace.h"

#include "Framing.h"

#include <sys/stat.h>

namespace corvid {

CTrace::~CTrace()
{
    if (m_file != nullptr)
        std::fclose(m_file);
}

void CTrace::Bind(const char* path)
{
    const std::string wanted = path != nullptr ? path : "";
    if (wanted == m_path && (m_file != nullptr || wanted.empty()) && !Stale())
        return;
    m_path = wanted;
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
        std::fprintf(stderr, "corvid: cannot open the trace file %s\n", m_path.c_str());
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

void CTrace::Line(int card, std::uint32_t code, const std::string& request, const void* reply,
                  std::uint32_t replySize, bool succeeded)
{
    if (m_file == nullptr)
        return;
    if (Stale())
        Reopen();
    if (m_file == nullptr)
        return;
    const std::string replyText = succeeded ? HexBytes(reply, replySize) : "failed";
    std::fprintf(m_file, "%d %x %s %s\n", card, static_cast<unsigned>(code), request.c_str(),
                 replyText.c_str());
    std::fflush(m_file);
}

}  // namespace corvid
