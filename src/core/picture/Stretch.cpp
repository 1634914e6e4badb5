#include "picture/Stretch.h"

#include "picture/PixelRows.h"

#include <algorithm>
#include <array>
#include <thread>
#include <vector>

namespace tracelle::picture {

namespace {

const std::array<std::uint32_t, 32768>& palette() {
    static const auto table = [] {
        std::array<std::uint32_t, 32768> t{};
        for (std::uint32_t p = 0; p < t.size(); ++p) {
            const auto px = static_cast<Pixel>(p);
            t[p] = 0xFF000000u | (std::uint32_t{red8(px)} << 16) |
                   (std::uint32_t{green8(px)} << 8) | blue8(px);
        }
        return t;
    }();
    return table;
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Averaging adds pixels with their channels spread ten bits apart (spread555), one addition a
// pixel: boxes are kept within 5 × 5.
constexpr int kWidestBox = 5;
// Source pixels a repaint reads beyond which a second thread costs less than it saves.
constexpr std::int64_t kWorthASecondCore = 4'000'000;

// 255 / (31 n) in 16-bit fixed point, for the average of n pixels' 5-bit channels as 8 bits:
// a multiplication where a division would cost several times more.
const std::array<std::uint32_t, kWidestBox * kWidestBox + 1>& reciprocals() {
    static const auto table = [] {
        std::array<std::uint32_t, kWidestBox * kWidestBox + 1> t{};
        for (std::uint32_t n = 1; n < t.size(); ++n)
            t[n] = ((255u << 16) + 31 * n / 2) / (31 * n);
        return t;
    }();
    return table;
}

// The source pixels [first, last) that fall on each of n target pixels along one axis, for a
// shown span starting at `origin` (level-0 pixels) on a source `shift` times halved and
// `size` pixels long; first == last outside the source. Without `average`, or magnified, the
// one pixel under the target pixel's centre.
struct Boxes {
    std::vector<int> first, last;
    bool single = true; // every box one pixel wide

    Boxes(std::int64_t origin, std::int64_t span, int n, int shift, int size, bool average)
        : first(static_cast<std::size_t>(n)), last(static_cast<std::size_t>(n)) {
        const std::int64_t scale = std::int64_t{n} << shift;
        for (int i = 0; i < n; ++i) {
            std::int64_t a, b;
            if (average && span >= n) {
                // Every source pixel goes to the target pixel where its centre falls: a level
                // of the overview then shows its pixels where the layer's own would show.
                a = floorDiv(2 * (origin * n + i * span) + scale - 1, 2 * scale);
                b = std::clamp(floorDiv(2 * (origin * n + (i + 1) * span) + scale - 1, 2 * scale),
                               a + 1, a + kWidestBox);
            } else {
                a = floorDiv(2 * origin * n + (2 * i + 1) * span, 2 * scale);
                b = a + 1;
            }
            a = std::clamp<std::int64_t>(a, 0, size);
            b = std::clamp<std::int64_t>(b, a, size);
            first[static_cast<std::size_t>(i)] = static_cast<int>(a);
            last[static_cast<std::size_t>(i)] = static_cast<int>(b);
            single = single && b - a <= 1;
        }
    }
};

// Averages source rows into target rows first to last − 1 of h, one target row at a time: the
// rows of its box added column by column, then each target pixel's columns.
template <class Runs>
void stretchFrom(int sourceWidth, const Boxes& rows, int shift, bool average, std::int64_t x1,
                 std::int64_t spanX, std::uint32_t* target, int targetStride, int w, int first,
                 int last, std::uint32_t outside, Runs&& rowRuns) {
    const Boxes columns(x1, spanX, w, shift, sourceWidth, average);
    int xa = sourceWidth, xb = 0;
    for (int i = 0; i < w; ++i) {
        if (columns.first[i] == columns.last[i]) continue;
        xa = std::min(xa, columns.first[i]);
        xb = std::max(xb, columns.last[i]);
    }
    // Target rows j0 to j1 − 1; the two halves of a dear repaint go to both cores.
    const auto part = [&](int j0, int j1) {
        const auto& lut = palette();
        const auto& reciprocal = reciprocals();
        std::vector<std::uint32_t> sums(xa < xb ? static_cast<std::size_t>(xb - xa) : 1);
        std::uint32_t* previous = nullptr;
        for (int j = j0; j < j1; ++j) {
            std::uint32_t* out = target + static_cast<std::size_t>(j) * targetStride;
            const int c = rows.first[j], d = rows.last[j];
            if (c == d || xa >= xb) {
                std::fill(out, out + w, outside);
                previous = nullptr;
                continue;
            }
            if (previous && j > j0 && c == rows.first[j - 1] && d == rows.last[j - 1]) {
                std::copy(previous, previous + w, out); // a magnified row shown again
                continue;
            }
            previous = out;
            if (columns.single && d - c == 1) {
                // One pixel a target pixel, taken where it lies: a view far out reads a
                // few pixels of each run, not the whole row.
                for (int i = 0; i < w; ++i)
                    if (columns.first[i] == columns.last[i]) out[i] = outside;
                int i = 0;
                rowRuns(c, xa, xb, [&](int x, const Pixel* p, int count) {
                    for (; i < w && columns.first[i] < x + count; ++i)
                        if (columns.first[i] < columns.last[i])
                            out[i] = lut[p[columns.first[i] - x] & 0x7FFF];
                });
                continue;
            }
            std::fill(sums.begin(), sums.end(), 0u);
            for (int y = c; y < d; ++y) {
                rowRuns(y, xa, xb, [&](int x, const Pixel* p, int count) {
                    std::uint32_t* s = sums.data() + (x - xa);
                    for (int i = 0; i < count; ++i)
                        s[i] += spread555(p[i]);
                });
            }
            const auto rowsSummed = static_cast<std::uint32_t>(d - c);
            for (int i = 0; i < w; ++i) {
                const int a = columns.first[i] - xa, b = columns.last[i] - xa;
                if (a == b) {
                    out[i] = outside;
                    continue;
                }
                std::uint32_t sum = 0;
                for (int x = a; x < b; ++x)
                    sum += sums[static_cast<std::size_t>(x)];
                // 5-bit sums to 8-bit averages, rounded.
                const std::uint32_t r = reciprocal[rowsSummed * static_cast<std::uint32_t>(b - a)];
                const auto channel = [&](std::uint32_t field) {
                    return std::min(255u, (((sum >> field) & 0x3FFu) * r + 0x8000u) >> 16);
                };
                out[i] = 0xFF000000u | (channel(20) << 16) | (channel(10) << 8) | channel(0);
            }
        }
    };
    std::int64_t read = 0;
    for (int j = first; j < last; ++j)
        read += rows.last[j] - rows.first[j];
    // Rows of single pixels read one pixel a target pixel, not the whole span.
    const std::int64_t across = columns.single && rows.single ? w : std::max(xb - xa, 0);
    if (read * across < kWorthASecondCore) {
        part(first, last);
        return;
    }
    const int middle = first + (last - first) / 2;
    std::thread half(part, middle, last);
    part(first, middle);
    half.join();
}

// The target rows whose rows have not arrived, from the reduced picture: each target pixel
// shows the preview's pixel under its centre, where the full picture's would show.
void previewRows(const Layer& layer, const Preview& preview, std::int64_t x1, std::int64_t y1,
                 std::int64_t spanX, std::int64_t spanY, std::uint32_t* target, int targetStride,
                 int w, int h) {
    const Boxes columns(x1, spanX, w, 0, layer.width(), false);
    const Boxes rows(y1, spanY, h, 0, layer.height(), false);
    const Raster& picture = *layer.picture();
    const int ox = layer.pictureX(), oy = layer.pictureY();
    const auto& lut = palette();
    for (int j = 0; j < h; ++j) {
        const int y = rows.first[static_cast<std::size_t>(j)];
        if (y == rows.last[static_cast<std::size_t>(j)] || y < layer.rowsArrived()) continue;
        std::uint32_t* out = target + static_cast<std::size_t>(j) * targetStride;
        const bool inPicture = y >= oy && y - oy < picture.height();
        for (int i = 0; i < w; ++i) {
            const int x = columns.first[static_cast<std::size_t>(i)];
            if (x == columns.last[static_cast<std::size_t>(i)]) continue;
            out[i] =
                lut[(inPicture && x >= ox && x - ox < picture.width() ? preview.at(x - ox, y - oy)
                                                                      : layer.margin()) &
                    0x7FFF];
        }
    }
}

} // namespace

std::uint32_t toRgb32(Pixel p) {
    return palette()[p & 0x7FFF];
}

int stretchToRgb32(const Layer& layer, const Overview* overview, int x1, int y1, int x2, int y2,
                   std::uint32_t* target, int targetStride, int w, int h, std::uint32_t outside,
                   int kept) {
    if (w <= 0 || h <= 0) return 0;
    const std::int64_t spanX = std::int64_t{x2} - x1 + 1;
    const std::int64_t spanY = std::int64_t{y2} - y1 + 1;
    if (layer.empty() || spanX <= 0 || spanY <= 0) {
        for (int j = 0; j < h; ++j)
            std::fill(target + static_cast<std::size_t>(j) * targetStride,
                      target + static_cast<std::size_t>(j) * targetStride + w, outside);
        return 0;
    }
    const double factor = std::min(static_cast<double>(spanX) / w, static_cast<double>(spanY) / h);
    // A level's rows, target rows first to last − 1 of those it covers.
    const auto fromLevel = [&](const Raster& level, int k, const Boxes& rows, int first, int last) {
        stretchFrom(
            level.width(), rows, k, true, x1, spanX, target, targetStride, w, first, last, outside,
            [&level](int y, int xa, int xb, auto&& each) { each(xa, level.row(y) + xa, xb - xa); });
    };
    int k = 0;
    if (const Raster* level = overview ? overview->levelFor(factor, &k) : nullptr) {
        fromLevel(*level, k, Boxes(y1, spanY, h, k, level->height(), true), std::min(kept, h), h);
        return h;
    }
    // While the overview is built, the target rows whose level rows are made show as they will
    // once it is ready.
    int covered = 0, made = 0;
    if (const Raster* level = overview ? overview->levelSoFar(factor, &k, &made) : nullptr) {
        const Boxes rows(y1, spanY, h, k, level->height(), true);
        while (covered < h && rows.last[static_cast<std::size_t>(covered)] <= made)
            ++covered;
        fromLevel(*level, k, rows, std::min(kept, covered), covered);
    }
    // Averaging the layer itself costs the square of the factor: beyond the overview's first
    // level, until it is ready, the nearest pixel stands in.
    // Rows of a picture still arriving are left out, as outside the canvas, unless a reduced
    // picture stands in for them.
    const bool average = !Overview::shows(factor);
    stretchFrom(layer.width(), Boxes(y1, spanY, h, 0, layer.rowsArrived(), average), 0, average, x1,
                spanX, target, targetStride, w, covered, h, outside,
                [&layer](int y, int xa, int xb, auto&& each) { layer.runs(y, xa, xb, each); });
    if (layer.rowsArrived() < layer.height() && layer.arrival())
        if (const Preview preview = layer.arrival()->preview(); preview.raster)
            previewRows(layer, preview, x1, y1, spanX, spanY, target, targetStride, w, h);
    return covered;
}

} // namespace tracelle::picture
