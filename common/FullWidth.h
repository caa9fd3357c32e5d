#pragma once
// Chinese input methods type letters, digits and signs in their full-width
// forms (Ｇ０１Ｘ２０．５, with an ideographic space between words and 。 for
// the point); a program means their ASCII twins. Text is UTF-8.
#include <cstddef>
#include <string>
#include <string_view>

struct SFullWidth {
    char ascii = '\0';
    std::size_t length = 0; // bytes of the form; 0 when text starts with none
};

// The twin of the full-width form that text starts with.
SFullWidth FullWidthAt(std::string_view text);
// text with every full-width form replaced by its twin.
std::string FoldFullWidth(std::string_view text);
