#pragma once
// Prompter for command-line tools: every box becomes one line on a stream and
// is answered with its first button.
#include "platform/Prompter.h"

#include <cstdio>

class CStreamPrompter : public CPrompter {
public:
    explicit CStreamPrompter(std::FILE* out) : m_out(out) {}
    EPromptAnswer Ask(const std::string& text, EPromptButtons buttons, EPromptIcon icon,
                      const std::string& caption) override;

private:
    std::FILE* m_out;
};
