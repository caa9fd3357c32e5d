// Fuzz target: any bytes as a program file. Reading must not crash, and a
// program read without a fault must save and read back as the same
// statements.
#include "app/ProgramFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

class CCountingPrompter : public CPrompter {
public:
    EPromptAnswer Ask(const std::string&, EPromptButtons, EPromptIcon, const std::string&) override
    {
        ++asked;
        return EPromptAnswer::Ok;
    }
    int asked = 0;
};

bool Same(const CVelmoraDoc& a, const CVelmoraDoc& b)
{
    if (a.Statements().size() != b.Statements().size())
        return false;
    for (std::size_t n = 0; n < a.Statements().size(); ++n) {
        const CProcess& x = *a.Statements()[n];
        const CProcess& y = *b.Statements()[n];
        if (!x.SameStatement(y) || !(x.m_ptStart == y.m_ptStart) || !(x.m_ptEnd == y.m_ptEnd))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CCountingPrompter prompter;
    CVelmoraDoc doc(prompter);
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    ReadProgramStream(doc, in);
    if (prompter.asked > 0)
        return 0;
    const std::string written = FormatProgram(doc);
    CVelmoraDoc back(prompter);
    std::istringstream again(written);
    ReadProgramStream(back, again);
    if (prompter.asked > 0 || !Same(doc, back)) {
        std::fprintf(stderr, "program did not read back the same:\n%s\n", written.c_str());
        std::abort();
    }
    return 0;
}
