#pragma once
// Message boxes, asked through an interface so that the model never shows a
// window itself and tests answer from a script.
#include <string>

// OkSkipRest: OK beside a button that silences the rest of a series of
// notices (one per faulty line of a file); Escape means OK.
enum class EPromptButtons { Ok, OkCancel, YesNo, YesNoCancel, OkSkipRest };
enum class EPromptIcon { None, Information, Warning, Question, Stop };
enum class EPromptAnswer { Ok, Cancel, Yes, No, SkipRest };

class CPrompter {
public:
    static constexpr const char* kSkipRestCaption = "不再提示本文件的错误";

    virtual ~CPrompter() = default;
    // An empty caption means the application's title.
    virtual EPromptAnswer Ask(const std::string& text, EPromptButtons buttons,
                              EPromptIcon icon = EPromptIcon::None,
                              const std::string& caption = {}) = 0;
    // A plain notice with an OK button.
    void Tell(const std::string& text, EPromptIcon icon = EPromptIcon::None,
              const std::string& caption = {})
    {
        Ask(text, EPromptButtons::Ok, icon, caption);
    }
};
