#include "Trace.h"

#include "Framing.h"

namespace corvid {

CTrace::~CTrace()
{
    if (m_file != nullptr)
        std::fclose(m_file);
}

void CTrace::Bind(const char* path)
{
    const std::string wanted = path != nullptr ? path : "";
    if (wanted == m_path && (m_file != nullptr || wanted.empty()))
        return;
    if (m_file != nullptr)
        std::fclose(m_file);
    m_file = nullptr;
    m_path = wanted;
    if (!wanted.empty()) {
        m_file = std::fopen(wanted.c_str(), "a");
        if (m_file == nullptr)
            std::fprintf(stderr, "corvid: cannot open the trace file %s\n", wanted.c_str());
    }
}

void CTrace::Line(int card, std::uint32_t code, const std::string& request, const void* reply,
                  std::uint32_t replySize, bool succeeded)
{
    if (m_file == nullptr)
        return;
    const std::string replyText = succeeded ? HexBytes(reply, replySize) : "failed";
    std::fprintf(m_file, "%d %x %s %s\n", card, static_cast<unsigned>(code), request.c_str(),
                 replyText.c_str());
    std::fflush(m_file);
}

}  // namespace corvid
