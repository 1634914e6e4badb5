// The fill click: a scanline fill with an explicit stack of row intervals, reading and writing
// the layer a tile run at a time.
#include "measure/PixelScan.h"
#include "measure/RasterSurface.h"

#include <algorithm>
#include <vector>

namespace tracelle::measure {

using picture::Layer;
using picture::Pixel;

namespace {

// Bit 15 of a layer pixel, unused by RGB555: the bordered fill marks the pixels it painted
// with it, since the paint colour itself may be one it must still cross. Cleared before the
// fill returns.
constexpr Pixel kVisited = 0x8000;

// The pixels of exactly the clicked colour; painted ones differ from it, so none is met twice.
struct SameColour {
    Pixel target;
    template <class P> auto inside(P p) const { return p == target; }
    template <class P> auto outside(P p) const { return p != target; }
};

// Every pixel but the border colour, and not yet painted.
struct UpToBorder {
    Pixel border;
    template <class P> auto inside(P p) const { return ((p & kVisited) == 0) & (p != border); }
    template <class P> auto outside(P p) const { return ((p & kVisited) != 0) | (p == border); }
};

template <class Region> class SpanFill {
public:
    SpanFill(Layer& layer, Region region, Pixel paint)
        : layer_(layer), region_(region), paint_(paint),
          extents_(static_cast<std::size_t>(layer.height()), Extent{layer.width(), -1}) {}

    // The number of pixels painted.
    std::int64_t run(int x, int y) {
        if (!insideAt(x, y)) return 0;
        struct Span {
            int x1, x2, y, dy;
        };
        std::vector<Span> stack{{x, x, y, 1}, {x, x, y - 1, -1}};
        while (!stack.empty()) {
            auto [x1, x2, row, dy] = stack.back();
            stack.pop_back();
            if (row < 0 || row >= layer_.height()) continue;
            int from = x1;
            if (insideAt(x1, row)) {
                from = paintLeft(x1, row);
                if (from < x1) stack.push_back({from, x1 - 1, row - dy, -dy});
            }
            while (x1 <= x2) {
                x1 = paintRight(x1, row);
                if (x1 > from) stack.push_back({from, x1 - 1, row + dy, dy});
                if (x1 - 1 > x2) stack.push_back({x2 + 1, x1 - 1, row - dy, -dy});
                x1 = skip(x1 + 1, x2, row);
                from = x1;
            }
        }
        return painted_;
    }

    // The first and last column painted in each row; first > last where none was.
    struct Extent {
        int first, last;
    };
    const std::vector<Extent>& extents() const { return extents_; }

private:
    bool insideAt(int x, int y) const { return region_.inside(layer_.pixel(x, y)); }

    void note(int y, int first, int last) {
        Extent& e = extents_[static_cast<std::size_t>(y)];
        e.first = std::min(e.first, first);
        e.last = std::max(e.last, last);
    }

    // Paints x − 1, x − 2 ... while inside; the first column painted, or x.
    int paintLeft(int x, int y) {
        const int start = x;
        while (x > 0) {
            int before = 0, after = 0;
            if (!insideAt(x - 1, y)) break;
            Pixel* p = layer_.writableRun(x - 1, y, before, after) - before;
            const int first = lastWhere(p, before + 1, outside()) + 1;
            std::fill(p + first, p + before + 1, paint_);
            x -= before + 1 - first;
            if (first > 0) break;
        }
        painted_ += start - x;
        if (x < start) note(y, x, start - 1);
        return x;
    }

    // Paints x, x + 1 ... while inside; the first column not painted.
    int paintRight(int x, int y) {
        const int start = x;
        while (x < layer_.width()) {
            int before = 0, after = 0;
            if (!insideAt(x, y)) break;
            Pixel* p = layer_.writableRun(x, y, before, after);
            const int n = firstWhere(p, after + 1, outside());
            std::fill(p, p + n, paint_);
            x += n;
            if (n <= after) break;
        }
        painted_ += x - start;
        if (x > start) note(y, start, x - 1);
        return x;
    }

    // The first column from x to last that is inside, or last + 1.
    int skip(int x, int last, int y) const {
        Layer::Scratch scratch;
        while (x <= last) {
            int before = 0, after = 0;
            const Pixel* p = layer_.run(x, y, before, after, scratch);
            const int n = std::min(after, last - x) + 1;
            const int hit = firstWhere(p, n, [this](auto v) { return region_.inside(v); });
            if (hit < n) return x + hit;
            x += n;
        }
        return x;
    }

    auto outside() const {
        return [this](auto v) { return region_.outside(v); };
    }

    Layer& layer_;
    Region region_;
    Pixel paint_;
    std::vector<Extent> extents_;
    std::int64_t painted_ = 0;
};

void clearMarks(Layer& layer, int y, int first, int last) {
    Layer::Scratch scratch;
    for (int x = first; x <= last;) {
        int before = 0, after = 0;
        const Pixel* p = layer.run(x, y, before, after, scratch);
        const int n = std::min(after, last - x) + 1;
        // Tiles of the row that the fill went round are left shared with the picture.
        const int marked = firstWhere(p, n, [](auto v) { return (v & kVisited) != 0; });
        if (marked < n) {
            Pixel* w = layer.writableRun(x, y, before, after);
            for (int i = marked; i < n; ++i)
                w[i] &= static_cast<Pixel>(~kVisited);
        }
        x += n;
    }
}

} // namespace

std::int64_t fillClick(Layer& layer, int x, int y, FillMode mode, Rgb border, Rgb fill) {
    if (x < 0 || y < 0 || x >= layer.width() || y >= layer.height()) return 0;
    const Pixel clicked = layer.pixel(x, y);
    const Pixel paint = clicked == toPixel(fill) ? toPixel(kWhite) : toPixel(fill);
    if (mode == FillMode::Surface) {
        if (clicked == paint) return 0; // the region has the paint's colour already
        return SpanFill(layer, SameColour{clicked}, paint).run(x, y);
    }
    SpanFill bordered(layer, UpToBorder{toPixel(border)}, static_cast<Pixel>(paint | kVisited));
    const std::int64_t painted = bordered.run(x, y);
    for (int row = 0; row < layer.height(); ++row) {
        const auto& e = bordered.extents()[static_cast<std::size_t>(row)];
        if (e.first <= e.last) clearMarks(layer, row, e.first, e.last);
    }
    return painted;
}

} // namespace tracelle::measure
