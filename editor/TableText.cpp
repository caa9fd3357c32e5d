#include "editor/TableText.h"

namespace {
// Far wider than any column; a word this long is no longer read in a cell.
constexpr std::size_t kShownBytes = 64;
} // namespace

void CTableText::Clear()
{
    m_text.clear();
    m_end.clear();
}

void CTableText::Append(const TEditorRow& row)
{
    for (const std::string& cell : row) {
        m_text += cell;
        m_end.push_back(m_text.size());
    }
}

std::string_view CTableText::Cell(std::size_t row, int column) const
{
    const std::size_t index = row * kEditorColumns + static_cast<std::size_t>(column);
    const std::size_t begin = index == 0 ? 0 : m_end[index - 1];
    return std::string_view(m_text).substr(begin, m_end[index] - begin);
}

TEditorRow CTableText::Row(std::size_t row) const
{
    TEditorRow texts;
    for (int column = 0; column < kEditorColumns; ++column)
        texts[static_cast<std::size_t>(column)] = std::string(Cell(row, column));
    return texts;
}

std::string ShownCellText(std::string_view text)
{
    if (text.size() <= kShownBytes)
        return std::string(text);
    std::size_t cut = kShownBytes;
    // Never split a UTF-8 sequence: back up to the start of a character.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(text.substr(0, cut)) + "…";
}
