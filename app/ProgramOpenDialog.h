#pragma once
// The dialog that opens a program. It lists folders itself (see
// FolderListing.h), so that files and folders with GBK names from Windows
// archives appear under their Chinese names and open by their bytes on disk.
#include "platform/QtServices.h"

#include <QDialog>

#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

class CProgramOpenDialog : public QDialog {
public:
    // Starts in folder (bytes on disk; the working directory when empty).
    explicit CProgramOpenDialog(const std::string& folder = {}, QWidget* parent = nullptr);

    // The chosen file's path on disk, once accepted.
    const std::string& ChosenPath() const { return m_chosen; }
    // The folder shown, as bytes on disk.
    const std::string& Folder() const { return m_folder; }
    QListWidget* Entries() const { return m_entries; }
    QLineEdit* NameField() const { return m_name; }
    QLabel* ErrorLine() const { return m_error; }

    // As 打开 does: a folder typed or chosen is entered, a file that exists
    // is chosen, anything else is named on the error line.
    void OpenTyped();

private:
    void Enter(const std::string& folder);
    void EntryChosen(QListWidgetItem* item);
    void ShowError(const std::string& text);

    std::string m_folder;
    std::string m_chosen;
    QLineEdit* m_where = nullptr;
    QListWidget* m_entries = nullptr;
    QLineEdit* m_name = nullptr;
    QLabel* m_error = nullptr;
};

// The desktop's file choices with this dialog for opening programs.
class CAppFileChooser : public CQtFileChooser {
public:
    using CQtFileChooser::CQtFileChooser;
    std::optional<std::string> ChooseOpen() override;
};
