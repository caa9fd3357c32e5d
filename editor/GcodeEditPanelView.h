#pragma once
// The statement editor, pane (0,1) of the main window: the program as a
// table, one row per statement, and a row of entry fields under the table
// columns in which one statement is composed. The rules live in
// CEditorForm; this widget copies texts in and out and keeps the table.
#include "common/CommandTarget.h"
#include "program/VelmoraDoc.h"
#include "editor/EditorForm.h"

#include <QWidget>

#include <array>
#include <vector>

class CKeyTyper;
class QComboBox;
class QLineEdit;
class QTableView;
class CStatementTableModel;

class CGcodeEditPanelView : public QWidget, public CDocView, public CCommandTarget {
    Q_OBJECT
public:
    CGcodeEditPanelView(CVelmoraDoc& doc, CPrompter& prompter, CKeyTyper& keys,
                        QWidget* parent = nullptr);
    ~CGcodeEditPanelView() override;

    // Operations of the operator panel's keys.
    // Puts the focus back into the tracked field that last had it.
    void focusTrackedField();
    // Types one character into that field, as the keyboard would.
    void typeCharacter(char ch, bool withShift = false);
    void insertStatement();
    void modifyStatement();
    // The selected rows after one question, or the statement of the
    // line-number field after the document's question.
    void deleteStatements();
    // Rebuilds the table from the document.
    void refreshFromDocument();

    const CEditorForm& form() const { return m_form; }
    QTableView* table() const { return m_table; }
    int rowCount() const;
    // A cell as the table shows it.
    QString cellText(int row, int column) const;
    QLineEdit* field(EField field) const;
    QComboBox* codeBox() const { return m_code; }

    void OnDocumentChanged() override;
    bool HandlesCommand(int) const override { return false; }
    void OnCommand(int) override {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildTable();
    void buildFields();
    void placeFields();
    void pullFields();
    void pushFields();
    void codeChosen(int index);
    void rowClicked(int row);
    EField fieldOf(QObject* object) const;
    std::vector<int> selectedRows() const;
    void notifyOthers();

    CVelmoraDoc& m_doc;
    CPrompter& m_prompter;
    CKeyTyper& m_keys;
    CEditorForm m_form;
    QTableView* m_table = nullptr;
    CStatementTableModel* m_model = nullptr;
    QComboBox* m_code = nullptr;
    std::array<QLineEdit*, kEditorColumns> m_fields{};
    std::array<QString, kEditorColumns> m_pushed; // each field's text as last set

    bool m_ignoreUpdate = false;
};
