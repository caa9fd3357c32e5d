#include "simulation/CycleTime.h"

#include "program/Process.h"

namespace {

// The value of an F word. A plain decimal of up to 15 digits is the whole
// number of its digits over a power of ten, both exact, so one correctly
// rounded division gives what from_chars gives, at a fraction of the cost;
// anything else is read as any word.
double FeedValue(std::string_view word)
{
    static constexpr double kTens[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::size_t i = 1;
    const bool negative = i < word.size() && word[i] == '-';
    if (i < word.size() && (word[i] == '-' || word[i] == '+'))
        ++i;
    long long digits = 0;
    int count = 0, decimals = -1;
    for (; i < word.size() && count <= 15; ++i) {
        const char c = word[i];
        if (c == '.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c < '0' || c > '9')
            return WordValue(word);
        digits = digits * 10 + (c - '0');
        ++count;
        decimals += decimals >= 0 ? 1 : 0;
    }
    if (count == 0 || count > 15)
        return WordValue(word);
    const double value = static_cast<double>(digits) / kTens[decimals > 0 ? decimals : 0];
    return negative ? -value : value;
}

void SetRunSeconds(CInterpreterState& in, double seconds)
{
    in.total_seconds += seconds - in.run_seconds;
    in.run_seconds = seconds;
}

} // namespace

void ChangeFeed(SFeedState& feed, std::string_view fWord, bool perMinute)
{
    // Programs repeat one feed for many statements: read each once.
    if (!fWord.empty() && fWord != feed.fWord) {
        feed.f = FeedValue(fWord);
        feed.fWord = fWord;
    }
    feed.perMinute = perMinute;
    TakeSpindle(feed, feed.spindle);
}

void TakeSpindle(SFeedState& feed, double speed)
{
    feed.spindle = speed;
    // Worked out once for all the moves at this feed: a division a node
    // would show in a start.
    const double rate = feed.perMinute ? feed.f : feed.f * feed.spindle;
    feed.feedSecondsPerMm = rate > 0.0 ? 60.0 / rate : 0.0;
}

double CycleTimeSeconds(const CInterpreterState& in)
{
    double seconds = 0.0;
    for (const MoveNode& node : in.nodes) {
        seconds += NodeSeconds(node);
        if (node.kind == 'M' && node.code == ECode::M02)
            break; // what follows the end never runs
    }
    return seconds;
}

void CountRunTime(CInterpreterState& in, double share, bool finished)
{
    const double seconds = NodeSeconds(in.Current());
    if (!finished) {
        SetRunSeconds(in, in.passed_seconds + seconds * share);
        return;
    }
    // Summed node by node as the builder summed them, so a whole run comes
    // to the cycle time exactly.
    in.passed_seconds += seconds;
    SetRunSeconds(in, in.passed_seconds);
}
