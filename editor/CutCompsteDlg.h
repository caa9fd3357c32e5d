#pragma once
// The tool compensation dialog: a table of numbered offset entries with X,
// Z and R values, filled in place and extended with "Add". What is typed
// is kept in the settings when the dialog is closed with OK.
#include <QDialog>

#include <optional>

class CEditList;
class CPrompter;
class QPushButton;

class CCutCompsteDlg : public QDialog {
    Q_OBJECT
public:
    // Where the table is kept between runs of the program.
    static constexpr const char* kSettingsGroup = "ToolCompensation";

    explicit CCutCompsteDlg(CPrompter& prompter, QWidget* parent = nullptr);

    CEditList* list() const { return m_list; }
    // One entry at the end, labelled by its index, its offsets zero.
    void addRow();
    void accept() override;

private:
    bool loadRows();
    std::optional<QString> checkOffset(int column, const QString& text);

    CPrompter& m_prompter;
    CEditList* m_list;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_add;
};
