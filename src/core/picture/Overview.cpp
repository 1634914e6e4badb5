#include "picture/Overview.h"

#include "picture/PixelRows.h"

#include <algorithm>
#include <cstdint>

namespace tracelle::picture {

namespace {

// Levels stop once the whole canvas fits this many pixels a side: no window is smaller.
constexpr int kSmallestLevel = 128;

// Boxes are summed one addition a pixel, each pixel's channels spread ten bits apart
// (spread555): room for the 16 pixels of a box. The average of `n` pixels so summed:
Pixel averageOf(std::uint32_t sum, std::uint32_t n) {
    const auto channel = [sum, n](int field) { return (((sum >> field) & 0x3FFu) + n / 2) / n; };
    return static_cast<Pixel>(channel(20) << 10 | channel(10) << 5 | channel(0));
}

// Whole boxes of 2^Shift × 2^Shift pixels from their column sums: rounded by shifts, which the
// compiler vectorises, where a division a channel would cost several times the additions.
template <int Shift> void boxesOf(const std::uint32_t* columns, Pixel* out, int count) {
    constexpr int k = 2 * Shift;
    constexpr std::uint32_t half = (1u << k >> 1) * ((1u << 20) | (1u << 10) | 1u);
    for (int i = 0; i < count; ++i) {
        std::uint32_t sum = half;
        for (int c = 0; c < (1 << Shift); ++c)
            sum += columns[(i << Shift) + c];
        out[i] = static_cast<Pixel>(((sum >> (10 + k)) & 0x7C00u) | ((sum >> (5 + k)) & 0x3E0u) |
                                    ((sum >> k) & 0x1Fu));
    }
}

// Clones are made of plain functions only: one a box size, each with the loop inlined.
TRACELLE_VECTOR_CLONES void boxesOf2(const std::uint32_t* columns, Pixel* out, int count) {
    boxesOf<1>(columns, out, count);
}
TRACELLE_VECTOR_CLONES void boxesOf4(const std::uint32_t* columns, Pixel* out, int count) {
    boxesOf<2>(columns, out, count);
}
template <int Shift> void wholeBoxes(const std::uint32_t* columns, Pixel* out, int count) {
    static_assert(Shift == 1 || Shift == 2);
    (Shift == 1 ? boxesOf2 : boxesOf4)(columns, out, count);
}

TRACELLE_VECTOR_CLONES void addSpread(std::uint32_t* sums, const Pixel* p, int count) {
    for (int i = 0; i < count; ++i)
        sums[i] += spread555(p[i]);
}

// Rows y0 to y1 − 1 and columns x0 to x1 − 1 of `level` (which halves `Shift` times) averaged
// from the pixels they cover; `rowRuns(y, xa, xb, each)` gives the finer pixels.
template <int Shift, class Runs>
void average(Raster& level, int x0, int x1, int y0, int y1, int finerWidth, int finerHeight,
             Runs&& rowRuns) {
    const int xa = x0 << Shift;
    const int xb = std::min(finerWidth, x1 << Shift);
    if (xa >= xb) return;
    std::vector<std::uint32_t> columns(static_cast<std::size_t>(xb - xa));
    // Boxes cut by the finer picture's right edge hold fewer pixels.
    const int whole = std::min(x1, finerWidth >> Shift);
    for (int Y = y0; Y < y1; ++Y) {
        std::fill(columns.begin(), columns.end(), 0u);
        const int ya = Y << Shift;
        const int yb = std::min(finerHeight, (Y + 1) << Shift);
        for (int y = ya; y < yb; ++y)
            rowRuns(y, xa, xb, [&](int x, const Pixel* p, int count) {
                addSpread(columns.data() + (x - xa), p, count);
            });
        Pixel* out = level.row(Y);
        int X = x0;
        if (yb - ya == 1 << Shift && whole > x0) {
            wholeBoxes<Shift>(columns.data(), out + x0, whole - x0);
            X = whole;
        }
        for (; X < x1; ++X) {
            const int a = (X << Shift) - xa;
            const int b = std::min((X + 1) << Shift, xb) - xa;
            std::uint32_t sum = 0;
            for (int c = a; c < b; ++c)
                sum += columns[static_cast<std::size_t>(c)];
            out[X] = averageOf(sum, static_cast<std::uint32_t>((b - a) * (yb - ya)));
        }
    }
}

void fromLayer(Raster& level, const Layer& layer, int x0, int x1, int y0, int y1) {
    average<Overview::kFirstLevel>(
        level, x0, x1, y0, y1, layer.width(), layer.height(),
        [&layer](int y, int xa, int xb, auto&& each) { layer.runs(y, xa, xb, each); });
}

void fromFiner(Raster& level, const Raster& finer, int x0, int x1, int y0, int y1) {
    average<1>(
        level, x0, x1, y0, y1, finer.width(), finer.height(),
        [&finer](int y, int xa, int xb, auto&& each) { each(xa, finer.row(y) + xa, xb - xa); });
}

// False when stopped.
bool buildLevels(Layer& layer, std::vector<Raster>& levels, const std::stop_token& stop) {
    levels.clear();
    int w = (layer.width() + 3) / 4;
    int h = (layer.height() + 3) / 4;
    while (w > 0 && h > 0) {
        Raster level = Raster::create(w, h);
        if (level.empty()) return false;
        for (int y = 0; y < h; ++y) {
            if (stop.stop_requested()) return false;
            if (levels.empty()) {
                // A picture still arriving is followed row by row.
                layer.waitForRows(std::min(layer.height(), (y + 1) << Overview::kFirstLevel));
                layer.takeArrived();
                fromLayer(level, layer, 0, w, y, y + 1);
            } else
                fromFiner(level, levels.back(), 0, w, y, y + 1);
        }
        levels.push_back(std::move(level));
        if (w <= kSmallestLevel && h <= kSmallestLevel) break;
        w = (w + 1) / 2;
        h = (h + 1) / 2;
    }
    return true;
}

} // namespace

Overview::~Overview() = default;

void Overview::reset() {
    worker_ = {}; // stops and joins a build under way
    shared_.reset();
}

void Overview::build(const Layer& layer, std::function<void()> done) {
    reset();
    if (layer.empty()) return;
    shared_ = std::make_shared<Shared>();
    // The worker reads the picture, which nothing draws into, through a layer of its own.
    worker_ = std::jthread([shared = shared_, picture = layer.picture(), w = layer.width(),
                            h = layer.height(), ox = layer.pictureX(), oy = layer.pictureY(),
                            margin = layer.margin(), arrival = layer.arrival(),
                            done = std::move(done)](const std::stop_token& stop) {
        Layer bare = Layer::over(picture, w, h, ox, oy, margin, arrival);
        if (!buildLevels(bare, shared->levels, stop)) return;
        shared->ready.store(true, std::memory_order_release);
        if (done) done();
    });
}

void Overview::buildNow(const Layer& layer) {
    reset();
    if (layer.empty()) return;
    shared_ = std::make_shared<Shared>();
    Layer bare = Layer::over(layer.picture(), layer.width(), layer.height(), layer.pictureX(),
                             layer.pictureY(), layer.margin(), layer.arrival());
    if (buildLevels(bare, shared_->levels, std::stop_token{}))
        shared_->ready.store(true, std::memory_order_release);
}

void Overview::update(Layer& layer) {
    if (!ready()) return;
    auto& levels = shared_->levels;
    for (const TileRect& r : layer.takeChanged()) {
        int x0 = r.x >> kFirstLevel, x1 = ((r.x + r.width - 1) >> kFirstLevel) + 1;
        int y0 = r.y >> kFirstLevel, y1 = ((r.y + r.height - 1) >> kFirstLevel) + 1;
        fromLayer(levels[0], layer, x0, x1, y0, y1);
        for (std::size_t i = 1; i < levels.size(); ++i) {
            x0 >>= 1;
            y0 >>= 1;
            x1 = std::min((x1 + 1) >> 1, levels[i].width());
            y1 = std::min((y1 + 1) >> 1, levels[i].height());
            fromFiner(levels[i], levels[i - 1], x0, x1, y0, y1);
        }
    }
}

const Raster* Overview::levelFor(double factor, int* k) const {
    if (!ready()) return nullptr;
    const Raster* chosen = nullptr;
    for (std::size_t i = 0; i < shared_->levels.size(); ++i) {
        const int level = kFirstLevel + static_cast<int>(i);
        if (static_cast<double>(1 << level) > factor) break;
        chosen = &shared_->levels[i];
        if (k) *k = level;
    }
    return chosen;
}

} // namespace tracelle::picture
