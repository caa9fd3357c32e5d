#include "editor/CutCompsteRows.h"

#include "common/FullWidth.h"

#include <charconv>
#include <cctype>

namespace CutCompste {

std::string EntryLabel(int index)
{
    char digits[16];
    auto end = std::to_chars(digits, digits + sizeof digits, index).ptr;
    return std::string(index <= 9 ? "#000" : "#00") + std::string(digits, end);
}

std::optional<std::string> OffsetText(std::string_view typed)
{
    const std::string folded = FoldFullWidth(typed);
    std::string_view text = folded;
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    // from_chars takes no plus sign and no bare point; people write both.
    std::string_view digits = text;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-'))
        digits.remove_prefix(1);
    if (digits.empty() || digits.front() == '-' || digits.front() == '+')
        return std::nullopt;
    const bool onlyDecimal = digits.find_first_not_of("0123456789.") == std::string_view::npos &&
                             digits.find('.') == digits.rfind('.') && digits != ".";
    if (!onlyDecimal)
        return std::nullopt;
    return std::string(text);
}

} // namespace CutCompste
