// The table rows of the statement editor: the row an insert appends, and the
// rows that show the document.
#include "editor/EditorForm.h"
#include "editor/TableText.h"

#include "common/NumberParsing.h"
#include "editor/EditorCodes.h"
#include "program/Codes.h"

#include <initializer_list>
#include <utility>

namespace {

using TColumnMap = std::initializer_list<EField>;

// Columns an inserted row fills, by the list-box text.
struct SInsertedRowRule {
    std::initializer_list<std::string_view> codes;
    std::initializer_list<std::pair<int, EField>> columns;
};

const SInsertedRowRule kInsertedRows[] = {
    {{"G01", "G32"}, {{4, EField::X}, {5, EField::Z}, {9, EField::F}}},
    {{"G00", "G40", "G41", "G42", "G50"}, {{4, EField::X}, {5, EField::Z}}},
    {{"G96", "G97"}, {{8, EField::S}}},
    {{"G71(1)"}, {{4, EField::X}, {8, EField::R}}},
    {{"G73(1)"}, {{4, EField::X}, {8, EField::R}, {5, EField::Z}}},
    {{"G71(2)"},
     {{2, EField::P}, {3, EField::Q}, {4, EField::X}, {5, EField::Z}, {9, EField::F},
      {10, EField::S}, {11, EField::T}}},
    {{"G73(2)"},
     {{2, EField::P}, {3, EField::Q}, {4, EField::X}, {5, EField::Z}, {8, EField::R},
      {9, EField::F}, {10, EField::S}, {11, EField::T}}},
    {{"G02", "G03", "G90", "G92"},
     {{4, EField::X}, {5, EField::Z}, {6, EField::I}, {7, EField::K}, {8, EField::R},
      {9, EField::F}}},
};

// Words the table shows for a stored statement, by its code. Each word goes
// to the column under its own heading.
struct SStoredRowRule {
    std::initializer_list<ECode> codes;
    TColumnMap words;
};

const SStoredRowRule kStoredRows[] = {
    {{ECode::G00}, {EField::X, EField::Z}},
    {{ECode::G01, ECode::G32}, {EField::X, EField::Z, EField::F}},
    {{ECode::G02, ECode::G03}, {EField::X, EField::Z, EField::I, EField::K, EField::R, EField::F}},
    {{ECode::G71, ECode::G73},
     {EField::P, EField::Q, EField::X, EField::Z, EField::R, EField::F, EField::S, EField::T}},
    {{ECode::G90, ECode::G92, ECode::G94}, {EField::X, EField::Z, EField::R, EField::F}},
    {{ECode::M03, ECode::M04}, {EField::S, EField::T}},
};

template <typename T>
bool Contains(std::initializer_list<T> list, T item)
{
    for (auto entry : list)
        if (entry == item)
            return true;
    return false;
}

EWord WordOf(EField field)
{
    static constexpr EWord kWords[] = {EWord::Count, EWord::Code, EWord::P, EWord::Q,
                                       EWord::X,     EWord::Z,    EWord::I, EWord::K,
                                       EWord::R,     EWord::F,    EWord::S, EWord::T};
    return kWords[static_cast<int>(field)];
}

// A tool word with a value; the bare letter a reset field holds is none.
bool IsToolWord(std::string_view t)
{
    auto pos = t.find('T');
    return pos != std::string_view::npos && pos + 1 < t.size();
}

} // namespace

// The insert stores both lines of a cycle under the cycle's own code.
std::string_view CEditorForm::StoredCode(std::string_view code)
{
    const SCodeRow* row = FindCodeRow(code);
    return row && row->id != ECode::None ? CodeInfo(row->id).text : code;
}

TEditorRow CEditorForm::InsertedRow(std::string_view listText) const
{
    TEditorRow row;
    row[0] = Text(EField::Line);
    row[1] = std::string(StoredCode(listText));
    for (const auto& rule : kInsertedRows)
        if (Contains(rule.codes, std::string_view(listText)))
            for (auto [column, field] : rule.columns)
                row[static_cast<std::size_t>(column)] = Text(field);
    return row;
}

int CEditorForm::RowLineNumber(const std::string& text)
{
    return TruncatedInt(LeadingDouble(text));
}

TEditorRow CEditorForm::StoredRow(const CProcess& statement)
{
    TEditorRow row;
    row[0] = std::to_string(statement.m_nLineNumber);
    if (IsToolWord(statement.Get(EWord::T))) {
        row[11] = std::string(statement.Get(EWord::T));
        return row;
    }
    std::string_view code = statement.Code();
    row[1] = std::string(code.empty() ? statement.AuxCode() : code);
    if (code.empty())
        row[2] = std::string(statement.Get(EWord::X));
    const ECode id = ::FindCode(code).code;
    const bool cycle = id == ECode::G90 || id == ECode::G92 || id == ECode::G94;
    for (const auto& rule : kStoredRows) {
        if (!Contains(rule.codes, id))
            continue;
        for (EField field : rule.words) {
            std::string_view word = statement.Get(WordOf(field));
            bool hidden = (field == EField::R && cycle && word == "R0") ||
                          (field == EField::T && word.empty());
            if (!hidden)
                row[Index(field)] = std::string(word);
        }
    }
    return row;
}

CTableText CEditorForm::TableRows(const CVelmoraDoc& doc)
{
    CTableText table;
    int r = 0;
    for (const auto& statement : doc.Statements()) {
        statement->m_nListIndex = r++;
        table.Append(StoredRow(*statement));
    }
    return table;
}
