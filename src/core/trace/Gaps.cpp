// Gaps: where a line of another colour crosses the line, or a dash ends, the free end is
// continued straight on, in the direction of its last pixels, to the skeleton ahead. Under
// the ink of another colour (a label, a road crossed at a slant) it reaches farther: the line
// runs on beneath.
#include "trace/Skeleton.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace tracelle::trace::skeleton {

namespace {

// Pixels back along the line that give its direction at the end.
constexpr std::size_t kDirectionSpan = 8;
// How far off the line's direction the pixel ahead may lie (cosine of 35°).
constexpr double kLeastAlignment = 0.82;
// How many times farther than across paper a gap is bridged beneath other ink.
constexpr int kUnderInk = 2;

struct FreeEnd {
    std::size_t cell;
    std::vector<std::size_t> tail; // the line's pixels from the end inwards
};

std::vector<FreeEnd> freeEnds(const Graph& graph) {
    std::vector<FreeEnd> ends;
    for (const Edge& e : graph.edges) {
        if (e.from == e.to || e.cells.size() <= kDirectionSpan / 2) continue;
        for (const bool atStart : {true, false}) {
            const int node = atStart ? e.from : e.to;
            if (node < 0 || graph.nodes[static_cast<std::size_t>(node)].degree != 1) continue;
            FreeEnd end{atStart ? e.cells.front() : e.cells.back(), e.cells};
            if (!atStart) std::reverse(end.tail.begin(), end.tail.end());
            ends.push_back(std::move(end));
        }
    }
    return ends;
}

void drawStraight(Mask& mask, PixelPoint a, PixelPoint b) {
    const int steps = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
    for (int s = 1; s < steps; ++s) {
        const auto x = static_cast<int>(std::lround(a.x + double(b.x - a.x) * s / steps));
        const auto y = static_cast<int>(std::lround(a.y + double(b.y - a.y) * s / steps));
        mask.cells[mask.at(x, y)] = kOn;
    }
}

// Whether the straight way from a to b, ends left out, lies on the line or beneath other ink.
bool hidden(const Mask& mask, PixelPoint a, PixelPoint b, const Covered& covered) {
    const int steps = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
    for (int s = 1; s < steps; ++s) {
        const auto x = static_cast<int>(std::lround(a.x + double(b.x - a.x) * s / steps));
        const auto y = static_cast<int>(std::lround(a.y + double(b.y - a.y) * s / steps));
        if (!(mask.cells[mask.at(x, y)] & kOn) && !covered(x, y)) return false;
    }
    return true;
}

} // namespace

bool bridgeGaps(Mask& mask, const Graph& graph, int gap, const Covered& covered) {
    const int reach = gap + 1; // pixels from the end to the pixel beyond the gap
    const int farthest = kUnderInk * reach;
    const std::vector<FreeEnd> ends = freeEnds(graph);
    std::unordered_set<std::size_t> freeCells;
    for (const FreeEnd& end : ends)
        freeCells.insert(end.cell);
    // Both sides of a bridge: the end facing it across the gap must not lay a second one.
    std::vector<PixelPoint> abutments;
    const auto nearAbutment = [&](PixelPoint p) {
        return std::any_of(abutments.begin(), abutments.end(), [p](PixelPoint a) {
            return std::abs(a.x - p.x) <= 3 && std::abs(a.y - p.y) <= 3;
        });
    };
    for (const FreeEnd& end : ends) {
        const PixelPoint e = mask.point(end.cell);
        if (nearAbutment(e)) continue;
        const PixelPoint back = mask.point(end.tail[std::min(kDirectionSpan, end.tail.size() - 1)]);
        const double dx = e.x - back.x, dy = e.y - back.y, dl = std::hypot(dx, dy);
        // The line's own last pixels are behind or beside the end, never ahead across a gap.
        const std::size_t own =
            std::min(end.tail.size(), kDirectionSpan + 3 * std::size_t(farthest));
        const std::unordered_set<std::size_t> mine(end.tail.begin(),
                                                   end.tail.begin() + std::ptrdiff_t(own));
        std::optional<std::size_t> best;
        double bestScore = 0;
        const int xa = std::max(mask.x0, e.x - farthest),
                  xb = std::min(mask.x0 + mask.width - 3, e.x + farthest);
        const int ya = std::max(mask.y0, e.y - farthest),
                  yb = std::min(mask.y0 + mask.height - 3, e.y + farthest);
        for (int y = ya; y <= yb; ++y)
            for (int x = xa; x <= xb; ++x) {
                const std::size_t cell = mask.at(x, y);
                if (!(mask.cells[cell] & kOn) || mine.contains(cell)) continue;
                const double vx = x - e.x, vy = y - e.y, d = std::hypot(vx, vy);
                if (d > farthest || d < 1.5) continue;
                const double alignment = (vx * dx + vy * dy) / (d * dl);
                if (alignment < kLeastAlignment) continue;
                if (d > reach && !hidden(mask, e, {x, y}, covered)) continue;
                // Another line's end facing this one is the likelier other side.
                const double score = d * (2 - alignment) * (freeCells.contains(cell) ? 0.5 : 1);
                if (!best || score < bestScore) {
                    best = cell;
                    bestScore = score;
                }
            }
        if (!best) continue;
        drawStraight(mask, e, mask.point(*best));
        abutments.push_back(e);
        abutments.push_back(mask.point(*best));
    }
    return !abutments.empty();
}

} // namespace tracelle::trace::skeleton
