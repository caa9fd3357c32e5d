#include "editor/CutCompsteRows.h"

#include <charconv>

namespace CutCompste {

std::string EntryLabel(int index)
{
    char digits[16];
    auto end = std::to_chars(digits, digits + sizeof digits, index).ptr;
    return std::string(index <= 9 ? "#000" : "#00") + std::string(digits, end);
}

} // namespace CutCompste
