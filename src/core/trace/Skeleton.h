// The steps of the vectorisation, on a mask of the line's pixels: one byte a pixel with a
// border of empty pixels all round, so that a pixel's eight neighbours are always there.
#pragma once

#include "trace/Vectorize.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

namespace tracelle::trace::skeleton {

inline constexpr std::uint8_t kOn = 1;      // a pixel of the line
inline constexpr std::uint8_t kVisited = 2; // walked while cutting the skeleton into lines

struct Mask {
    int x0 = 0; // picture pixel of the first pixel inside the border
    int y0 = 0;
    int width = 0; // with the border
    int height = 0;
    std::vector<std::uint8_t> cells;

    std::size_t at(int x, int y) const {
        return static_cast<std::size_t>(y - y0 + 1) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x - x0 + 1);
    }
    PixelPoint point(std::size_t i) const {
        const auto w = static_cast<std::size_t>(width);
        return {static_cast<int>(i % w) - 1 + x0, static_cast<int>(i / w) - 1 + y0};
    }
    // The eight neighbours as bits: east first, then counter-clockwise (NE, N, NW, W, SW, S, SE).
    unsigned neighbours(std::size_t i) const {
        const std::uint8_t* c = cells.data() + i;
        const std::ptrdiff_t w = width;
        return (c[1] & kOn) | (c[1 - w] & kOn) << 1 | (c[-w] & kOn) << 2 | (c[-1 - w] & kOn) << 3 |
               (c[-1] & kOn) << 4 | (c[w - 1] & kOn) << 5 | (c[w] & kOn) << 6 |
               (c[w + 1] & kOn) << 7;
    }
    // The offset of neighbour k (bit k of `neighbours`).
    std::ptrdiff_t step(int k) const {
        const std::ptrdiff_t w = width;
        const std::ptrdiff_t steps[8] = {1, 1 - w, -w, -1 - w, -1, w - 1, w, w + 1};
        return steps[k];
    }
};

// Calls part(band, firstRow, endRow) for the rows inside the border, in two bands on both
// cores when the mask is large enough to gain from it (band 0 alone otherwise).
void inBands(const Mask& mask, const std::function<void(int, int, int)>& part);

// Calls each(cell) for the pixels of the line in rows [first, end), passing over empty runs
// eight cells at a time.
template <class F> void eachOn(const Mask& mask, int first, int end, F&& each) {
    const std::uint8_t* cells = mask.cells.data();
    const auto w = static_cast<std::size_t>(mask.width);
    for (auto row = static_cast<std::size_t>(first); row < static_cast<std::size_t>(end); ++row) {
        const std::size_t stop = row * w + w - 1;
        std::size_t i = row * w + 1;
        while (i < stop) {
            if (i + 8 <= stop) {
                std::uint64_t word;
                std::memcpy(&word, cells + i, sizeof word);
                if (word == 0) {
                    i += 8;
                    continue;
                }
            }
            if (cells[i] & kOn) each(i);
            ++i;
        }
    }
}

// The pixels of the colour within the box; empty cells when there is none.
Mask maskOf(const picture::Layer& layer, const Box& box, const LineColour& colour);

// Holes of a few pixels filled (JPEG blocks inside a wide line), so that thinning does not
// make small loops of them.
void fillSpecks(Mask& mask);
// Thinned in place to a skeleton one pixel wide, connected as the pixels were; false when
// `progress` stopped it.
bool thin(Mask& mask, const VectorizeProgress& progress);
// Skeleton pixels whose removal leaves the rest connected as it was and ends no line (the
// inner corners of staircases) removed, so that a pixel of a line has two neighbours.
void dropCorners(Mask& mask);

struct Edge {
    std::vector<std::size_t> cells; // from one node to the other, both included
    int from = -1;                  // node numbers; -1 for a loop without node
    int to = -1;
};
struct Node {
    std::size_t cell; // the node's point: the end, or the pixel amid a junction
    int degree = 0;   // the edges that meet there
};
struct Graph {
    std::vector<Node> nodes;
    std::vector<Edge> edges;
};

// The skeleton cut into edges at its ends and junctions (clusters of pixels with three
// neighbours or more, each of one point), and its loops without junction; the visited marks
// are cleared afterwards.
Graph graphOf(Mask& mask);
double lengthOf(const Mask& mask, const std::vector<std::size_t>& cells);

// Junctions a few pixels apart, joined by a stub, made one at a pixel amid them; the lines
// that ended on them end there.
void mergeJunctions(const Mask& mask, Graph& graph);
// An edge of the skeleton as points of the picture.
struct Centreline {
    std::vector<PointF> points;
    int from = -1; // the edge's nodes
    int to = -1;
};
// Each junction moved to where its branches, followed straight on, meet (near the junction
// thinning bends them towards the widest side); the lines ending there end on that pixel.
void placeJunctions(const Mask& mask, const Graph& graph, std::vector<Centreline>& lines);

// Branches from a junction to a free end shorter than `minLength` removed from the mask;
// true when any was.
bool pruneSpurs(Mask& mask, const Graph& graph, double minLength);
// Whether a pixel holds ink of another colour than the paper's and the line's.
using Covered = std::function<bool(int x, int y)>;
// Each free end continued straight on across a gap of up to `gap` pixels (farther beneath
// covered pixels) to the nearest skeleton pixel ahead of it; true when any gap was bridged.
bool bridgeGaps(Mask& mask, const Graph& graph, int gap, const Covered& covered);

} // namespace tracelle::trace::skeleton
