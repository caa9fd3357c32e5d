#pragma once
// The tool compensation dialog: a table of numbered offset entries with X,
// Z and R values, filled in place and extended with "Add". What is typed
// stays in the dialog until it closes.
#include <QDialog>

class CEditList;
class QPushButton;

class CCutCompsteDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCutCompsteDlg(QWidget* parent = nullptr);

    CEditList* list() const { return m_list; }
    // One entry at the end, labelled by its index, its offsets zero.
    void addRow();

private:
    CEditList* m_list;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_add;
};
