#pragma once
// Students bring programs as UTF-8 (with or without a byte order mark), as
// UTF-16 with a byte order mark (Notepad's "Unicode"), or in GB18030/GBK
// from Chinese Windows. The reader works on UTF-8; this turns the bytes of a
// file into it, chunk by chunk, copying only text that needs converting.
#include <cstddef>
#include <string>
#include <string_view>

class CTextDecoder {
public:
    CTextDecoder() = default;
    CTextDecoder(const CTextDecoder&) = delete;
    CTextDecoder& operator=(const CTextDecoder&) = delete;
    ~CTextDecoder();

    // The UTF-8 text of the next bytes, valid until the next call. A
    // character cut by the end of the chunk is held back for the next one.
    std::string_view Decode(std::string_view bytes);
    // What was held back at the end of the file, which is no character.
    void Finish() { m_held.clear(); }

private:
    enum class EEncoding { Undecided, Utf8, Utf16Le, Utf16Be, Gb18030 };

    std::string_view DecodeUndecided(std::string_view bytes);
    std::string_view DecodeUtf16(std::string_view bytes);
    std::string_view DecodeGb18030(std::string_view bytes);
    std::string_view Joined(std::string_view bytes);

    EEncoding m_encoding = EEncoding::Undecided;
    bool m_started = false;
    std::string m_held; // bytes of a character cut by a chunk's end
    std::string m_joined;
    std::string m_out;
    void* m_iconv = nullptr;
};
