#include "picture/Overview.h"

#include "picture/PixelRows.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>

namespace tracelle::picture {

namespace {

// Levels stop once the whole canvas fits this many pixels a side: no window is smaller.
constexpr int kSmallestLevel = 128;

// A box cut by an edge, or lying across two runs of memory, summed pixel by pixel, each
// pixel's channels spread ten bits apart: `run(x, y)` gives the memory from pixel (x, y) on.
template <int Shift, class Run>
Pixel oddBox(int X, int Y, int finerWidth, int finerHeight, Run& run) {
    const int xa = X << Shift, xb = std::min(finerWidth, (X + 1) << Shift);
    const int ya = Y << Shift, yb = std::min(finerHeight, (Y + 1) << Shift);
    std::uint32_t sum = 0;
    for (int y = ya; y < yb; ++y)
        for (int x = xa; x < xb; ++x)
            sum += spread555(*run(x, y).first);
    const auto n = static_cast<std::uint32_t>((xb - xa) * (yb - ya));
    const auto channel = [sum, n](int field) { return (((sum >> field) & 0x3FFu) + n / 2) / n; };
    return static_cast<Pixel>(channel(20) << 10 | channel(10) << 5 | channel(0));
}

// The 16-bit slots of a word added into one, at most 496: the lowest slot of the result.
std::uint32_t folded(std::uint32_t slots) {
    return (slots + (slots >> 16)) & 0xFFFFu;
}
std::uint32_t folded(std::uint64_t slots) {
    return folded(static_cast<std::uint32_t>(slots + (slots >> 32)));
}

// Whole boxes of 2^Shift × 2^Shift pixels, `rows` pointing at their first pixel in each of
// their rows. A box's pixels of one row are read as one word, each channel masked into 16-bit
// slots (a box of 16 pixels sums to at most 496 a channel): the rows add slot by slot, then
// the slots fold into one. Only plain word operations, which the compiler vectorises, and no
// division.
template <int Shift>
[[gnu::always_inline]] inline void boxesOf(const Pixel* const* rows, Pixel* out, int count) {
    constexpr int side = 1 << Shift;
    using Word = std::conditional_t<Shift == 2, std::uint64_t, std::uint32_t>;
    static_assert(sizeof(Word) == side * sizeof(Pixel));
    constexpr Word five = ~Word{0} / 0xFFFFu * 0x1Fu; // 0x1F in every slot
    for (int i = 0; i < count; ++i) {
        Word r = 0, g = 0, b = 0;
        for (int k = 0; k < side; ++k) {
            Word w;
            std::memcpy(&w, rows[k] + i * side, sizeof w);
            r += w >> 10 & five;
            g += w >> 5 & five;
            b += w & five;
        }
        const auto average = [](Word sum) { return (folded(sum) + side * side / 2) >> 2 * Shift; };
        out[i] = static_cast<Pixel>(average(r) << 10 | average(g) << 5 | average(b));
    }
}

// Clones are made of plain functions only: one a box size, each with the loop forced inline
// (left out of line, the clone would call the loop built for no vector unit).
TRACELLE_VECTOR_CLONES void boxesOf2(const Pixel* const* rows, Pixel* out, int count) {
    boxesOf<1>(rows, out, count);
}
TRACELLE_VECTOR_CLONES void boxesOf4(const Pixel* const* rows, Pixel* out, int count) {
    boxesOf<2>(rows, out, count);
}

// Rows y0 to y1 − 1 and columns x0 to x1 − 1 of `level` (which halves `Shift` times) averaged
// from the pixels they cover; `run(x, y)` gives the memory from finer pixel (x, y) on and how
// many pixels it holds.
template <int Shift, class Run>
void average(Raster& level, int x0, int x1, int y0, int y1, int finerWidth, int finerHeight,
             Run&& run) {
    constexpr int side = 1 << Shift;
    // Boxes cut by the finer picture's right edge hold fewer pixels.
    const int whole = std::min(x1, finerWidth >> Shift);
    for (int Y = y0; Y < y1; ++Y) {
        Pixel* out = level.row(Y);
        const bool tall = (Y + 1) << Shift <= finerHeight;
        int X = x0;
        while (tall && X < whole) {
            // As many boxes as the runs of all their rows hold.
            const Pixel* rows[side];
            int count = whole - X;
            for (int k = 0; k < side; ++k) {
                const auto [pixels, length] = run(X << Shift, (Y << Shift) + k);
                rows[k] = pixels;
                count = std::min(count, length >> Shift);
            }
            if (count == 0) {
                out[X] = oddBox<Shift>(X, Y, finerWidth, finerHeight, run);
                ++X;
                continue;
            }
            (Shift == 1 ? boxesOf2 : boxesOf4)(rows, out + X, count);
            X += count;
        }
        for (; X < x1; ++X)
            out[X] = oddBox<Shift>(X, Y, finerWidth, finerHeight, run);
    }
}

void fromLayer(Raster& level, const Layer& layer, int x0, int x1, int y0, int y1) {
    // A box's four rows are read at once, each into its own scratch.
    std::array<Layer::Scratch, 1 << Overview::kFirstLevel> scratch;
    average<Overview::kFirstLevel>(
        level, x0, x1, y0, y1, layer.width(), layer.height(), [&layer, &scratch](int x, int y) {
            int before = 0, after = 0;
            const Pixel* p = layer.run(x, y, before, after,
                                       scratch[static_cast<std::size_t>(y) % scratch.size()]);
            return std::pair{p, after + 1};
        });
}

void fromFiner(Raster& level, const Raster& finer, int x0, int x1, int y0, int y1) {
    average<1>(level, x0, x1, y0, y1, finer.width(), finer.height(), [&finer](int x, int y) {
        return std::pair{finer.row(y) + x, finer.width() - x};
    });
}

} // namespace

Overview::~Overview() = default;

// Each level follows the finer one row by row, and the finest follows the picture as its rows
// arrive: every level is ready soon after the picture's last row, and the view shows the rows
// made meanwhile.
bool Overview::buildLevels(Layer& layer, Shared& shared, const std::stop_token& stop) {
    std::vector<Raster>& levels = shared.levels;
    int w = (layer.width() + 3) / 4;
    int h = (layer.height() + 3) / 4;
    while (w > 0 && h > 0) {
        levels.push_back(Raster::create(w, h));
        if (levels.back().empty()) return false;
        if (w <= kSmallestLevel && h <= kSmallestLevel) break;
        w = (w + 1) / 2;
        h = (h + 1) / 2;
    }
    if (levels.size() > shared.made.size()) return false;
    shared.sized.store(true, std::memory_order_release);
    std::vector<int> made(levels.size(), 0);
    Raster& finest = levels.front();
    for (int y = 0; y < finest.height(); ++y) {
        if (stop.stop_requested()) return false;
        layer.waitForRows(std::min(layer.height(), (y + 1) << Overview::kFirstLevel));
        layer.takeArrived();
        fromLayer(finest, layer, 0, finest.width(), y, y + 1);
        made[0] = y + 1;
        shared.made[0].store(made[0], std::memory_order_release);
        for (std::size_t i = 1; i < levels.size(); ++i) {
            const Raster& finer = levels[i - 1];
            Raster& level = levels[i];
            while (made[i] < level.height() &&
                   std::min(finer.height(), 2 * made[i] + 2) <= made[i - 1]) {
                fromFiner(level, finer, 0, level.width(), made[i], made[i] + 1);
                ++made[i];
                shared.made[i].store(made[i], std::memory_order_release);
            }
        }
    }
    return true;
}

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
        if (!buildLevels(bare, *shared, stop)) return;
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
    if (buildLevels(bare, *shared_, std::stop_token{}))
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

// The index of the finest level of at most `factor` layer pixels a side, the count of levels
// when none is.
std::size_t Overview::chosenLevel(double factor) const {
    const std::size_t count = shared_->levels.size();
    std::size_t chosen = count;
    for (std::size_t i = 0; i < count; ++i) {
        if (static_cast<double>(1 << (kFirstLevel + static_cast<int>(i))) > factor) break;
        chosen = i;
    }
    return chosen;
}

const Raster* Overview::levelFor(double factor, int* k) const {
    if (!ready()) return nullptr;
    int rows = 0;
    return levelSoFar(factor, k, &rows);
}

const Raster* Overview::levelSoFar(double factor, int* k, int* rows) const {
    if (!shared_ || !shared_->sized.load(std::memory_order_acquire)) return nullptr;
    const std::size_t i = chosenLevel(factor);
    if (i == shared_->levels.size()) return nullptr;
    if (k) *k = kFirstLevel + static_cast<int>(i);
    *rows = shared_->made[i].load(std::memory_order_acquire);
    return &shared_->levels[i];
}

} // namespace tracelle::picture
