#include "app/ProgramCommands.h"

#include "program/FileNames.h"
#include "program/SaveWarning.h"

#include <filesystem>
#include <system_error>

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
    bool warned = false;
    for (;;) {
        std::optional<std::string> path = m_files.ChooseSave(m_doc.SaveFolder(), m_doc.SaveName());
        if (!path || !MayEmpty(*path))
            return false;
        // Whatever the file will not give back is said before it is written,
        // while the user can still cancel and mend the program.
        const SProgramText program = WriteProgramText(m_doc);
        const std::string warning = SaveWarningText(program.changed, program.dropped);
        if (!warned && !warning.empty() &&
            m_prompter.Ask(warning, EPromptButtons::OkCancel, EPromptIcon::Warning) == EPromptAnswer::Cancel)
            return false;
        warned = true;
        SFileResult result = WriteProgramFile(program, *path);
        if (result.readOnly) {
            // As desktop editors do: the protected file stays, another name is offered.
            if (m_prompter.Ask(result.error + kSaveAsQuestion, EPromptButtons::YesNo, EPromptIcon::Warning) ==
                EPromptAnswer::Yes)
                continue;
            return false;
        }
        if (!result.ok) {
            m_prompter.Ask(result.error, EPromptButtons::Ok, EPromptIcon::Stop, kErrorCaption);
            return false;
        }
        m_doc.SetPathName(*path);
        m_doc.SetModifiedFlag(false);
        m_doc.ClearDroppedLines();
        return true;
    }
}

// An empty program written over a file with text in it would wipe it out.
bool CProgramCommands::MayEmpty(const std::string& path)
{
    std::error_code ec;
    if (!m_doc.IsEmpty() || !m_doc.TrailingText().empty() || !std::filesystem::is_regular_file(path, ec) ||
        std::filesystem::file_size(path, ec) == 0 || ec)
        return true;
    const std::string question = "当前程序没有语句，保存会清空文件“" + path + "”。是否仍要保存?";
    return m_prompter.Ask(question, EPromptButtons::OkCancel, EPromptIcon::Warning) == EPromptAnswer::Ok;
}

std::string CProgramCommands::EditorQuestion() const
{
    const std::string name = m_shell.TextEditorName();
    return name.empty() ? kEditorQuestion : "是否使用系统的文本编辑器（" + name + "）编辑代码?";
}

ENewProgram CProgramCommands::NewProgram()
{
    if (!SaveIfAsked())
        return ENewProgram::Cancelled;
    if (replacing)
        replacing();
    m_doc.RemoveAllStatements();
    // The new program is no longer the file: saving asks for a name.
    m_doc.OnNewDocument();
    m_doc.SetModifiedFlag(false);
    m_doc.UpdateAllViews();
    if (m_prompter.Ask(EditorQuestion(), EPromptButtons::YesNo, EPromptIcon::Question) !=
        EPromptAnswer::Yes)
        return ENewProgram::BuiltIn;
    if (!m_shell.LaunchTextEditor())
        m_prompter.Ask(kEditorFailed, EPromptButtons::Ok, EPromptIcon::Stop, kErrorCaption);
    return ENewProgram::TextEditor;
}

EOpenResult CProgramCommands::OpenProgram()
{
    if (!SaveIfAsked())
        return EOpenResult::Unchanged;
    std::optional<std::string> path = m_files.ChooseOpen();
    return path ? ReadFile(*path) : EOpenResult::Unchanged;
}

EOpenResult CProgramCommands::OpenRecent(const std::string& path)
{
    return SaveIfAsked() ? ReadFile(path) : EOpenResult::Unchanged;
}

EOpenResult CProgramCommands::ReadFile(const std::string& shownPath)
{
    if (replacing)
        replacing();
    const std::string path = PathOnDisk(shownPath);
    if (busy)
        busy(true);
    SFileResult result = read(m_doc, path);
    if (busy)
        busy(false);
    if (result.ok) {
        m_doc.SetPathName(path);
        m_doc.UpdateAllViews();
        return EOpenResult::Opened;
    }
    if (result.incomplete) {
        // The table shows part of this file now: saving it over the file (or
        // over the one read before) would lose the rest.
        m_doc.SetIncompleteSource(path);
        m_doc.UpdateAllViews();
    }
    m_prompter.Ask(result.error, EPromptButtons::Ok, EPromptIcon::Stop, kErrorCaption);
    if (result.incomplete)
        return EOpenResult::Incomplete;
    std::error_code ec;
    return std::filesystem::exists(path, ec) || ec ? EOpenResult::Unchanged : EOpenResult::Missing;
}
