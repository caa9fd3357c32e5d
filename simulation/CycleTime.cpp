#include "simulation/CycleTime.h"

#include "common/NumberParsing.h"
#include "program/VelmoraDoc.h"

#include <algorithm>
#include <cmath>

namespace {

struct SFeed {
    double f = 0.0;
    bool perMinute = false;
};

// F and G98/G99 are modal: each statement changes what it names.
void TakeFeed(SFeed& feed, const CProcess& statement)
{
    const std::string_view code = statement.Code();
    if (const auto g = code.find('G'); g != std::string_view::npos) {
        const int number = LeadingInt(code.substr(g + 1));
        if (number == 98 || number == 99)
            feed.perMinute = number == 98;
    }
    if (const std::string_view f = statement.Get(EWord::F); !f.empty())
        feed.f = WordValue(f);
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
    // The nodes follow the statements in order, so one walk of both finds
    // the feed in force at each node without a table.
    const auto& statements = doc.Statements();
    std::size_t next = 0;
    SFeed feed;
    double minutes = 0.0, spindle = 0.0;
    for (const MoveNode& node : in.nodes) {
        while (next < statements.size()
               && (next == 0 || statements[next - 1]->m_nLineNumber != node.line)) {
            TakeFeed(feed, *statements[next]);
            ++next;
        }
        if (node.kind == 'M' && (node.code == ECode::M03 || node.code == ECode::M04 || node.code == ECode::M05))
            spindle = node.s;
        if (node.kind != 'G' || node.impossible)
            continue;
        double rate = kRapidRate;
        if (node.code == ECode::G32)
            rate = node.f * spindle;
        else if (node.code != ECode::G00)
            rate = feed.perMinute ? feed.f : feed.f * spindle;
        if (rate > 0.0)
            minutes += PathLength(node) / rate;
    }
    return minutes * 60.0;
}
