// Gaps: where a line of another colour crosses the line, or a dash ends, the free end is
// continued on as its last pixels head and turn, to the skeleton ahead. Under the ink of
// another colour (a label, a road crossed at a slant) it reaches farther: the line runs on
// beneath, bending as both its sides do.
#include "trace/Skeleton.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <unordered_map>
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

// The pixels of the way from a to b, ends left out: straight on, or the curve that leaves a
// heading `from` and reaches b heading `to` (radians), as a line bends on beneath a label.
std::vector<PixelPoint> wayBetween(PixelPoint a, PixelPoint b,
                                   std::optional<std::pair<double, double>> headings) {
    const double l = std::hypot(b.x - a.x, b.y - a.y);
    const double straight = std::atan2(double(b.y - a.y), double(b.x - a.x));
    const auto [from, to] = headings.value_or(std::pair{straight, straight});
    const int steps = 2 * static_cast<int>(std::ceil(l));
    std::vector<PixelPoint> way;
    for (int s = 1; s < steps; ++s) {
        // Cubic Hermite: the end points with their headings, scaled by the distance.
        const double t = double(s) / steps, t2 = t * t, t3 = t2 * t;
        const double h00 = 2 * t3 - 3 * t2 + 1, h10 = (t3 - 2 * t2 + t) * l, h01 = -2 * t3 + 3 * t2,
                     h11 = (t3 - t2) * l;
        const PixelPoint p{static_cast<int>(std::lround(h00 * a.x + h10 * std::cos(from) +
                                                        h01 * b.x + h11 * std::cos(to))),
                           static_cast<int>(std::lround(h00 * a.y + h10 * std::sin(from) +
                                                        h01 * b.y + h11 * std::sin(to)))};
        if (p == a || p == b || (!way.empty() && way.back() == p)) continue;
        way.push_back(p);
    }
    return way;
}

// Whether the way stays within the mask: a curve may bulge out of it.
bool inside(const Mask& mask, const std::vector<PixelPoint>& way) {
    return std::all_of(way.begin(), way.end(), [&](PixelPoint p) {
        return p.x >= mask.x0 && p.y >= mask.y0 && p.x <= mask.x0 + mask.width - 3 &&
               p.y <= mask.y0 + mask.height - 3;
    });
}

// Whether the way lies on the line or beneath other ink.
bool hidden(const Mask& mask, const std::vector<PixelPoint>& way, const Covered& covered) {
    return std::all_of(way.begin(), way.end(), [&](PixelPoint p) {
        return (mask.cells[mask.at(p.x, p.y)] & kOn) || covered(p.x, p.y);
    });
}

// Where the line heads at its end: the direction of its last pixels, and how far it turns
// over as many again before them (none on a short line). On a curve the way ahead bends
// on: straight on from the last pixels, a contour's far side across a gap is off by more
// than the cone allows where the contour turns tightest.
struct Heading {
    double angle = 0; // of the chord over the last kDirectionSpan pixels
    double turn = 0;  // from the chord before it to that one
};

Heading headingOf(const Mask& mask, const FreeEnd& end) {
    // A turn beyond this over the span is the pixels' noise or a corner, not a curve.
    constexpr double kLargestTurn = 0.45; // radians
    const auto at = [&](std::size_t k) { return mask.point(end.tail[k]); };
    const auto angle = [](PixelPoint from, PixelPoint to) {
        return std::atan2(double(to.y - from.y), double(to.x - from.x));
    };
    const std::size_t span = std::min(kDirectionSpan, end.tail.size() - 1);
    Heading h{angle(at(span), at(0)), 0};
    if (end.tail.size() > 2 * kDirectionSpan) {
        const double before = angle(at(2 * kDirectionSpan), at(kDirectionSpan));
        const double turn = std::remainder(h.angle - before, 2 * M_PI);
        if (std::abs(turn) <= kLargestTurn) h.turn = turn;
    }
    return h;
}

} // namespace

bool bridgeGaps(Mask& mask, const Graph& graph, int gap, const Covered& covered) {
    const int reach = gap + 1; // pixels from the end to the pixel beyond the gap
    const int farthest = kUnderInk * reach;
    const std::vector<FreeEnd> ends = freeEnds(graph);
    // The free ends, and the way each heads at its end.
    std::unordered_map<std::size_t, double> freeCells;
    for (const FreeEnd& end : ends) {
        const Heading h = headingOf(mask, end);
        freeCells.emplace(end.cell, h.angle + h.turn / 2);
    }
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
        const Heading heading = headingOf(mask, end);
        // The line's own last pixels are behind or beside the end, never ahead across a gap.
        const std::size_t own =
            std::min(end.tail.size(), kDirectionSpan + 3 * std::size_t(farthest));
        const std::unordered_set<std::size_t> mine(end.tail.begin(),
                                                   end.tail.begin() + std::ptrdiff_t(own));
        std::optional<std::size_t> best;
        std::vector<PixelPoint> bestWay;
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
                const double ahead = heading.angle + heading.turn * (0.5 + d / 2 / kDirectionSpan);
                const double alignment = (vx * std::cos(ahead) + vy * std::sin(ahead)) / d;
                if (alignment < kLeastAlignment) continue;
                // Another line's end facing this one is the likelier other side.
                const auto other = freeCells.find(cell);
                const bool facing = other != freeCells.end();
                const double score = d * (2 - alignment) * (facing ? 0.5 : 1);
                if (best && score >= bestScore) continue;
                // Across a long gap to the other side the way bends as the line does.
                std::vector<PixelPoint> way = wayBetween(
                    e, {x, y},
                    facing && d > reach ? std::optional(std::pair{heading.angle + heading.turn / 2,
                                                                  other->second + M_PI})
                                        : std::nullopt);
                if (!inside(mask, way) || (d > reach && !hidden(mask, way, covered))) continue;
                best = cell;
                bestWay = std::move(way);
                bestScore = score;
            }
        if (!best) continue;
        for (const PixelPoint p : bestWay)
            mask.cells[mask.at(p.x, p.y)] = kOn;
        abutments.push_back(e);
        abutments.push_back(mask.point(*best));
    }
    return !abutments.empty();
}

} // namespace tracelle::trace::skeleton
