// CORVID_TRACE: one line per driver control call, for debugging an installation.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace corvid {

class CTrace {
public:
    CTrace() = default;
    CTrace(const CTrace&) = delete;
    CTrace& operator=(const CTrace&) = delete;
    ~CTrace();

    // Appends to path from now on; null or empty turns tracing off. A file
    // removed or replaced at path is opened again before the next line.
    void Bind(const char* path);
    bool Enabled() const { return m_file != nullptr; }

    // "<card> <code> <request> <reply>"; request is already in hexadecimal.
    void Line(int card, std::uint32_t code, const std::string& request, const void* reply,
              std::uint32_t replySize, bool succeeded);

private:
    void Reopen();
    bool Stale() const;

    std::string m_path;
    std::FILE* m_file = nullptr;
};

}  // namespace corvid
