#pragma once
// The program-level commands of the main window without the window: new,
// open, save and close, with their questions. Nothing unsaved is dropped
// unless the user said No: a save that is cancelled or fails cancels the
// command that asked for it.
#include "program/ProgramFile.h"
#include "program/VelmoraDoc.h"
#include "platform/FileChooser.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"

#include <functional>
#include <string>

enum class ENewProgram {
    Cancelled,  // the save question or the save itself was cancelled
    TextEditor, // the user chose the system text editor
    BuiltIn,    // the user edits in the table: apply the new-program layout
};

enum class EOpenResult {
    Unchanged,  // cancelled, or the file could not be opened
    Opened,     // the document holds the file's program and is named after it
    Incomplete, // the read stopped part way: the document holds what was read
                // and is named after the file, but has no file to save to
    Missing,    // the file does not exist (any more); nothing changed
};

class CProgramCommands {
public:
    static constexpr const char* kSaveQuestion = "您的操作需要关闭当前文件,是否需要保存?";
    static constexpr const char* kEditorQuestion = "是否使用系统的文本编辑器编辑代码?";
    static constexpr const char* kEditorFailed = "启动文本编辑器出错！";
    static constexpr const char* kErrorCaption = "错误";
    static constexpr const char* kSaveAsQuestion = "\n是否另存为其他文件?";

    CProgramCommands(CVelmoraDoc& doc, CPrompter& prompter, CFileChooser& files, CShell& shell)
        : m_doc(doc), m_prompter(prompter), m_files(files), m_shell(shell)
    {
    }

    // Shown around reading a file (a wait cursor); may be empty.
    std::function<void(bool busy)> busy;
    // Called just before the document's program is replaced, so that a run
    // of the old one stops first; may be empty.
    std::function<void()> replacing;
    // Reads a file into the document (tests put a failing disk here).
    std::function<SFileResult(CVelmoraDoc&, const std::string&)> read = ReadProgramFile;

    // Asks whether to save when there are unsaved statements. False when the
    // command that asked must stop.
    bool SaveIfAsked();
    // Save dialog, then write. False when cancelled or failed (flag kept).
    // The dialog starts beside the program's own file, under its name.
    // Statements that will not read back as they are get one warning box.
    // A file marked read-only is left alone and another name offered.
    bool SaveProgram();
    ENewProgram NewProgram();
    // Save question, open dialog, read.
    EOpenResult OpenProgram();
    // Save question, then read the given file (a recently-used entry).
    EOpenResult OpenRecent(const std::string& path);
    // True when the window may close.
    bool CanClose() { return SaveIfAsked(); }

private:
    EOpenResult ReadFile(const std::string& path);
    bool MayEmpty(const std::string& path);
    std::string EditorQuestion() const;

    CVelmoraDoc& m_doc;
    CPrompter& m_prompter;
    CFileChooser& m_files;
    CShell& m_shell;
};
