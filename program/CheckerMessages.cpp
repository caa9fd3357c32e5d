#include "program/CheckerMessages.h"

#include <array>

namespace {
// The wording (and the doubled 出现 of the first) is the system's own.
constexpr std::array<const char*, static_cast<std::size_t>(ECheckMessage::Count)> kPatterns{
    "第%d行出现出现非法字符，请纠正?",
    "第%d行无G/M指令，请纠正!",
    "第%d行G00代码出现F指令，请纠正!",
    "第%d行G00代码无X续效指令，请纠正!",
    "第%d行G00代码无Z续效指令，请纠正!",
    "第%d行G00代码出现I指令，请纠正!",
    "第%d行G00代码出现K指令，请纠正!",
    "第%d行G01代码无X续效指令，请纠正!",
    "第%d行G01代码无Z续效指令，请纠正!",
    "第%d行G01代码无F续效指令，请纠正!",
    "第%d行G01代码出现I指令，请纠正!",
    "第%d行G01代码出现K指令，请纠正!",
    "第%d行G02/G03代码无X续效指令，请纠正!",
    "第%d行G02/G03代码无Z续效指令，请纠正!",
    "第%d行G02/G03代码无F续效指令，请纠正!",
    "第%d行G02/G03代码R指令有误，请纠正!",
    "第%d行G02/G03代码无I,K或R指令，请纠正!",
    "第%d行G%d代码无X续效指令，请纠正!",
    "第%d行G%d代码无Z续效指令，请纠正!",
    "第%d行G%d代码无F指令，请纠正!",
    "第%d行G%d代码出现I指令，请纠正!",
    "第%d行G%d代码出现K指令，请纠正!",
    "第%d行M代码缺少S指令，请纠正!",
    "第%d行数值超出范围，请纠正!",
};
} // namespace

const char* CheckMessagePattern(ECheckMessage message)
{
    return kPatterns[static_cast<std::size_t>(message)];
}

namespace {
// The first numbers and the last are enough to find the faults; all of them
// would fill the screen.
constexpr std::size_t kListedLines = 20;
} // namespace

std::string SkippedLinesMessage(const std::vector<int>& lines)
{
    if (lines.empty())
        return "本文件其余各行没有再发现错误。";
    // Lines with an illegal character repeat the number before them; one
    // mention is enough.
    std::vector<int> numbers;
    for (int line : lines)
        if (numbers.empty() || numbers.back() != line)
            numbers.push_back(line);
    std::string list;
    for (std::size_t n = 0; n < numbers.size() && n < kListedLines; ++n) {
        if (n > 0)
            list += (n + 1 == kListedLines && numbers.size() > kListedLines) ? "、…、" : "、";
        list += std::to_string(n + 1 == kListedLines ? numbers.back() : numbers[n]);
    }
    const bool cut = numbers.size() > kListedLines;
    return "本文件另有" + std::to_string(lines.size()) + "行有错误，未逐一提示：第" + list +
           (cut ? "行（中间的行号从略）。" : "行。");
}
