// A controller program image, read and checked whole before any of it goes
// to a card: "\033\033i", then sections "@PA <address>" (24-bit program words)
// and "@DA <address>" (16-bit data words), each ended by a token starting
// with "#", then "\033\033o".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace corvid {

constexpr std::size_t kLargestImage = std::size_t{1} << 20;

struct SImageSection {
    bool program = false;
    std::uint16_t address = 0;
    std::vector<std::uint32_t> words;
};

struct SImage {
    std::vector<SImageSection> sections;
};

// 0, or -3 (CV_RC_BAD_IMAGE) when the text is not a well-formed image.
short ParseImage(std::string_view text, SImage& image);

// 0, -2 when the file cannot be opened or read, -3 when it is larger than
// kLargestImage or not a well-formed image.
short ReadImage(const char* file, SImage& image);

}  // namespace corvid
