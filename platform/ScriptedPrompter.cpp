#include "platform/ScriptedPrompter.h"

EPromptAnswer CScriptedPrompter::Ask(const std::string& text, EPromptButtons buttons,
                                     EPromptIcon icon, const std::string& caption)
{
    m_asked.push_back({text, buttons, icon, caption});
    if (!m_script.empty()) {
        EPromptAnswer answer = m_script.front();
        m_script.pop_front();
        return answer;
    }
    switch (buttons) {
    case EPromptButtons::YesNo:
    case EPromptButtons::YesNoCancel:
        return EPromptAnswer::Yes;
    default:
        return EPromptAnswer::Ok;
    }
}

std::vector<std::string> CScriptedPrompter::Texts() const
{
    std::vector<std::string> texts;
    texts.reserve(m_asked.size());
    for (const auto& record : m_asked)
        texts.push_back(record.text);
    return texts;
}
