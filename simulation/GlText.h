#pragma once
// Solid 3D lettering: each character of 0..127 is a display list that draws
// its glyph extruded towards -z and then moves on by its advance, so a
// string is drawn by calling the lists with its bytes.
#include <string_view>

namespace gltext {
inline constexpr unsigned kThickBase = 100000; // extruded 5.0
inline constexpr unsigned kThinBase = 100100;  // extruded 1.0
} // namespace gltext

// Builds the two sets the scene uses (the thin set replaces the thick one's
// lists from character 100 on, which no thick text uses). Needs a current
// context and a Qt GUI application.
void BuildSceneFonts();
void DrawText3D(unsigned listBase, std::string_view text);
