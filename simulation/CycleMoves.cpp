// The roughing cycles G71 and G73 and the finishing cycle G70, expanded
// into plain moves as a control runs them: every pass starts at the point
// where the tool stood, and the tool comes back there at the end.
#include "simulation/MoveBuilder.h"

#include "common/NumberParsing.h"
#include "simulation/Warnings.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

using SRange = std::pair<std::size_t, std::size_t>;

// A point of the contour and the statement that reaches it, so that the
// editor follows the statement each roughing pass ends on.
struct SContourPoint {
    double x = 0.0, z = 0.0;
    int line = 0;
};

// Arcs are followed in steps of this length when a roughing pass looks for
// where it meets the contour.
constexpr double kArcStep = 0.5;

ECode MotionCode(const CProcess& statement)
{
    const std::string_view code = statement.Code();
    if (code.empty() || code.front() != 'G')
        return ECode::None;
    const SCodeInfo& info = FindCode('G', LeadingInt(code.substr(1)));
    return info.motion ? info.code : ECode::None;
}

void FillNumbers(SBuilder& b)
{
    if (!b.numbers.empty())
        return;
    const bool sequenceNumbers = std::any_of(b.statements.begin(), b.statements.end(),
                                             [](const auto& s) { return !s->NumberWord().empty(); });
    b.numbers.reserve(b.statements.size());
    for (const auto& s : b.statements) {
        const std::string_view n = s->NumberWord();
        b.numbers.push_back(sequenceNumbers ? (n.empty() ? -1 : LeadingInt(n.substr(1))) : s->m_nLineNumber);
    }
}

std::optional<std::size_t> IndexOf(SBuilder& b, std::string_view word)
{
    if (word.size() < 2)
        return std::nullopt;
    FillNumbers(b);
    const auto found = std::find(b.numbers.begin(), b.numbers.end(), LeadingInt(word.substr(1)));
    if (found == b.numbers.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - b.numbers.begin());
}

std::optional<SRange> ContourOf(SBuilder& b, const CProcess& cycle)
{
    const auto p = IndexOf(b, cycle.Get(EWord::P)), q = IndexOf(b, cycle.Get(EWord::Q));
    if (!p || !q || *q < *p)
        return std::nullopt;
    return SRange{*p, *q};
}

void AppendWarning(SBuilder& b, int line, int kind)
{
    MoveNode node = NewNode('G', line);
    node.warning = kind;
    PushNode(b, node);
}

// The contour as the roughing passes see it: the end of its first statement,
// then every point it reaches, arcs followed in short steps; moved by shift.
std::vector<SContourPoint> ContourPoints(const SBuilder& b, SRange range, SArcPoint shift)
{
    std::vector<SContourPoint> points;
    SArcPoint at{};
    for (std::size_t n = range.first; n <= range.second; ++n) {
        const CProcess& s = *b.statements[n];
        const ECode code = MotionCode(s);
        if (code == ECode::None)
            continue;
        const SArcPoint to{s.m_ptEnd.x * b.xScale, s.m_ptEnd.z};
        if (!points.empty() && (code == ECode::G02 || code == ECode::G03)) {
            if (const auto arc = ArcOf(s, code, at, to)) {
                const double length = arc->Length();
                for (double along = kArcStep; along < length; along += kArcStep) {
                    const SArcPoint p = PointAlong(*arc, along);
                    points.push_back({p.x + shift.x, p.z + shift.z, s.m_nLineNumber});
                }
            }
        }
        points.push_back({to.x + shift.x, to.z + shift.z, s.m_nLineNumber});
        at = to;
    }
    return points;
}

bool RisesInX(const std::vector<SContourPoint>& points)
{
    constexpr double kTolerance = 1e-6;
    for (std::size_t n = 1; n < points.size(); ++n) {
        if (points[n].x < points[n - 1].x - kTolerance)
            return false;
    }
    return true;
}

// Where a pass at radius x, feeding towards -Z, meets the contour: the first
// point where the contour rises above x.
SContourPoint MeetContour(const std::vector<SContourPoint>& points, double x)
{
    for (std::size_t n = 1; n < points.size(); ++n) {
        const SContourPoint& a = points[n - 1];
        const SContourPoint& c = points[n];
        if (a.x <= x && x < c.x)
            return {x, a.z + (x - a.x) / (c.x - a.x) * (c.z - a.z), c.line};
    }
    return points.back();
}

