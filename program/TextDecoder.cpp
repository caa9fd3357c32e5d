#include "program/TextDecoder.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iconv.h>

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF", kUtf16LeBom = "\xFF\xFE", kUtf16BeBom = "\xFE\xFF";

std::size_t FirstNonAscii(std::string_view bytes)
{
    // Eight bytes at a time: most files are ASCII from start to end.
    std::size_t n = 0;
    for (; n + 8 <= bytes.size(); n += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + n, 8);
        if (word & 0x8080808080808080ull)
            break;
    }
    for (; n < bytes.size(); ++n)
        if (static_cast<unsigned char>(bytes[n]) >= 0x80)
            return n;
    return std::string_view::npos;
}

// Whether the bytes are UTF-8, a sequence cut by their end included.
bool LooksLikeUtf8(std::string_view bytes)
{
    for (std::size_t n = 0; n < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[n]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                                                : lead >= 0xF0 && lead < 0xF5   ? 4
                                                                                : 0;
        if (length == 0)
            return false;
        for (std::size_t m = 1; m < length && n + m < bytes.size(); ++m)
            if ((static_cast<unsigned char>(bytes[n + m]) & 0xC0) != 0x80)
                return false;
        n += length;
    }
    return true;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

} // namespace

CTextDecoder::~CTextDecoder()
{
    if (m_iconv)
        ::iconv_close(static_cast<iconv_t>(m_iconv));
}

// The held-back bytes of the last chunk in front of these.
std::string_view CTextDecoder::Joined(std::string_view bytes)
{
    if (m_held.empty())
        return bytes;
    m_joined.assign(m_held);
    m_joined.append(bytes);
    m_held.clear();
    return m_joined;
}

std::string_view CTextDecoder::Decode(std::string_view bytes)
{
    if (!m_started) {
        m_started = true;
        if (bytes.starts_with(kUtf8Bom)) {
            m_encoding = EEncoding::Utf8;
            bytes.remove_prefix(kUtf8Bom.size());
        } else if (bytes.starts_with(kUtf16LeBom) || bytes.starts_with(kUtf16BeBom)) {
            m_encoding = bytes.starts_with(kUtf16LeBom) ? EEncoding::Utf16Le : EEncoding::Utf16Be;
            bytes.remove_prefix(2);
        }
    }
    switch (m_encoding) {
    case EEncoding::Undecided: return DecodeUndecided(bytes);
    case EEncoding::Utf8: return bytes;
    case EEncoding::Utf16Le:
    case EEncoding::Utf16Be: return DecodeUtf16(bytes);
    case EEncoding::Gb18030: return DecodeGb18030(bytes);
    }
    return bytes;
}

// ASCII reads the same in every encoding without a mark; the first chunk
// with other bytes decides between UTF-8 and GB18030, whose double bytes
// are rarely valid UTF-8 for a whole chunk.
std::string_view CTextDecoder::DecodeUndecided(std::string_view bytes)
{
    const std::size_t first = FirstNonAscii(bytes);
    if (first == std::string_view::npos)
        return bytes;
    if (LooksLikeUtf8(bytes.substr(first))) {
        m_encoding = EEncoding::Utf8;
        return bytes;
    }
    m_encoding = EEncoding::Gb18030;
    return DecodeGb18030(bytes);
}

std::string_view CTextDecoder::DecodeUtf16(std::string_view chunk)
{
    const std::string_view bytes = Joined(chunk);
    const bool little = m_encoding == EEncoding::Utf16Le;
    m_out.clear();
    std::size_t n = 0;
    auto unitAt = [&](std::size_t at) {
        const auto a = static_cast<unsigned char>(bytes[at]), b = static_cast<unsigned char>(bytes[at + 1]);
        return static_cast<char32_t>(little ? (b << 8 | a) : (a << 8 | b));
    };
    for (; n + 1 < bytes.size(); n += 2) {
        const char32_t unit = unitAt(n);
        if (unit >= 0xD800 && unit < 0xDC00) {
            if (n + 3 >= bytes.size())
                break; // the pair's second half is in the next chunk
            const char32_t low = unitAt(n + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                AppendUtf8(m_out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                n += 2;
            }
            continue; // a lone half is no character
        }
        if (unit < 0xDC00 || unit >= 0xE000)
            AppendUtf8(m_out, unit);
    }
    m_held.assign(bytes.substr(n));
    return m_out;
}

std::string_view CTextDecoder::DecodeGb18030(std::string_view chunk)
{
    if (!m_iconv) {
        const iconv_t handle = ::iconv_open("UTF-8", "GB18030");
        if (handle == reinterpret_cast<iconv_t>(-1))
            return chunk; // no converter: non-ASCII bytes are dropped by the checker as before
        m_iconv = handle;
    }
    const std::string_view bytes = Joined(chunk);
    m_out.resize(bytes.size() * 2 + 16); // a GB18030 character takes at most twice its bytes in UTF-8
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* out = m_out.data();
    std::size_t outLeft = m_out.size();
    while (inLeft > 0) {
        if (::iconv(static_cast<iconv_t>(m_iconv), &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1))
            break;
        if (errno == EINVAL) { // a character cut by the end of the chunk
            m_held.assign(in, inLeft);
            break;
        }
        ++in; // a byte that starts no character is dropped, as the checker drops it
        --inLeft;
    }
    m_out.resize(m_out.size() - outLeft);
    return m_out;
}
