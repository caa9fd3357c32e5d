#pragma once
// The texts of a new row of the tool compensation table.
#include <optional>
#include <string>
#include <string_view>

namespace CutCompste {
// The offsets a new entry starts with.
inline constexpr std::string_view kZero = "0.000";

// The entry label of a row: "#000" and the index up to 9, "#00" and the
// index from 10 on (#0000, #0009, #0010, #0099, #00100).
std::string EntryLabel(int index);

// An offset as typed into a cell: the number without the blanks around it
// (full-width digits read as their twins), or nothing when it is no number.
std::optional<std::string> OffsetText(std::string_view typed);

inline constexpr const char* kNotANumber = "刀补值必须是数字，请重新输入!";
} // namespace CutCompste
