#include "common/NumberText.h"

#include <charconv>
#include <cmath>
#include <string_view>

void AppendFixed(std::string& text, double value, int decimals)
{
    if (std::isnan(value)) {
        text += "nan";
        return;
    }
    // The largest double has 309 integer digits.
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    // A value that shows as zero shows without a sign: "-0.000" reads as a fault.
    const bool zero = std::string_view(buffer, result.ptr).find_first_not_of("-0.") == std::string_view::npos;
    text.append(buffer + (zero && buffer[0] == '-' ? 1 : 0), result.ptr);
}

std::string FixedText(double value, int decimals)
{
    std::string text;
    AppendFixed(text, value, decimals);
    return text;
}
