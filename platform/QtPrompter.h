#pragma once
// Prompts as Qt's standard message boxes, modal to the active window.
#include "platform/Prompter.h"

#include <QString>

class QWidget;

class CQtPrompter : public CPrompter {
public:
    // defaultCaption: used when a prompt gives none (the application title).
    explicit CQtPrompter(QString defaultCaption) : m_defaultCaption(std::move(defaultCaption)) {}

    EPromptAnswer Ask(const std::string& text, EPromptButtons buttons, EPromptIcon icon,
                      const std::string& caption) override;

private:
    QString m_defaultCaption;
};
