#include "platform/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::StandardButtons ButtonsOf(EPromptButtons buttons)
{
    switch (buttons) {
    case EPromptButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case EPromptButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case EPromptButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case EPromptButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(EPromptIcon icon)
{
    switch (icon) {
    case EPromptIcon::Information:
        return QMessageBox::Information;
    case EPromptIcon::Warning:
        return QMessageBox::Warning;
    case EPromptIcon::Question:
        return QMessageBox::Question;
    case EPromptIcon::Stop:
        return QMessageBox::Critical;
    case EPromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

EPromptAnswer AnswerOf(int button, EPromptButtons buttons)
{
    switch (button) {
    case QMessageBox::Yes:
        return EPromptAnswer::Yes;
    case QMessageBox::No:
        return EPromptAnswer::No;
    case QMessageBox::Ok:
        return EPromptAnswer::Ok;
    default:
        // Escape or the title bar's close button: the box's way out.
        return buttons == EPromptButtons::YesNo ? EPromptAnswer::No
               : buttons == EPromptButtons::Ok  ? EPromptAnswer::Ok
                                                : EPromptAnswer::Cancel;
    }
}

} // namespace

EPromptAnswer CQtPrompter::Ask(const std::string& text, EPromptButtons buttons,
                               EPromptIcon icon, const std::string& caption)
{
    QMessageBox box(IconOf(icon),
                    caption.empty() ? m_defaultCaption : QString::fromStdString(caption),
                    QString::fromStdString(text), ButtonsOf(buttons),
                    QApplication::activeWindow());
    if (buttons == EPromptButtons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    return AnswerOf(box.exec(), buttons);
}
