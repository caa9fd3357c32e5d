#pragma once
// The statement editor's form without its widgets: the entry fields, which of
// them a code enables, validation, building a record and the table rows that
// show the document. The editor pane copies control texts in and out; every
// rule lives here.
#include "program/VelmoraDoc.h"
#include "platform/Prompter.h"
#include "common/FullWidth.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Entry fields, numbered by the table column each one fills.
enum class EField : int { Line, Code, P, Q, X, Z, I, K, R, F, S, T, Count };

constexpr int kEditorColumns = static_cast<int>(EField::Count);
using TEditorRow = std::array<std::string, kEditorColumns>;
class CTableText;

// What an insert asks of the table.
enum class ETableAction {
    None,      // nothing reached the document; the table stays
    AppendRow, // the new row goes at the bottom, the other views are told
    Rebuild,   // the table is rebuilt from the document (all views are told)
};

struct SInsertOutcome {
    int result = kDocNothing;
    ETableAction action = ETableAction::None;
    TEditorRow row; // for AppendRow
};

class CEditorForm {
public:
    static constexpr int kMaxLineNumber = 1000000;
    static constexpr const char* kLineRangeMessage = "请输入一个介于 0 和 1000000 之间的整数。";
    static constexpr const char* kNoCodeMessage = "请先选择G/M代码!";
    static constexpr const char* kDeleteAllQuestion = "您是否确定要全部删除这些语句?";

    CEditorForm();

    // The code list, in the order the sorted list box shows it.
    static const std::vector<std::string>& CodeList();
    // Position of the first list entry that begins with code (ignoring case),
    // or -1.
    static int FindCode(std::string_view code);
    // The fields the editor follows for the panel's typing (I and K are not).
    static bool IsTracked(EField field);

    const std::string& Text(EField field) const { return m_texts[Index(field)]; }
    // Full-width forms from a Chinese input method mean their ASCII twins,
    // as they do in a program file.
    void SetText(EField field, std::string_view text) { m_texts[Index(field)] = FoldFullWidth(text); }
    bool IsEnabled(EField field) const { return m_enabled[Index(field)]; }
    const std::string& AuxCode() const { return m_auxCode; }
    int Valid() const { return m_valid; }

    // Focus tracking: at most one tracked field holds the flag.
    void FocusGained(EField field);
    void FocusLost(EField field);
    std::optional<EField> FocusedField() const;

    // A code chosen in the list box: enable fields and preset texts.
    void ChooseCode(std::string_view code);
    // A table row clicked: copy it into the fields, select the code, enable.
    void ClickRow(const TEditorRow& row);

    // Checks the X, Z, R and F words of the codes that need them. True when
    // the statement may go on (also for codes that are not checked).
    bool Validate(CPrompter& prompter);

    // The line-number field as a number, or a message and nothing.
    std::optional<int> LineNumber(CPrompter& prompter) const;
    // A record from the fields in the record's constructor order.
    std::unique_ptr<CProcess> BuildRecord(int lineNumber, std::string_view code,
                                          int listIndex) const;

    SInsertOutcome Insert(CVelmoraDoc& doc, CPrompter& prompter, int rowCount);
    // True when the document replaced the statement.
    bool Modify(CVelmoraDoc& doc, CPrompter& prompter);
    // The statement of the line-number field, asking first. True when the
    // document was asked (the views are then told).
    bool DeleteOne(CVelmoraDoc& doc, CPrompter& prompter);
    // Every selected row's statement after one question. True on Yes.
    static bool DeleteMany(CVelmoraDoc& doc, CPrompter& prompter,
                           const std::vector<int>& lineNumbers);

    // The table as the document holds it; stores each row in the statement's
    // list index.
    static CTableText TableRows(const CVelmoraDoc& doc);
    // The row that shows one stored statement.
    static TEditorRow StoredRow(const CProcess& statement);
    // The code the document keeps for a list entry: both lines of a cycle
    // under the cycle's own code.
    static std::string_view StoredCode(std::string_view listText);
    // The number at the start of a row's first column.
    static int RowLineNumber(const std::string& text);

private:
    static std::size_t Index(EField field) { return static_cast<std::size_t>(field); }
    void ApplyEnabling(unsigned enable, unsigned disable);
    TEditorRow InsertedRow(std::string_view listText) const;
    void ResetAfterInsert(int result, const CVelmoraDoc& doc, int lineNumber);

    TEditorRow m_texts;
    std::array<bool, kEditorColumns> m_enabled;
    std::array<bool, kEditorColumns> m_focus{};
    std::string m_auxCode;
    int m_valid = 0;
};
