// The passes of the raster area and of the threshold. Each scans rows top to bottom and pixels
// left to right, reading a copy of the rows around the one it visits, kept in step with what
// it writes: the copy is read at the speed of memory whatever tile a pixel lies in, and what a
// pass paints ahead of its scan is seen when the scan gets there.
#include "measure/RasterSurface.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tracelle::measure {

using picture::Layer;
using picture::Pixel;

namespace {

// Rows y − 1, y and y + 1 of the bounds' columns, as the layer holds them.
class RowWindow {
public:
    RowWindow(Layer& layer, const Bounds& b) : layer_(layer), b_(b) {
        for (auto& row : rows_)
            row.resize(static_cast<std::size_t>(b.x1 - b.x0 + 1));
    }

    // Moves to row y; the rows outside the bounds are not read. From one row to the next,
    // each row is read once.
    void moveTo(int y) {
        if (y == y_ + 1) {
            std::rotate(rows_.begin(), rows_.begin() + 1, rows_.end());
        } else {
            if (y > b_.y0) load(rows_[0], y - 1);
            load(rows_[1], y);
        }
        if (y < b_.y1) load(rows_[2], y + 1);
        y_ = y;
    }

    // Pixel (x, y + dy), dy from −1 to 1, for x within the bounds.
    Pixel at(int x, int dy) const { return row(dy)[x - b_.x0]; }
    const Pixel* row(int dy) const { return rows_[static_cast<std::size_t>(dy + 1)].data(); }
    void set(int x, int dy, Pixel value) {
        rows_[static_cast<std::size_t>(dy + 1)][static_cast<std::size_t>(x - b_.x0)] = value;
        layer_.setPixel(x, y_ + dy, value);
    }

private:
    void load(std::vector<Pixel>& row, int y) {
        layer_.runs(y, b_.x0, b_.x1 + 1, [&](int x, const Pixel* p, int n) {
            std::copy(p, p + n, row.begin() + (x - b_.x0));
        });
    }

    Layer& layer_;
    Bounds b_;
    int y_ = -2;
    std::array<std::vector<Pixel>, 3> rows_;
};

bool empty(const Bounds& b) {
    return b.x1 < b.x0 || b.y1 < b.y0;
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
    RowWindow rows(layer, b);
    const auto outline = [&](int x, int dy) {
        const Pixel p = rows.at(x, dy);
        if (p != f && p != contour) rows.set(x, dy, contour);
    };
    for (int y = b.y0; y <= b.y1; ++y) {
        rows.moveTo(y);
        const Pixel* row = rows.row(0);
        for (int x = b.x0; x <= b.x1; ++x) {
            if (row[x - b.x0] != f) continue;
            ++counts.count;
            if (y - 1 > b.y0) outline(x, -1);
            if (y + 1 < b.y1) outline(x, 1);
            if (x - 1 > b.x0) outline(x - 1, 0);
            if (x + 1 < b.x1) outline(x + 1, 0);
        }
        tell(progress, y, b.y1, 0);
    }
    for (int y = b.y0 + 1; y < b.y1; ++y) {
        rows.moveTo(y);
        const Pixel* up = rows.row(-1) - b.x0;
        const Pixel* row = rows.row(0) - b.x0;
        for (int x = b.x0 + 1; x < b.x1; ++x) {
            if (row[x] != contour) continue;
            if (row[x - 1] == contour)
                ++counts.s;
            else if (up[x - 1] == contour)
                ++counts.d;
            else if (up[x] == contour)
                ++counts.s;
            else if (up[x + 1] == contour)
                ++counts.d;
            else if (row[x + 1] == contour)
                ++counts.s;
        }
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
    const Pixel edge = toPixel(border);
    RowWindow rows(layer, b);
    for (int y = b.y0 + 1; y < b.y1; ++y) {
        rows.moveTo(y);
        for (int x = b.x0 + 1; x < b.x1; ++x) {
            if (rows.at(x, 0) != edge) continue;
            const Pixel n = rows.at(x - 1, -1);
            if (n == edge) continue;
            bool alike = true;
            for (int dy = -1; dy <= 1 && alike; ++dy)
                for (int dx = -1; dx <= 1 && alike; ++dx)
                    alike = (dx == 0 && dy == 0) || rows.at(x + dx, dy) == n;
            if (alike) rows.set(x, 0, white);
        }
        tell(progress, y, b.y1 - 1, b.y1 / 3);
    }
}

} // namespace tracelle::measure
