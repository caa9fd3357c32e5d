#pragma once
// Test double of the prompter: records every box it was asked to show and
// answers from a script. With the script exhausted it gives the first button
// (OK or Yes), which is what a user who clicks through would do.
#include "platform/Prompter.h"

#include <deque>
#include <vector>

struct SPromptRecord {
    std::string text;
    EPromptButtons buttons;
    EPromptIcon icon;
    std::string caption;
};

class CScriptedPrompter : public CPrompter {
public:
    EPromptAnswer Ask(const std::string& text, EPromptButtons buttons, EPromptIcon icon,
                      const std::string& caption) override;

    void Answer(EPromptAnswer answer) { m_script.push_back(answer); }
    const std::vector<SPromptRecord>& Asked() const { return m_asked; }
    std::vector<std::string> Texts() const;
    void Clear() { m_asked.clear(); m_script.clear(); }

private:
    std::deque<EPromptAnswer> m_script;
    std::vector<SPromptRecord> m_asked;
};
