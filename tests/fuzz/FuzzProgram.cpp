// Fuzz target: any bytes as a program file. Reading must not crash; a
// program read without a fault must save and read back as the same
// statements; and whatever was read, each statement that a save does not
// give back the same must be named by it.
#include "program/ProgramFile.h"

#include "../program/SaveCheck.h"

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
    const SProgramText saved = WriteProgramText(doc);
    CCountingPrompter reopening;
    for (const std::string& broken : BrokenPromises(doc, saved, reopening)) {
        std::fprintf(stderr, "%s in:\n%s\n", broken.c_str(), saved.text.c_str());
        std::abort();
    }
    if (prompter.asked > 0)
        return 0;
    CVelmoraDoc back(prompter);
    std::istringstream again(saved.text);
    ReadProgramStream(back, again);
    if (prompter.asked > 0 || !Same(doc, back) || !saved.changed.empty()) {
        std::fprintf(stderr, "program did not read back the same:\n%s\n", saved.text.c_str());
        std::abort();
    }
    return 0;
}
