// The steps of the vectorisation in order: mask, thinning, spurs, gaps, lines.
#include "trace/Vectorize.h"

#include "platform/Language.h"
#include "trace/Lab.h"
#include "trace/Skeleton.h"

#include <algorithm>
#include <cmath>

namespace tracelle::trace {

namespace {

using skeleton::Graph;
using skeleton::Mask;

// Rounds of spur removal: a removed spur can leave a shorter one of its junction behind.
constexpr int kPruneRounds = 4;
// Spurs as short as this are forks of thinning at the square ends of wide lines, and go
// before the gaps are bridged: longer ones may be the near side of a gap (pixels).
constexpr double kForkLength = 2.5;
// Rounds of gap bridging: a label across a line leaves bits of it between its letters, each
// joined in a round of its own.
constexpr int kBridgeRounds = 8;

Graph prunedGraph(Mask& mask, double minLength) {
    Graph graph = skeleton::graphOf(mask);
    for (int round = 0; round < kPruneRounds && skeleton::pruneSpurs(mask, graph, minLength);
         ++round) {
        skeleton::dropCorners(mask);
        graph = skeleton::graphOf(mask);
    }
    return graph;
}

// The skeleton steps from pixel to pixel on either side of the true centre: averaged over a
// few pixels along it, ends and junctions kept where they are. A closed line without them is
// averaged all round.
std::vector<PointF> smoothed(const std::vector<PointF>& line, bool loop) {
    constexpr std::size_t kReach = 2; // pixels on either side
    const std::size_t n = loop ? line.size() - 1 : line.size();
    if (n < 2 * kReach + 1) return line;
    std::vector<PointF> out(line);
    for (std::size_t i = loop ? 0 : 1; i < (loop ? n : n - 1); ++i) {
        const std::size_t reach = loop ? kReach : std::min({kReach, i, n - 1 - i});
        PointF sum;
        for (std::size_t k = 0; k <= 2 * reach; ++k) {
            const PointF p = line[(i + n + k - reach) % n];
            sum.x += p.x;
            sum.y += p.y;
        }
        out[i] = {sum.x / double(2 * reach + 1), sum.y / double(2 * reach + 1)};
    }
    if (loop) out.back() = out.front();
    return out;
}

// Each point moved across the line to the centre of the colour's weight there: the skeleton of
// a line of even width runs along one of its two middle rows, and JPEG blocks push it aside.
// Points this near a junction stay, the other branches being in reach.
void centre(std::vector<PointF>& line, bool loop, bool fixedStart, bool fixedEnd,
            const picture::Layer& layer, const LineColour& colour) {
    constexpr int kReach = 2;         // pixels across the line weighed on each side
    constexpr std::size_t kAlong = 2; // points on either side giving the line's direction
    constexpr std::size_t kKeep = 3;  // points by a junction left where they are
    const std::size_t n = loop ? line.size() - 1 : line.size();
    if (n < 2 * kAlong + 1) return;
    const std::vector<PointF> from(line);
    for (std::size_t i = 0; i < n; ++i) {
        if (!loop && ((fixedStart && i < kKeep) || (fixedEnd && i + kKeep >= n))) continue;
        const PointF a = from[loop ? (i + n - kAlong) % n : (i < kAlong ? 0 : i - kAlong)];
        const PointF b = from[loop ? (i + kAlong) % n : std::min(n - 1, i + kAlong)];
        const double l = std::hypot(b.x - a.x, b.y - a.y);
        if (l == 0) continue;
        const double nx = -(b.y - a.y) / l, ny = (b.x - a.x) / l;
        const int x = static_cast<int>(from[i].x), y = static_cast<int>(from[i].y);
        double weight = 0, across = 0;
        for (int dy = -kReach; dy <= kReach; ++dy)
            for (int dx = -kReach; dx <= kReach; ++dx) {
                if (x + dx < 0 || y + dy < 0 || x + dx >= layer.width() || y + dy >= layer.height())
                    continue;
                const double w = colour.weight(layer.pixel(x + dx, y + dy));
                weight += w;
                across += w * (dx * nx + dy * ny);
            }
        if (weight == 0) continue; // a bridge across a gap
        const double shift = std::clamp(across / weight, -1.0, 1.0);
        line[i] = {from[i].x + shift * nx, from[i].y + shift * ny};
    }
    if (loop) line.back() = line.front();
}

bool before(PixelPoint a, PixelPoint b) {
    return a.y != b.y ? a.y < b.y : a.x < b.x;
}

std::vector<VectorLine> linesOf(const Mask& mask, const Graph& graph,
                                const VectorizeSettings& settings, const picture::Layer& layer,
                                const LineColour& colour) {
    const auto isJunction = [&](int node) {
        return node >= 0 && graph.nodes[static_cast<std::size_t>(node)].degree >= 3;
    };
    // The skeleton of a round end reaches its edge, half a width beyond the line's end: a
    // pixel is taken back, unless the line goes on beyond the box.
    const auto overshoots = [&](int node) {
        if (node < 0 || graph.nodes[static_cast<std::size_t>(node)].degree != 1) return false;
        const PixelPoint p = mask.point(graph.nodes[static_cast<std::size_t>(node)].cell);
        return p.x > mask.x0 && p.y > mask.y0 && p.x < mask.x0 + mask.width - 3 &&
               p.y < mask.y0 + mask.height - 3;
    };
    std::vector<skeleton::Centreline> centrelines;
    for (const skeleton::Edge& e : graph.edges) {
        // A link of a network between two junctions stays, however short: the network
        // would come apart without it.
        const bool link = e.from != e.to && isJunction(e.from) && isJunction(e.to);
        if (e.cells.size() < 2 || (!link && skeleton::lengthOf(mask, e.cells) < settings.minLength))
            continue;
        skeleton::Centreline line{{}, e.from, e.to};
        const std::size_t first = overshoots(e.from) ? 1 : 0;
        const std::size_t end = e.cells.size() - (overshoots(e.to) ? 1 : 0);
        for (std::size_t k = first; k < end; ++k) {
            const PixelPoint p = mask.point(e.cells[k]);
            line.points.push_back({double(p.x), double(p.y)});
        }
        centre(line.points, e.from < 0, e.from >= 0 && !overshoots(e.from),
               e.to >= 0 && !overshoots(e.to), layer, colour);
        centrelines.push_back(std::move(line));
    }
    skeleton::placeJunctions(mask, graph, centrelines);
    std::vector<VectorLine> lines;
    for (const skeleton::Centreline& c : centrelines) {
        VectorLine line{simplify(smoothed(c.points, c.from < 0), settings.simplify)};
        if (!line.closed() && before(line.points.back(), line.points.front()))
            std::reverse(line.points.begin(), line.points.end());
        lines.push_back(std::move(line));
    }
    std::stable_sort(lines.begin(), lines.end(), [](const VectorLine& a, const VectorLine& b) {
        return before(a.points.front(), b.points.front());
    });
    return lines;
}

// The skeleton's lines: spurs pruned, gaps bridged, junctions made one, lines cut, centred and
// simplified.
std::vector<VectorLine> traced(Mask& mask, const VectorizeSettings& settings,
                               const picture::Layer& layer, const LineColour& colour) {
    Graph graph = prunedGraph(mask, std::min(kForkLength, settings.minLength));
    // Ink is what stands out from the paper as much as the line's own colour may stray.
    std::vector<bool> ink(32768);
    const Lab paper = labOf(colour.background());
    for (std::size_t p = 0; p < ink.size(); ++p)
        ink[p] = distance(labTable()[p], paper) > settings.tolerance &&
                 colour.weight(static_cast<picture::Pixel>(p)) == 0;
    // Beneath a label the way also crosses the paper inside its letters, a pixel from ink.
    const skeleton::Covered covered = [&](int x, int y) {
        for (int v = std::max(0, y - 1); v <= std::min(layer.height() - 1, y + 1); ++v)
            for (int u = std::max(0, x - 1); u <= std::min(layer.width() - 1, x + 1); ++u)
                if (ink[layer.pixel(u, v) & 0x7FFF]) return true;
        return false;
    };
    for (int round = 0;
         round < kBridgeRounds && skeleton::bridgeGaps(mask, graph, settings.gap, covered);
         ++round) {
        // A bridge laid beside the skeleton closes small holes: filled and thinned again.
        skeleton::fillSpecks(mask);
        skeleton::thin(mask);
        skeleton::dropCorners(mask);
        graph = prunedGraph(mask, std::min(kForkLength, settings.minLength));
    }
    graph = prunedGraph(mask, settings.minLength);
    skeleton::mergeJunctions(mask, graph);
    return linesOf(mask, graph, settings, layer, colour);
}

// The lines of the skeleton done above the row `end` that lie whole below `shownTo`, which
// then moves down to where the next band may still change them. They are traced on a copy of
// the rows from half a band above `shownTo` to `end`, so that a preview costs the work on less
// than twice the rows: a line running farther up waits for the end.
std::vector<VectorLine> preview(const Mask& skeleton, const VectorizeSettings& settings,
                                const picture::Layer& layer, const LineColour& colour, int& shownTo,
                                int end) {
    // Rows near a band's edge where the lines may still change: gaps bridged and spurs pruned
    // reach this far.
    const int margin = 2 * (settings.gap + 1) + static_cast<int>(settings.minLength) + 8;
    const int from = std::max(skeleton.y0, shownTo - std::max(settings.bandRows / 2, 2 * margin));
    const int last = end - 1 - margin; // the last row a line shown may reach
    if (last < shownTo) return {};
    Mask window;
    window.frame(skeleton.x0, from, skeleton.x0 + skeleton.width - 3, end - 1);
    std::copy_n(skeleton.row(from - skeleton.y0 + 1),
                static_cast<std::size_t>(end - from) * skeleton.rowWords(), window.row(1));
    std::vector<VectorLine> lines;
    for (VectorLine& line : traced(window, settings, layer, colour)) {
        const auto [low, high] =
            std::minmax_element(line.points.begin(), line.points.end(),
                                [](PixelPoint a, PixelPoint b) { return a.y < b.y; });
        if (high->y <= last && high->y >= shownTo &&
            (from == skeleton.y0 || low->y >= from + margin))
            lines.push_back(std::move(line));
    }
    shownTo = last + 1;
    return lines;
}

} // namespace

std::string message(VectorizeResult result) {
    switch (result) {
    case VectorizeResult::Done:
        return {};
    case VectorizeResult::NoColour:
        return platform::translate("Vectorize", "Aucun pixel de la couleur choisie");
    case VectorizeResult::NoContrast:
        return platform::translate("Vectorize", "La couleur choisie ne se distingue pas du fond");
    case VectorizeResult::Cancelled:
        return platform::translate("Vectorize", "Vectorisation interrompue");
    }
    return {};
}

Vectorized vectorize(const picture::Layer& layer, const VectorizeSettings& settings,
                     const VectorizeProgress& progress, const LinesFound& found) {
    Vectorized out;
    const Box box = settings.box.value_or(Box{0, 0, layer.width() - 1, layer.height() - 1});
    const LineColour colour(
        settings.colour,
        backgroundOf(layer, std::min(box.x0, box.x1), std::min(box.y0, box.y1),
                     std::max(box.x0, box.x1) + 1, std::max(box.y0, box.y1) + 1),
        settings.tolerance, LineColour::UnderInk::Left, LineColour::FadedHue::Counted);
    if (!colour.valid()) {
        out.result = VectorizeResult::NoContrast;
        return out;
    }
    Mask mask;
    const int top = std::max(0, std::min(box.y0, box.y1));
    const int rows = std::min(layer.height() - 1, std::max(box.y0, box.y1)) - top + 1;
    int shownTo = top; // the lines above this row have been shown, when whole there
    const bool done =
        skeleton::skeletonOf(mask, layer, box, colour, settings.bandRows, [&](int end) {
            if (found && end < top + rows)
                found(preview(mask, settings, layer, colour, shownTo, end));
            return !progress || progress(0.8 * (end - top) / rows);
        });
    if (!done) {
        out.result = VectorizeResult::Cancelled;
        return out;
    }
    if (mask.cells.empty()) return out;
    out.lines = traced(mask, settings, layer, colour);
    out.result = !progress || progress(1) ? VectorizeResult::Done : VectorizeResult::Cancelled;
    if (out.result == VectorizeResult::Cancelled) out.lines.clear();
    return out;
}

} // namespace tracelle::trace
