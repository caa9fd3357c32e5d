#include "program/SaveWarning.h"

namespace {

// A box taller than a screen helps nobody; the rest is counted.
constexpr std::size_t kLinesShown = 15;
// Enough of a dropped line to recognise it.
constexpr std::size_t kTextShown = 60;

std::string Sentence(const SChangedStatement& statement)
{
    return "第" + std::to_string(statement.lineNumber) +
           (statement.lost ? "行语句保存后重新打开时会丢失，请核对!" : "行语句保存后重新打开时会被改变，请核对!");
}

// The start of a line, cut between two characters.
std::string Shortened(const std::string& text)
{
    if (text.size() <= kTextShown)
        return text;
    std::size_t cut = kTextShown;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return text.substr(0, cut) + "…";
}

std::string Sentence(const SDroppedLine& line)
{
    return "原文件第" + std::to_string(line.fileLine) + "行“" + Shortened(line.text) + "”不是可保存的语句，保存后会丢失，请核对!";
}

} // namespace

std::vector<std::string> SaveWarningLines(const std::vector<SChangedStatement>& changed,
                                          const std::vector<SDroppedLine>& dropped)
{
    std::vector<std::string> lines;
    lines.reserve(dropped.size() + changed.size());
    for (const SDroppedLine& line : dropped)
        lines.push_back(Sentence(line));
    for (const SChangedStatement& statement : changed)
        lines.push_back(Sentence(statement));
    return lines;
}

std::string SaveWarningText(const std::vector<SChangedStatement>& changed, const std::vector<SDroppedLine>& dropped)
{
    const std::size_t count = dropped.size() + changed.size();
    std::string text;
    for (std::size_t n = 0; n < count && n < kLinesShown; ++n) {
        if (n > 0)
            text += '\n';
        text += n < dropped.size() ? Sentence(dropped[n]) : Sentence(changed[n - dropped.size()]);
    }
    if (count > kLinesShown)
        text += "\n……另有" + std::to_string(count - kLinesShown) +
                (dropped.empty() ? "条语句保存后重新打开时会被改变或丢失，请核对!" : "处保存后会丢失或被改变，请核对!");
    return text;
}
