#include "ImageFile.h"

#include "HostPorts.h"
#include "corvid.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace corvid {

namespace {

constexpr std::string_view kImageStart = "\033\033i";
constexpr std::string_view kImageEnd = "\033\033o";
constexpr std::string_view kWhitespace = " \t\n\v\f\r";
constexpr std::size_t kAddressDigits = 4;
constexpr std::size_t kProgramDigits = 6;
constexpr std::size_t kDataDigits = 4;

class CTokens {
public:
    explicit CTokens(std::string_view text) : m_text(text) {}

    bool Next(std::string_view& token)
    {
        const std::size_t begin = m_text.find_first_not_of(kWhitespace, m_at);
        if (begin == std::string_view::npos)
            return false;
        m_at = std::min(m_text.find_first_of(kWhitespace, begin), m_text.size());
        token = m_text.substr(begin, m_at - begin);
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_at = 0;
};

// Hexadecimal digits only: no sign, no "0x", no more digits than the word has.
bool ParseHex(std::string_view token, std::size_t digits, std::uint32_t& value)
{
    if (token.empty() || token.size() > digits)
        return false;
    const char* end = token.data() + token.size();
    const auto [stop, error] = std::from_chars(token.data(), end, value, 16);
    return error == std::errc() && stop == end;
}

// A section ends at its "#" token and lies wholly inside its memory.
bool ParseSection(CTokens& tokens, bool program, SImage& image)
{
    std::string_view token;
    std::uint32_t address = 0;
    if (!tokens.Next(token) || !ParseHex(token, kAddressDigits, address) || address >= kMemoryWords)
        return false;
    SImageSection section{program, static_cast<std::uint16_t>(address), {}};
    while (tokens.Next(token) && token[0] != '#') {
        std::uint32_t word = 0;
        if (!ParseHex(token, program ? kProgramDigits : kDataDigits, word))
            return false;
        section.words.push_back(word);
    }
    if (token.empty() || token[0] != '#' || !InMemory(address, section.words.size()))
        return false;
    image.sections.push_back(std::move(section));
    return true;
}

short ReadText(const char* file, std::string& text)
{
    const int fd = file != nullptr ? ::open(file, O_RDONLY | O_CLOEXEC) : -1;
    if (fd < 0)
        return CV_RC_NO_FILE;
    // One byte more than the largest image tells a file that is too large.
    text.assign(kLargestImage + 1, '\0');
    std::size_t size = 0;
    bool failed = false;
    while (size < text.size()) {
        const ssize_t got = ::read(fd, text.data() + size, text.size() - size);
        if (got < 0 && errno == EINTR)
            continue;
        failed = got < 0;  // a directory, for one
        if (got <= 0)
            break;
        size += static_cast<std::size_t>(got);
    }
    ::close(fd);
    if (failed)
        return CV_RC_NO_FILE;
    text.resize(size);
    return size > kLargestImage ? CV_RC_BAD_IMAGE : CV_RC_DONE;
}

}  // namespace

// Tokens between sections other than the markers are skipped.
short ParseImage(std::string_view text, SImage& image)
{
    CTokens tokens(text);
    std::string_view token;
    if (!tokens.Next(token) || token != kImageStart)
        return CV_RC_BAD_IMAGE;
    while (tokens.Next(token)) {
        if (token == kImageEnd)
            return CV_RC_DONE;
        if ((token == "@PA" || token == "@DA") && !ParseSection(tokens, token == "@PA", image))
            return CV_RC_BAD_IMAGE;
    }
    return CV_RC_BAD_IMAGE;
}

short ReadImage(const char* file, SImage& image)
{
    std::string text;
    if (const short result = ReadText(file, text); result != CV_RC_DONE)
        return result;
    return ParseImage(text, image);
}

}  // namespace corvid
