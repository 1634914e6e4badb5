// Spurs: the short branches that thinning grows from the corners of wide lines, from JPEG
// blocks along their edges, and at their ends.
#include "trace/Skeleton.h"

namespace tracelle::trace::skeleton {

bool pruneSpurs(Mask& mask, const Graph& graph, double minLength) {
    const auto degree = [&](int node) {
        return node < 0 ? 0 : graph.nodes[static_cast<std::size_t>(node)].degree;
    };
    bool pruned = false;
    for (const Edge& e : graph.edges) {
        if (e.from == e.to || e.cells.size() < 2) continue;
        const bool freeFrom = degree(e.from) == 1, freeTo = degree(e.to) == 1;
        if (freeFrom == freeTo || degree(freeFrom ? e.to : e.from) < 3) continue;
        if (lengthOf(mask, e.cells) >= minLength) continue;
        // The junction's own pixel stays: the other lines end on it.
        const std::size_t junction = freeFrom ? e.cells.back() : e.cells.front();
        for (const std::size_t cell : e.cells)
            if (cell != junction) mask.cells[cell] = 0;
        pruned = true;
    }
    return pruned;
}

} // namespace tracelle::trace::skeleton
