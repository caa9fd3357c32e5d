#include "common/NumberText.h"

#include <charconv>
#include <cmath>

void AppendFixed(std::string& text, double value, int decimals)
{
    if (std::isnan(value)) {
        text += "nan";
        return;
    }
    // The largest double has 309 integer digits.
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    text.append(buffer, result.ptr);
}

std::string FixedText(double value, int decimals)
{
    std::string text;
    AppendFixed(text, value, decimals);
    return text;
}
