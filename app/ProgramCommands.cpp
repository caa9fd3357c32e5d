#include "app/ProgramCommands.h"

#include "app/ProgramFile.h"
#include "app/SaveWarning.h"

bool CProgramCommands::SaveIfAsked()
{
    if (m_doc.IsEmpty() || !m_doc.IsModified())
        return true;
    switch (m_prompter.Ask(kSaveQuestion, EPromptButtons::YesNoCancel, EPromptIcon::Question)) {
    case EPromptAnswer::Yes:
        return SaveProgram();
    case EPromptAnswer::No:
        return true;
    default:
        return false;
    }
}

bool CProgramCommands::SaveProgram()
{
    std::optional<std::string> path = m_files.ChooseSave(m_doc.GetTitle());
    if (!path)
        return false;
    SFileResult result = WriteProgramFile(m_doc, *path);
    if (!result.ok) {
        m_prompter.Ask(result.error, EPromptButtons::Ok, EPromptIcon::Stop, kErrorCaption);
        return false;
    }
    m_doc.SetPathName(*path);
    m_doc.SetModifiedFlag(false);
    if (!result.changed.empty())
        m_prompter.Ask(SaveWarningText(result.changed), EPromptButtons::Ok, EPromptIcon::Warning);
    return true;
}

ENewProgram CProgramCommands::NewProgram()
{
    if (!SaveIfAsked())
        return ENewProgram::Cancelled;
    m_doc.RemoveAllStatements();
    m_doc.UpdateAllViews();
    if (m_prompter.Ask(kEditorQuestion, EPromptButtons::YesNo, EPromptIcon::Question) !=
        EPromptAnswer::Yes)
        return ENewProgram::BuiltIn;
    if (!m_shell.LaunchTextEditor())
        m_prompter.Ask(kEditorFailed, EPromptButtons::Ok, EPromptIcon::Stop, kErrorCaption);
    return ENewProgram::TextEditor;
}

bool CProgramCommands::OpenProgram()
{
    if (!SaveIfAsked())
        return false;
    std::optional<std::string> path = m_files.ChooseOpen();
    return path && ReadFile(*path);
}

bool CProgramCommands::OpenRecent(const std::string& path)
{
    return SaveIfAsked() && ReadFile(path);
}

bool CProgramCommands::ReadFile(const std::string& path)
{
    if (busy)
        busy(true);
    SFileResult result = ReadProgramFile(m_doc, path);
    if (busy)
        busy(false);
    if (!result.ok) {
        // A read that failed part way has already replaced the statements.
        m_doc.UpdateAllViews();
        m_prompter.Ask(result.error, EPromptButtons::Ok, EPromptIcon::Stop, kErrorCaption);
        return false;
    }
    m_doc.SetPathName(path);
    m_doc.UpdateAllViews();
    return true;
}
