// CORVID_TRACE: one line per driver control call, for debugging an installation.
#pragma once

#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>

namespace corvid {

class CTrace {
public:
    CTrace() = default;
    CTrace(const CTrace&) = delete;
    CTrace& operator=(const CTrace&) = delete;
    ~CTrace();

    // Appends to path from now on; null or empty turns tracing off. A file
    // that cannot be opened, or that was removed or replaced, is opened again
    // before the next line.
    void Bind(const char* path);
    // Changes only in Bind, which the library calls while no card is open.
    bool Enabled() const { return !m_path.empty(); }

    // "<card> <code> <request> <reply>"; request is already in hexadecimal.
    // Safe to call from several threads at once.
    void Line(int card, std::uint32_t code, const std::string& request, const void* reply,
              std::uint32_t replySize, bool succeeded);

private:
    void Reopen();
    bool Stale() const;
    void Report(const char* what);

    std::mutex m_lock;
    std::string m_path;
    std::FILE* m_file = nullptr;
    bool m_reported = false;  // the last write failure is on stderr; cleared by the next good line
};

}  // namespace corvid
