#include "platform/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

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
    case EPromptButtons::OkSkipRest:
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
        if (buttons == EPromptButtons::YesNo)
            return EPromptAnswer::No;
        if (buttons == EPromptButtons::Ok || buttons == EPromptButtons::OkSkipRest)
            return EPromptAnswer::Ok;
        return EPromptAnswer::Cancel;
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
    QPushButton* skip = nullptr;
    if (buttons == EPromptButtons::OkSkipRest) {
        skip = box.addButton(QString::fromUtf8(kSkipRestCaption), QMessageBox::ActionRole);
        skip->setObjectName("skipRest");
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    // A box asked during a long read (one per faulty line) is answered
    // with the mouse: it must not show the read's wait cursor.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int button = box.exec();
    if (busy)
        QApplication::restoreOverrideCursor();
    if (skip && box.clickedButton() == skip)
        return EPromptAnswer::SkipRest;
    return AnswerOf(button, buttons);
}
