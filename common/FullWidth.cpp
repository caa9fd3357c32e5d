#include "common/FullWidth.h"

SFullWidth FullWidthAt(std::string_view text)
{
    if (text.size() < 3)
        return {};
    const auto b0 = static_cast<unsigned char>(text[0]), b1 = static_cast<unsigned char>(text[1]),
               b2 = static_cast<unsigned char>(text[2]);
    if (b0 == 0xE3 && b1 == 0x80 && (b2 == 0x80 || b2 == 0x82)) // U+3000, U+3002
        return {b2 == 0x80 ? ' ' : '.', 3};
    if (b0 != 0xEF || (b1 != 0xBC && b1 != 0xBD) || b2 < 0x80 || b2 > 0xBF)
        return {};
    // U+FF01 to U+FF5E stand 0xFEE0 above '!' to '~'.
    const unsigned codePoint = 0xF000u | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu);
    if (codePoint < 0xFF01 || codePoint > 0xFF5E)
        return {};
    return {static_cast<char>(codePoint - 0xFEE0), 3};
}

std::string FoldFullWidth(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t n = 0; n < text.size();) {
        const SFullWidth form = static_cast<unsigned char>(text[n]) >= 0x80 ? FullWidthAt(text.substr(n)) : SFullWidth{};
        if (form.length > 0) {
            out.push_back(form.ascii);
            n += form.length;
        } else {
            out.push_back(text[n++]);
        }
    }
    return out;
}