// Runs the contour statements once, moved by shift.
void ReplayContour(SBuilder& b, SRange range, SArcPoint shift)
{
    b.shift = shift;
    for (std::size_t n = range.first; n <= range.second; ++n) {
        const ECode code = MotionCode(*b.statements[n]);
        // Roughing keeps its own F; the finish runs at the contour's.
        if (b.cycle == ECode::G70)
            TakeFeed(b.feed, *b.statements[n], code);
        if (code != ECode::None)
            TranslateMotion(b, *b.statements[n], code);
    }
    b.shift = {};
}

// Out in X first, so that the way back never crosses the finished part.
void ReturnTo(SBuilder& b, int line, SArcPoint start)
{
    AppendMove(b, line, ECode::G00, start.x, b.at.z);
    AppendMove(b, line, ECode::G00, start.x, start.z);
}

void RoughAlongZ(SBuilder& b, const CProcess& cycle, SRange range)
{
    const int line = cycle.m_nLineNumber;
    const SArcPoint start = b.at;
    const SArcPoint allowance{Value(cycle, EWord::X) * b.xScale, Value(cycle, EWord::Z)};
    const auto points = ContourPoints(b, range, allowance);
    if (points.empty())
        return;
    if (!RisesInX(points)) {
        AppendWarning(b, line, kWarnContourNotMonotone);
        return;
    }
    const double depth = b.roughDepth, retract = b.roughRetract, lowest = points.front().x;
    for (int pass = 1; depth > 0.0 && start.x - depth * pass + depth > lowest; ++pass) {
        const double x = std::max(start.x - depth * pass, lowest);
        const SContourPoint meet = MeetContour(points, x);
        AppendMove(b, line, ECode::G00, x, start.z);
        AppendMove(b, meet.line, ECode::G01, x, meet.z);
        AppendMove(b, line, ECode::G01, x + retract, meet.z + retract);
        AppendMove(b, line, ECode::G00, x + retract, start.z);
    }
    ReplayContour(b, range, allowance);
    ReturnTo(b, line, start);
}

void RepeatPattern(SBuilder& b, const CProcess& cycle, SRange range)
{
    const SArcPoint start = b.at;
    const SArcPoint allowance{Value(cycle, EWord::X) * b.xScale, Value(cycle, EWord::Z)};
    const int passes = std::max(1, static_cast<int>(std::lround(b.patternPasses)));
    for (int pass = 0; pass < passes; ++pass) {
        // The share of the material still on after this pass.
        const double left = passes == 1 ? 0.0 : static_cast<double>(passes - 1 - pass) / (passes - 1);
        ReplayContour(b, range, {allowance.x + b.patternX * left, allowance.z + b.patternZ * left});
        ReturnTo(b, cycle.m_nLineNumber, start);
    }
}

std::size_t RoughingCycle(SBuilder& b, std::size_t index, ECode code)
{
    const CProcess& cycle = *b.statements[index];
    if (cycle.Get(EWord::P).empty()) {
        // The first line: how deep each pass, or how much to remove in how many.
        if (code == ECode::G71) {
            b.roughDepth = Value(cycle, EWord::X);
            b.roughRetract = Value(cycle, EWord::R);
        } else {
            b.patternX = Value(cycle, EWord::X);
            b.patternZ = Value(cycle, EWord::Z);
            b.patternPasses = Value(cycle, EWord::R);
        }
        return index + 1;
    }
    const auto range = ContourOf(b, cycle);
    if (!range) {
        AppendWarning(b, cycle.m_nLineNumber, kWarnNoContour);
        return index + 1;
    }
    b.lastContour = range;
    if (code == ECode::G71)
        RoughAlongZ(b, cycle, *range);
    else
        RepeatPattern(b, cycle, *range);
    // The contour is cut by the cycle, not run again by itself.
    return range->second > index ? range->second + 1 : index + 1;
}

} // namespace

std::size_t TranslateCycle(SBuilder& b, std::size_t index, ECode code)
{
    b.cycle = code;
    std::size_t next = index + 1;
    if (code == ECode::G70) {
        const CProcess& cycle = *b.statements[index];
        const auto range = cycle.Get(EWord::P).empty() ? b.lastContour : ContourOf(b, cycle);
        if (range) {
            const SArcPoint start = b.at;
            ReplayContour(b, *range, {});
            ReturnTo(b, cycle.m_nLineNumber, start);
        } else {
            AppendWarning(b, cycle.m_nLineNumber, kWarnNoContour);
        }
    } else {
        next = RoughingCycle(b, index, code);
    }
    b.cycle = ECode::None;
    return next;
}
