// Junctions made one: where lines of some width cross or fork, thinning leaves two or three
// junctions a few pixels apart joined by stubs; they become one point that every line ends on.
#include "trace/Skeleton.h"

#include <cmath>
#include <numeric>
#include <optional>

namespace tracelle::trace::skeleton {

namespace {

// Junctions joined by a stub no longer than this are one (pixels).
constexpr double kJunctionSpread = 4;

int rootOf(std::vector<int>& parent, int node) {
    while (parent[static_cast<std::size_t>(node)] != node)
        node = parent[static_cast<std::size_t>(node)] =
            parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(node)])];
    return node;
}

} // namespace

void mergeJunctions(const Mask& mask, Graph& graph) {
    const auto isJunction = [&](int node) {
        return node >= 0 && graph.nodes[static_cast<std::size_t>(node)].degree >= 3;
    };
    const auto isStub = [&](const Edge& e) {
        return e.from != e.to && isJunction(e.from) && isJunction(e.to) &&
               lengthOf(mask, e.cells) <= kJunctionSpread;
    };
    std::vector<int> parent(graph.nodes.size());
    std::iota(parent.begin(), parent.end(), 0);
    std::vector<std::vector<std::size_t>> around(graph.nodes.size());
    for (std::size_t n = 0; n < graph.nodes.size(); ++n)
        around[n].push_back(graph.nodes[n].cell);
    bool any = false;
    for (const Edge& e : graph.edges)
        if (isStub(e)) {
            const int a = rootOf(parent, e.from), b = rootOf(parent, e.to);
            if (a == b) continue;
            parent[static_cast<std::size_t>(b)] = a;
            auto& cells = around[static_cast<std::size_t>(a)];
            cells.insert(cells.end(), e.cells.begin(), e.cells.end());
            cells.insert(cells.end(), around[static_cast<std::size_t>(b)].begin(),
                         around[static_cast<std::size_t>(b)].end());
            any = true;
        }
    if (!any) return;
    // Each merged junction at its pixel nearest the middle of what it joins.
    for (std::size_t n = 0; n < graph.nodes.size(); ++n) {
        if (parent[n] != static_cast<int>(n) || around[n].size() == 1) continue;
        double cx = 0, cy = 0;
        for (const std::size_t c : around[n]) {
            cx += mask.point(c).x;
            cy += mask.point(c).y;
        }
        cx /= static_cast<double>(around[n].size());
        cy /= static_cast<double>(around[n].size());
        double best = 1e300;
        for (const std::size_t c : around[n]) {
            const double d = std::hypot(mask.point(c).x - cx, mask.point(c).y - cy);
            if (d < best) {
                best = d;
                graph.nodes[n].cell = c;
            }
        }
    }
    std::vector<Edge> kept;
    for (Edge& e : graph.edges) {
        if (isStub(e) && rootOf(parent, e.from) == rootOf(parent, e.to)) continue;
        for (int* node : {&e.from, &e.to})
            if (*node >= 0) *node = rootOf(parent, *node);
        if (e.from >= 0) e.cells.front() = graph.nodes[static_cast<std::size_t>(e.from)].cell;
        if (e.to >= 0) e.cells.back() = graph.nodes[static_cast<std::size_t>(e.to)].cell;
        kept.push_back(std::move(e));
    }
    graph.edges = std::move(kept);
    for (Node& node : graph.nodes)
        node.degree = 0;
    for (const Edge& e : graph.edges) {
        if (e.from >= 0) ++graph.nodes[static_cast<std::size_t>(e.from)].degree;
        if (e.to >= 0) ++graph.nodes[static_cast<std::size_t>(e.to)].degree;
    }
}

void placeJunctions(const Mask& mask, const Graph& graph, std::vector<Centreline>& lines) {
    // The branches' directions from this far from the junction, where thinning has bent
    // them, to this far (points along them).
    constexpr std::size_t kNear = 3, kFar = 12;
    // Farther than this from the skeleton's junction, the branches' meeting point is not
    // trusted (branches nearly parallel, curving).
    constexpr double kLargestShift = 3;
    struct Sums {
        double xx = 0, xy = 0, yy = 0, bx = 0, by = 0;
        int branches = 0;
    };
    const auto isJunction = [&](int node) {
        return node >= 0 && graph.nodes[static_cast<std::size_t>(node)].degree >= 3;
    };
    std::vector<Sums> sums(graph.nodes.size());
    for (const Centreline& line : lines) {
        if (line.points.size() <= kFar || line.from == line.to) continue;
        for (const bool atStart : {true, false}) {
            const int node = atStart ? line.from : line.to;
            if (!isJunction(node)) continue;
            const auto at = [&](std::size_t k) {
                return line.points[atStart ? k : line.points.size() - 1 - k];
            };
            const PointF a = at(kNear), b = at(kFar);
            const double dx = b.x - a.x, dy = b.y - a.y, l = std::hypot(dx, dy);
            if (l == 0) continue;
            // The branch as the line through a, normal (nx, ny): the meeting point p
            // minimises the sum of (n · (p − a))².
            const double nx = -dy / l, ny = dx / l, c = nx * a.x + ny * a.y;
            Sums& s = sums[static_cast<std::size_t>(node)];
            s.xx += nx * nx;
            s.xy += nx * ny;
            s.yy += ny * ny;
            s.bx += nx * c;
            s.by += ny * c;
            ++s.branches;
        }
    }
    std::vector<std::optional<PointF>> placed(graph.nodes.size());
    for (std::size_t n = 0; n < graph.nodes.size(); ++n) {
        const Sums& s = sums[n];
        const double det = s.xx * s.yy - s.xy * s.xy;
        if (s.branches < 3 || det < 0.1 * s.branches) continue;
        const double x = std::round((s.bx * s.yy - s.by * s.xy) / det),
                     y = std::round((s.by * s.xx - s.bx * s.xy) / det);
        const PixelPoint now = mask.point(graph.nodes[n].cell);
        const bool inside = x >= mask.x0 && y >= mask.y0 && x <= mask.x0 + mask.width - 3 &&
                            y <= mask.y0 + mask.height - 3;
        if (inside && std::hypot(x - now.x, y - now.y) <= kLargestShift) placed[n] = PointF{x, y};
    }
    for (Centreline& line : lines) {
        if (line.from >= 0 && placed[static_cast<std::size_t>(line.from)])
            line.points.front() = *placed[static_cast<std::size_t>(line.from)];
        if (line.to >= 0 && placed[static_cast<std::size_t>(line.to)])
            line.points.back() = *placed[static_cast<std::size_t>(line.to)];
    }
}

} // namespace tracelle::trace::skeleton
