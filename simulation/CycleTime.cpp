#include "simulation/CycleTime.h"

#include "common/NumberParsing.h"
#include "program/VelmoraDoc.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>

namespace {

struct SFeed {
    double f = 0.0;
    bool perMinute = false;
};

// The feed in force at each statement's line: F and G98/G99 are modal.
std::unordered_map<int, SFeed> FeedsByLine(const CVelmoraDoc& doc)
{
    std::unordered_map<int, SFeed> feeds;
    SFeed feed;
    for (const auto& statement : doc.Statements()) {
        std::string code(statement->Code());
        if (const auto g = code.find('G'); g != std::string::npos) {
            const int number = LeadingInt(code.substr(g + 1));
            if (number == 98 || number == 99)
                feed.perMinute = number == 98;
        }
        if (const std::string_view f = statement->Get(EWord::F); !f.empty())
            feed.f = WordValue(f);
        feeds[statement->m_nLineNumber] = feed;
    }
    return feeds;
}

double PathLength(const MoveNode& node)
{
    if (node.code == ECode::G02 || node.code == ECode::G03)
        return node.arc.Length();
    if (node.code == ECode::G32)
        return std::fabs(node.z1 - node.z0);
    return std::hypot(node.x1 - node.x0, node.z1 - node.z0);
}

} // namespace

double CycleTimeSeconds(const CInterpreterState& in, const CVelmoraDoc& doc)
{
    const std::unordered_map<int, SFeed> feeds = FeedsByLine(doc);
    double minutes = 0.0, spindle = 0.0;
    for (const MoveNode& node : in.nodes) {
        if (node.kind == 'M' && (node.code == ECode::M03 || node.code == ECode::M04 || node.code == ECode::M05))
            spindle = node.s;
        if (node.kind != 'G' || node.impossible)
            continue;
        double rate = kRapidRate;
        if (node.code == ECode::G32) {
            rate = node.f * spindle;
        } else if (node.code != ECode::G00) {
            const auto found = feeds.find(node.line);
            const SFeed feed = found == feeds.end() ? SFeed{} : found->second;
            rate = feed.perMinute ? feed.f : feed.f * spindle;
        }
        if (rate > 0.0)
            minutes += PathLength(node) / rate;
    }
    return minutes * 60.0;
}
