#include "program/SaveWarning.h"

namespace {

// A box taller than a screen helps nobody; the rest is counted.
constexpr std::size_t kLinesShown = 15;

std::string Sentence(const SChangedStatement& statement)
{
    return "第" + std::to_string(statement.lineNumber) +
           (statement.lost ? "行语句保存后重新打开时会丢失，请核对!" : "行语句保存后重新打开时会被改变，请核对!");
}

} // namespace

std::vector<std::string> SaveWarningLines(const std::vector<SChangedStatement>& changed)
{
    std::vector<std::string> lines;
    lines.reserve(changed.size());
    for (const SChangedStatement& statement : changed)
        lines.push_back(Sentence(statement));
    return lines;
}

std::string SaveWarningText(const std::vector<SChangedStatement>& changed)
{
    std::string text;
    for (std::size_t n = 0; n < changed.size() && n < kLinesShown; ++n) {
        if (n > 0)
            text += '\n';
        text += Sentence(changed[n]);
    }
    if (changed.size() > kLinesShown)
        text += "\n……另有" + std::to_string(changed.size() - kLinesShown) +
                "条语句保存后重新打开时会被改变或丢失，请核对!";
    return text;
}
