// The passes of the raster area and of the threshold: rows top to bottom, pixels left to
// right, each pass writing into the layer as its scan goes. They read the layer through the
// memory of its tiles, one tile's columns at a time.
#include "measure/PixelScan.h"
#include "measure/RasterSurface.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tracelle::measure {

using picture::Layer;
using picture::Pixel;

namespace {

// Rows y − 1, y and y + 1 over the columns of one tile, within the bounds: pointers into the
// layer's memory, taken again after each write, since a write into a tile shared with the
// picture moves the tile into a copy of its own.
class Segment {
public:
    Segment(Layer& layer, const Bounds& b) : layer_(layer), b_(b) {}

    // The tile columns from x, on row y; the rows beyond the bounds are not read.
    void at(int x, int y) {
        x_ = x;
        y_ = y;
        int before = 0, after = 0;
        for (int dy = -1; dy <= 1; ++dy) {
            if (y + dy < b_.y0 || y + dy > b_.y1) continue;
            const auto i = static_cast<std::size_t>(dy + 1);
            rows_[i] = layer_.run(x, y + dy, before, after, scratch_[i]);
        }
        end_ = std::min(x + after + 1, b_.x1 + 1);
    }
    int begin() const { return x_; }
    int end() const { return end_; }

    // Pixel (x, y + dy), from the tile's memory or, past its columns, from the layer.
    const Pixel* row(int dy) const { return rows_[static_cast<std::size_t>(dy + 1)] - x_; }
    Pixel get(int x, int dy) const {
        return x >= x_ && x < end_ ? row(dy)[x] : layer_.pixel(x, y_ + dy);
    }
    void set(int x, int dy, Pixel value) {
        layer_.setPixel(x, y_ + dy, value);
        at(x_, y_);
    }

private:
    Layer& layer_;
    Bounds b_;
    int x_ = 0, y_ = 0, end_ = 0;
    std::array<const Pixel*, 3> rows_{};
    std::array<Layer::Scratch, 3> scratch_;
};

bool empty(const Bounds& b) {
    return b.x1 < b.x0 || b.y1 < b.y0;
}

// Calls each(segment) for the tile segments of row y from column x0 to x1.
template <class F> void segments(Segment& s, int y, int x0, int x1, F&& each) {
    for (int x = x0; x <= x1; x = s.end()) {
        s.at(x, y);
        each();
    }
}

// The progress bar's position after row y of the pass that starts at `start`.
void tell(const Progress& progress, int y, int last, int start) {
    if (progress && (y % 10 == 0 || y == last)) progress(start + y / 3);
}

} // namespace

RasterCounts rasterArea(Layer& layer, const Bounds& b, Rgb fill, const Progress& progress) {
    RasterCounts counts;
    if (empty(b)) return counts;
    const Pixel f = toPixel(fill);
    const Pixel contour = toPixel(kContour);
    const auto open = [f, contour](auto p) { return (p != f) & (p != contour); };
    Segment s(layer, b);
    // The neighbours of pixels a to e − 1 in row y + dy that are neither fill nor contour.
    const auto outline = [&](int a, int e, int dy) {
        for (int x = a; (x += firstWhere(s.row(dy) + x, e - x, open)) < e; ++x)
            s.set(x, dy, contour);
    };
    // Pass 1, a run of fill pixels at a time: what its pixels paint in turn, above, below, left
    // and right, is their row above and below and the two pixels beside the run.
    for (int y = b.y0; y <= b.y1; ++y) {
        segments(s, y, b.x0, b.x1, [&] {
            for (int x = s.begin(); x < s.end();) {
                x += firstWhere(s.row(0) + x, s.end() - x, [f](auto p) { return p == f; });
                if (x == s.end()) break;
                const int e =
                    x + firstWhere(s.row(0) + x, s.end() - x, [f](auto p) { return p != f; });
                counts.count += e - x;
                if (!counts.zone) counts.zone = Bounds{x, y, e - 1, y};
                Bounds& zone = *counts.zone;
                zone.x0 = std::min(zone.x0, x);
                zone.x1 = std::max(zone.x1, e - 1);
                zone.y1 = y;
                if (y - 1 > b.y0) outline(x, e, -1);
                if (y + 1 < b.y1) outline(x, e, 1);
                if (x - 1 > b.x0 && open(s.get(x - 1, 0))) s.set(x - 1, 0, contour);
                if (e < b.x1 && open(s.get(e, 0))) s.set(e, 0, contour);
                x = e;
            }
        });
        tell(progress, y, b.y1, 0);
    }
    // Pass 3.
    for (int y = b.y0 + 1; y < b.y1; ++y) {
        segments(s, y, b.x0 + 1, b.x1 - 1, [&] {
            const int end = std::min(s.end(), b.x1);
            for (int x = s.begin();
                 (x += firstWhere(s.row(0) + x, end - x,
                                  [contour](auto p) { return p == contour; })) < end;
                 ++x) {
                if (s.get(x - 1, 0) == contour)
                    ++counts.s;
                else if (s.get(x - 1, -1) == contour)
                    ++counts.d;
                else if (s.row(-1)[x] == contour)
                    ++counts.s;
                else if (s.get(x + 1, -1) == contour)
                    ++counts.d;
                else if (s.get(x + 1, 0) == contour)
                    ++counts.s;
            }
        });
        tell(progress, y, b.y1 - 1, 2 * b.y1 / 3);
    }
    return counts;
}

void threshold(Layer& layer, const Bounds& b, std::int64_t t, Rgb border,
               const Progress& progress) {
    if (empty(b)) return;
    const Pixel white = toPixel(kWhite);
    // Every 15-bit colour's grey level compared once.
    std::vector<Pixel> level(1 << 15);
    for (std::size_t p = 0; p < level.size(); ++p) {
        const auto v = static_cast<Pixel>(p);
        const int g = (picture::red8(v) + picture::green8(v) + picture::blue8(v)) / 3;
        level[p] = std::int64_t{g} * 65793 > t ? white : toPixel(kBlack);
    }
    for (int y = b.y0; y <= b.y1; ++y) {
        for (int x = b.x0; x <= b.x1;) {
            int before = 0, after = 0;
            Pixel* p = layer.writableRun(x, y, before, after);
            const int n = std::min(after, b.x1 - x) + 1;
            for (int i = 0; i < n; ++i)
                p[i] = level[p[i] & 0x7FFF];
            x += n;
        }
        tell(progress, y, b.y1, 0);
    }
    // Pass 2.
    const Pixel edge = toPixel(border);
    Segment s(layer, b);
    for (int y = b.y0 + 1; y < b.y1; ++y) {
        segments(s, y, b.x0 + 1, b.x1 - 1, [&] {
            const int end = std::min(s.end(), b.x1);
            for (int x = s.begin(); (x += firstWhere(s.row(0) + x, end - x,
                                                     [edge](auto p) { return p == edge; })) < end;
                 ++x) {
                const Pixel n = s.get(x - 1, -1);
                bool alike = n != edge;
                for (int dy = -1; dy <= 1 && alike; ++dy)
                    for (int dx = -1; dx <= 1 && alike; ++dx)
                        alike = (dx == 0 && dy == 0) || s.get(x + dx, dy) == n;
                if (alike) s.set(x, 0, white);
            }
        });
        tell(progress, y, b.y1 - 1, b.y1 / 3);
    }
}

} // namespace tracelle::measure
