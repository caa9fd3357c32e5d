#pragma once
// The texts of a new row of the tool compensation table.
#include <string>
#include <string_view>

namespace CutCompste {
// The offsets a new entry starts with.
inline constexpr std::string_view kZero = "0.000";

// The entry label of a row: "#000" and the index up to 9, "#00" and the
// index from 10 on (#0000, #0009, #0010, #0099, #00100).
std::string EntryLabel(int index);
} // namespace CutCompste
