#include "program/LineParts.h"

#include "common/FullWidth.h"

namespace {

// A character as the line's structure sees it: ASCII or the twin of a
// full-width form, kOther for any other non-ASCII character.
struct SChar {
    int c;
    std::size_t length;
};
constexpr int kOther = -1;

SChar CharAt(std::string_view text, std::size_t n)
{
    if (n >= text.size())
        return {'\0', 0};
    const auto byte = static_cast<unsigned char>(text[n]);
    if (byte < 0x80)
        return {byte, 1};
    if (const SFullWidth form = FullWidthAt(text.substr(n)); form.length > 0)
        return {form.ascii, form.length};
    std::size_t length = 1;
    while (n + length < text.size() && (static_cast<unsigned char>(text[n + length]) & 0xC0) == 0x80)
        ++length;
    return {kOther, length};
}

bool IsBlank(int c) { return c >= 0 && c <= ' '; }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }

std::size_t SkipBlanks(std::string_view text, std::size_t n)
{
    for (SChar ch; (ch = CharAt(text, n)).length > 0 && IsBlank(ch.c);)
        n += ch.length;
    return n;
}

// Where the digits after a letter at n end, or n when none follow.
std::size_t AfterDigits(std::string_view text, std::size_t n)
{
    std::size_t at = n + CharAt(text, n).length;
    for (SChar ch; (ch = CharAt(text, at)).length > 0 && IsDigit(ch.c);)
        at += ch.length;
    return at == n + CharAt(text, n).length ? n : at;
}

// "(1)" and "(2)" name the lines of the editor's cycle forms.
bool OpensComment(std::string_view text, std::size_t n)
{
    const SChar digit = CharAt(text, n + 1);
    return !((digit.c == '1' || digit.c == '2') && CharAt(text, n + 1 + digit.length).c == ')');
}

// Cuts what follows the sequence number into statement and comments. A
// word after a (…) comment or a note in Chinese still belongs to the
// statement.
bool MayStartComment(char byte)
{
    return byte == ';' || byte == '/' || byte == '(' || static_cast<unsigned char>(byte) >= 0x80;
}

void SplitComments(std::string_view line, std::size_t n, SLineParts& parts)
{
    std::size_t run = n; // most lines have no comment: they are the statement as they stand
    while (run < line.size() && !MayStartComment(line[run]))
        ++run;
    parts.statement = line.substr(n, run - n);
    if (run == line.size())
        return;
    parts.joined.assign(parts.statement);
    bool inParen = false;
    for (n = run; n < line.size();) {
        const SChar ch = CharAt(line, n);
        const std::string_view bytes = line.substr(n, ch.length);
        if (!inParen && (ch.c == ';' || (ch.c == '/' && CharAt(line, n + ch.length).c == '/'))) {
            parts.end.append(line.substr(n));
            break;
        }
        if (inParen || (ch.c == '(' && OpensComment(line, n))) {
            inParen = ch.c != ')';
            parts.end.append(bytes);
        } else if (ch.c == kOther) { // Chinese text after a statement is a note on it
            parts.end.append(bytes);
        } else if (parts.end.empty() || !IsBlank(ch.c)) {
            parts.joined.append(bytes);
        } else {
            parts.end.append(bytes);
        }
        n += ch.length;
    }
    // Blanks before a comment belong to it, so that it is written back as typed.
    if (!parts.end.empty()) {
        std::size_t keep = parts.joined.size();
        while (keep > 0 && IsBlank(static_cast<unsigned char>(parts.joined[keep - 1])))
            --keep;
        parts.end.insert(0, parts.joined, keep);
        parts.joined.resize(keep);
    }
    parts.statement = parts.joined;
}

} // namespace

void SplitLine(std::string_view line, SLineParts& parts)
{
    parts.mark = false;
    parts.number = {};
    parts.statement = {};
    parts.end.clear();
    const std::size_t first = SkipBlanks(line, 0);
    const int letter = CharAt(line, first).c;
    if (letter == '%' || ((letter == 'O' || letter == 'o') && AfterDigits(line, first) != first)) {
        parts.mark = true;
        return;
    }
    std::size_t n = 0;
    if ((letter == 'N' || letter == 'n') && AfterDigits(line, first) != first) {
        n = SkipBlanks(line, AfterDigits(line, first));
        parts.number = line.substr(0, n);
    }
    SplitComments(line, n, parts);
}
