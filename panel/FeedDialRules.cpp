#include "panel/FeedDialRules.h"

#include <algorithm>

namespace feed_dial {

double PointerDegrees(int percent)
{
    const int held = std::clamp(percent, 0, kMaxPercent);
    return kSweepStartDegrees - kSweepDegrees * held / kMaxPercent;
}

int Turned(int percent, int steps) { return std::clamp(percent + steps * kStepPercent, 0, kMaxPercent); }

} // namespace feed_dial
