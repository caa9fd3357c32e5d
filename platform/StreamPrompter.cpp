#include "platform/StreamPrompter.h"

EPromptAnswer CStreamPrompter::Ask(const std::string& text, EPromptButtons buttons,
                                   EPromptIcon, const std::string&)
{
    std::fwrite(text.data(), 1, text.size(), m_out);
    std::fputc('\n', m_out);
    bool yesFirst = buttons == EPromptButtons::YesNo || buttons == EPromptButtons::YesNoCancel;
    return yesFirst ? EPromptAnswer::Yes : EPromptAnswer::Ok;
}
