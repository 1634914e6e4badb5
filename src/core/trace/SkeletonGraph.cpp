// The skeleton cut into lines: nodes at its ends and junctions, edges along the pixels of two
// neighbours between them. A junction is a cluster of pixels of three neighbours or more; the
// lines that meet there all end on the one pixel amid it, so that they share it exactly.
#include "trace/Skeleton.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <unordered_map>

namespace tracelle::trace::skeleton {

namespace {

int degreeOf(const Mask& mask, std::size_t i) {
    return std::popcount(mask.neighbours(i));
}

// The pixels of the line that are not on a line of two neighbours: ends, junction pixels and
// lone specks.
std::vector<std::size_t> nodeCells(const Mask& mask) {
    std::vector<std::size_t> found;
    eachOn(mask, 1, mask.height - 1, [&](std::size_t i) {
        if (degreeOf(mask, i) != 2) found.push_back(i);
    });
    return found;
}

class Builder {
public:
    explicit Builder(Mask& mask) : mask_(mask) {}

    Graph build() {
        for (const std::size_t cell : nodeCells(mask_))
            if (!nodeOf_.contains(cell)) addNode(cell);
        for (const auto& [cell, node] : members_)
            for (int k = 0; k < 8; ++k)
                if ((mask_.neighbours(cell) >> k) & 1) walkFrom(cell, node, k);
        addLoops();
        for (const Edge& e : graph_.edges)
            for (const std::size_t cell : e.cells)
                mask_.cells[cell] &= static_cast<std::uint8_t>(~kVisited);
        for (const Edge& e : graph_.edges) {
            if (e.from >= 0) ++graph_.nodes[static_cast<std::size_t>(e.from)].degree;
            if (e.to >= 0) ++graph_.nodes[static_cast<std::size_t>(e.to)].degree;
        }
        return std::move(graph_);
    }

private:
    void addNode(std::size_t cell) {
        const int node = static_cast<int>(graph_.nodes.size());
        std::vector<std::size_t> cluster{cell};
        nodeOf_[cell] = node;
        if (degreeOf(mask_, cell) >= 3)
            for (std::size_t k = 0; k < cluster.size(); ++k)
                for (int d = 0; d < 8; ++d) {
                    const std::size_t n = next(cluster[k], d);
                    if ((mask_.cells[n] & kOn) && !nodeOf_.contains(n) && degreeOf(mask_, n) >= 3) {
                        nodeOf_[n] = node;
                        cluster.push_back(n);
                    }
                }
        // The pixel nearest the cluster's centre stands for it.
        double cx = 0, cy = 0;
        for (const std::size_t c : cluster) {
            cx += mask_.point(c).x;
            cy += mask_.point(c).y;
        }
        cx /= static_cast<double>(cluster.size());
        cy /= static_cast<double>(cluster.size());
        const auto centre = std::min_element(cluster.begin(), cluster.end(), [&](auto a, auto b) {
            const PixelPoint p = mask_.point(a), q = mask_.point(b);
            return std::hypot(p.x - cx, p.y - cy) < std::hypot(q.x - cx, q.y - cy);
        });
        graph_.nodes.push_back({*centre, 0});
        for (const std::size_t c : cluster)
            members_.emplace_back(c, node);
    }

    std::size_t next(std::size_t cell, int k) const {
        return static_cast<std::size_t>(static_cast<std::ptrdiff_t>(cell) + mask_.step(k));
    }

    std::size_t centreOf(int node) const {
        return graph_.nodes[static_cast<std::size_t>(node)].cell;
    }

    void walkFrom(std::size_t start, int node, int k) {
        std::size_t cell = next(start, k);
        if (const auto other = nodeOf_.find(cell); other != nodeOf_.end()) {
            // Two nodes side by side: one edge, taken from the lower numbered.
            if (other->second > node)
                graph_.edges.push_back(
                    {{centreOf(node), centreOf(other->second)}, node, other->second});
            return;
        }
        if (mask_.cells[cell] & kVisited) return;
        Edge edge{{centreOf(node)}, node, -1};
        std::size_t previous = start;
        for (;;) {
            mask_.cells[cell] |= kVisited;
            edge.cells.push_back(cell);
            const auto ahead = following(cell, previous);
            if (!ahead) break;
            if (const auto end = nodeOf_.find(*ahead); end != nodeOf_.end()) {
                edge.to = end->second;
                edge.cells.push_back(centreOf(end->second));
                break;
            }
            if (mask_.cells[*ahead] & kVisited) break;
            previous = cell;
            cell = *ahead;
        }
        graph_.edges.push_back(std::move(edge));
    }

    // The neighbour of a pixel of two neighbours that is not the one it was reached from.
    std::optional<std::size_t> following(std::size_t cell, std::size_t previous) const {
        for (int k = 0; k < 8; ++k) {
            const std::size_t n = next(cell, k);
            if (n != previous && (mask_.cells[n] & kOn)) return n;
        }
        return std::nullopt;
    }

    // Closed lines without a junction: what is left unvisited, from its first pixel in the
    // order of rows.
    void addLoops() {
        eachOn(mask_, 1, mask_.height - 1, [&](std::size_t i) {
            if (mask_.cells[i] != kOn || nodeOf_.contains(i)) return;
            Edge loop{{i}, -1, -1};
            mask_.cells[i] |= kVisited;
            std::size_t previous = i, cell = i;
            for (int k = 0; k < 8; ++k)
                if (mask_.cells[next(i, k)] & kOn) {
                    cell = next(i, k);
                    break;
                }
            while (cell != i && !(mask_.cells[cell] & kVisited)) {
                mask_.cells[cell] |= kVisited;
                loop.cells.push_back(cell);
                const auto ahead = following(cell, previous);
                if (!ahead) break;
                previous = cell;
                cell = *ahead;
            }
            if (cell == i) loop.cells.push_back(i);
            graph_.edges.push_back(std::move(loop));
        });
    }

    Mask& mask_;
    Graph graph_;
    std::unordered_map<std::size_t, int> nodeOf_;
    std::vector<std::pair<std::size_t, int>> members_;
};

} // namespace

Graph graphOf(Mask& mask) {
    return Builder(mask).build();
}

double lengthOf(const Mask& mask, const std::vector<std::size_t>& cells) {
    double length = 0;
    for (std::size_t k = 1; k < cells.size(); ++k) {
        const PixelPoint a = mask.point(cells[k - 1]), b = mask.point(cells[k]);
        length += std::hypot(b.x - a.x, b.y - a.y);
    }
    return length;
}

} // namespace tracelle::trace::skeleton
