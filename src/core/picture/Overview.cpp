#include "picture/Overview.h"

#include <algorithm>
#include <cstdint>

namespace tracelle::picture {

namespace {

// Levels stop once the whole canvas fits this many pixels a side: no window is smaller.
constexpr int kSmallestLevel = 128;

// Channel sums of the pixels that fall on each column of a level row.
struct Sums {
    std::vector<std::uint32_t> r, g, b, n;

    explicit Sums(std::size_t columns) : r(columns), g(columns), b(columns), n(columns) {}
    void clear() {
        for (auto* v : {&r, &g, &b, &n})
            std::fill(v->begin(), v->end(), 0u);
    }
    void add(std::size_t c, Pixel p) {
        r[c] += (p >> 10) & 31u;
        g[c] += (p >> 5) & 31u;
        b[c] += p & 31u;
        ++n[c];
    }
    Pixel average(std::size_t c) const {
        const std::uint32_t k = std::max(n[c], 1u);
        return static_cast<Pixel>((((r[c] + k / 2) / k) << 10) | (((g[c] + k / 2) / k) << 5) |
                                  ((b[c] + k / 2) / k));
    }
};

// Rows y0 to y1 − 1 and columns x0 to x1 − 1 of `level` (which halves `shift` times) averaged
// from the pixels they cover; `rowRuns(y, xa, xb, each)` gives the finer pixels.
template <class Runs>
void average(Raster& level, int shift, int x0, int x1, int y0, int y1, int finerWidth,
             int finerHeight, Runs&& rowRuns) {
    Sums sums(static_cast<std::size_t>(x1 - x0));
    const int xa = x0 << shift;
    const int xb = std::min(finerWidth, x1 << shift);
    for (int Y = y0; Y < y1; ++Y) {
        sums.clear();
        for (int y = Y << shift; y < std::min(finerHeight, (Y + 1) << shift); ++y) {
            rowRuns(y, xa, xb, [&](int x, const Pixel* p, int count) {
                for (int i = 0; i < count; ++i)
                    sums.add(static_cast<std::size_t>(((x + i) >> shift) - x0), p[i]);
            });
        }
        Pixel* out = level.row(Y);
        for (int X = x0; X < x1; ++X)
            out[X] = sums.average(static_cast<std::size_t>(X - x0));
    }
}

void fromLayer(Raster& level, const Layer& layer, int x0, int x1, int y0, int y1) {
    average(level, Overview::kFirstLevel, x0, x1, y0, y1, layer.width(), layer.height(),
            [&layer](int y, int xa, int xb, auto&& each) { layer.runs(y, xa, xb, each); });
}

void fromFiner(Raster& level, const Raster& finer, int x0, int x1, int y0, int y1) {
    average(level, 1, x0, x1, y0, y1, finer.width(), finer.height(),
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
