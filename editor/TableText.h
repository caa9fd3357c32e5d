#pragma once
// The texts of the statement table, packed into one buffer: a table of a
// million rows must not cost twelve strings a row.
#include "editor/EditorForm.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CTableText {
public:
    void Clear();
    void Append(const TEditorRow& row);

    std::size_t size() const { return m_end.size() / kEditorColumns; }
    bool empty() const { return m_end.empty(); }
    std::string_view Cell(std::size_t row, int column) const;
    TEditorRow Row(std::size_t row) const;

private:
    std::string m_text;
    std::vector<std::size_t> m_end; // end offset of each cell, row by row
};

// A cell's text as the table shows it: a word too long to read in a cell
// (a program may hold one of megabytes) is cut, with an ellipsis, at a
// character boundary. The table keeps the whole word for the fields.
std::string ShownCellText(std::string_view text);
