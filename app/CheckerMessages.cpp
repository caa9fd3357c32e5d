#include "app/CheckerMessages.h"

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
};
} // namespace

const char* CheckMessagePattern(ECheckMessage message)
{
    return kPatterns[static_cast<std::size_t>(message)];
}
