// The steps of the vectorisation, on a mask of the line's pixels: two bits a pixel with a border
// of empty pixels all round, so that a pixel's eight neighbours are always there.
#pragma once

#include "trace/Vectorize.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace tracelle::trace::skeleton {

inline constexpr std::uint8_t kOn = 1;      // a pixel of the line
inline constexpr std::uint8_t kVisited = 2; // walked while cutting the skeleton into lines

// Two bits a cell, 32 cells a word: a 100-megapixel sheet's mask takes an eighth of its picture.
class Cells {
public:
    static constexpr std::size_t kPerWord = 32;
    static constexpr std::uint64_t kOnBits = 0x5555555555555555; // the kOn bit of every cell

    class Ref {
    public:
        Ref(std::uint64_t& word, unsigned shift) : word_(word), shift_(shift) {}
        operator std::uint8_t() const { return static_cast<std::uint8_t>((word_ >> shift_) & 3); }
        Ref& operator=(std::uint8_t v) {
            word_ = (word_ & ~(std::uint64_t{3} << shift_)) | std::uint64_t{v & 3u} << shift_;
            return *this;
        }
        Ref& operator|=(std::uint8_t v) {
            word_ |= std::uint64_t{v & 3u} << shift_;
            return *this;
        }
        Ref& operator&=(std::uint8_t v) {
            word_ &= ~(std::uint64_t{~v & 3u} << shift_);
            return *this;
        }

    private:
        std::uint64_t& word_;
        unsigned shift_;
    };

    // n cells, all empty.
    void reset(std::size_t n) {
        words_.assign((n + kPerWord - 1) / kPerWord, 0);
        size_ = n;
    }
    void clear() {
        words_ = {};
        size_ = 0;
    }
    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }
    std::uint8_t operator[](std::size_t i) const {
        return static_cast<std::uint8_t>((words_[i / kPerWord] >> shift(i)) & 3);
    }
    Ref operator[](std::size_t i) { return {words_[i / kPerWord], shift(i)}; }
    std::uint64_t* words() { return words_.data(); }
    const std::uint64_t* words() const { return words_.data(); }

private:
    static unsigned shift(std::size_t i) { return static_cast<unsigned>(i % kPerWord) * 2; }

    std::vector<std::uint64_t> words_;
    std::size_t size_ = 0;
};

struct Mask {
    int x0 = 0; // picture pixel of the first pixel inside the border
    int y0 = 0;
    int width = 0; // with the border
    int height = 0;
    // Cells a row: the width rounded up to whole words, so that no two rows share a word and
    // threads at work on different rows never write the same one.
    std::size_t stride = 0;
    Cells cells;

    // Every cell empty, for the picture pixels [x0, x1] × [y0, y1].
    void frame(int left, int top, int right, int bottom) {
        x0 = left;
        y0 = top;
        width = right - left + 3;
        height = bottom - top + 3;
        stride = (static_cast<std::size_t>(width) + Cells::kPerWord - 1) / Cells::kPerWord *
                 Cells::kPerWord;
        cells.reset(stride * static_cast<std::size_t>(height));
    }
    std::size_t at(int x, int y) const {
        return static_cast<std::size_t>(y - y0 + 1) * stride + static_cast<std::size_t>(x - x0 + 1);
    }
    PixelPoint point(std::size_t i) const {
        return {static_cast<int>(i % stride) - 1 + x0, static_cast<int>(i / stride) - 1 + y0};
    }
    // The eight neighbours as bits: east first, then counter-clockwise (NE, N, NW, W, SW, S, SE).
    unsigned neighbours(std::size_t i) const {
        const std::size_t k = i % Cells::kPerWord;
        if (k == 0 || k == Cells::kPerWord - 1) {
            const std::size_t s = stride;
            const auto on = [this](std::size_t c) { return static_cast<unsigned>(cells[c] & kOn); };
            return on(i + 1) | on(i + 1 - s) << 1 | on(i - s) << 2 | on(i - 1 - s) << 3 |
                   on(i - 1) << 4 | on(i + s - 1) << 5 | on(i + s) << 6 | on(i + s + 1) << 7;
        }
        // Rows begin on a word: the three cells above and below sit as those of the row do,
        // a word of the row away. Each as west, centre, east in bits 0 to 2.
        const std::uint64_t* w = cells.words() + i / Cells::kPerWord;
        const auto three = [shift = (k - 1) * 2](std::uint64_t word) {
            const std::uint64_t b = word >> shift;
            return static_cast<unsigned>((b & 1) | (b >> 1 & 2) | (b >> 2 & 4));
        };
        const unsigned up = three(w[-static_cast<std::ptrdiff_t>(rowWords())]), mid = three(*w),
                       down = three(w[rowWords()]);
        return (mid >> 2) | (up >> 2) << 1 | (up >> 1 & 1) << 2 | (up & 1) << 3 | (mid & 1) << 4 |
               (down & 1) << 5 | (down >> 1 & 1) << 6 | (down >> 2) << 7;
    }
    // The offset of neighbour k (bit k of `neighbours`).
    std::ptrdiff_t step(int k) const {
        const auto s = static_cast<std::ptrdiff_t>(stride);
        const std::ptrdiff_t steps[8] = {1, 1 - s, -s, -1 - s, -1, s - 1, s, s + 1};
        return steps[k];
    }
    // The words of a row: rows begin on a word.
    std::uint64_t* row(int r) {
        return cells.words() + static_cast<std::size_t>(r) * stride / Cells::kPerWord;
    }
    const std::uint64_t* row(int r) const {
        return cells.words() + static_cast<std::size_t>(r) * stride / Cells::kPerWord;
    }
    std::size_t rowWords() const { return stride / Cells::kPerWord; }
};

// Calls part(band, firstRow, endRow) for the rows inside the border, in two bands on both
// cores when the mask is large enough to gain from it (band 0 alone otherwise).
void inBands(const Mask& mask, const std::function<void(int, int, int)>& part);

// Calls each(cell) for the pixels of the line in rows [first, end), passing over empty runs a
// word at a time. A cell that `each` clears or fills further along the same word is seen as it
// was.
template <class F> void eachOn(const Mask& mask, int first, int end, F&& each) {
    for (int row = first; row < end; ++row) {
        const std::uint64_t* words = mask.row(row);
        const std::size_t base = static_cast<std::size_t>(row) * mask.stride;
        for (std::size_t k = 0; k < mask.rowWords(); ++k)
            for (std::uint64_t on = words[k] & Cells::kOnBits; on != 0; on &= on - 1)
                each(base + k * Cells::kPerWord +
                     static_cast<std::size_t>(std::countr_zero(on)) / 2);
    }
}

// The pixels of the colour within the box; empty cells when there is none.
Mask maskOf(const picture::Layer& layer, const Box& box, const LineColour& colour);

// Holes of a few pixels filled (JPEG blocks inside a wide line), so that thinning does not
// make small loops of them.
void fillSpecks(Mask& mask);
// Rounds of thinning at most: lines up to about twice as wide come down to one pixel, wider
// patches are no lines. A pass reads a pixel's neighbours only, so that a pixel's fate hangs
// on the pixels at most two rows a round away: a band of rows thins as within the whole box
// once that many rows more are around it.
inline constexpr int kThinningRounds = 20;
// Thinned in place to a skeleton one pixel wide, connected as the pixels were.
void thin(Mask& mask);
// Skeleton pixels whose removal leaves the rest connected as it was and ends no line (the
// inner corners of staircases) removed, so that a pixel of a line has two neighbours. Rows
// [first, end) in order, each pixel judged with the pixels before it already done.
void dropCorners(Mask& mask, int first, int end);
void dropCorners(Mask& mask);
// The skeleton of the colour's pixels in the box (thinned, corners dropped), made a band of
// `bandRows` rows at a time: the same pixels as from the whole box at once. `bandDone(end)`
// is told when the skeleton above the picture row `end` is done; its false stops the work, and
// then false is returned. Empty cells when no pixel has the colour.
bool skeletonOf(Mask& skeleton, const picture::Layer& layer, const Box& box,
                const LineColour& colour, int bandRows, const std::function<bool(int)>& bandDone);

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
// Each free end continued on as its line heads across a gap of up to `gap` pixels (farther
// beneath covered pixels) to the nearest skeleton pixel ahead of it; true when any gap was
// bridged.
bool bridgeGaps(Mask& mask, const Graph& graph, int gap, const Covered& covered);

} // namespace tracelle::trace::skeleton
