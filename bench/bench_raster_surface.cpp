// The raster surface on 100-megapixel layers: a fill of an open region, and passes 1 and 3 of
// the raster area, each against one plain pass reading every pixel of the same layer; then
// the undo of a fill that painted 50 megapixels, against its 100 ms.
#include "RatioReporter.h"
#include "measure/RasterSurface.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

using namespace tracelle::measure;
using tracelle::picture::Layer;
using tracelle::picture::Pixel;
using tracelle::picture::Raster;

namespace {

constexpr int kSide = 10000; // 100 megapixels
constexpr Rgb kFill{0, 128, 0};
constexpr Rgb kBorder{0, 255, 0};

using Clock = std::chrono::steady_clock;

// Seconds and pixels of each benchmark, for the pixels per second printed at the end.
struct Tally {
    double seconds = 0;
    double pixels = 0;
    int iterations = 0;
};
std::map<std::string, Tally>& tallies() {
    static std::map<std::string, Tally> all;
    return all;
}

void account(benchmark::State& state, const char* name, double seconds, double pixels) {
    state.SetIterationTime(seconds);
    Tally& t = tallies()[name];
    t.seconds += seconds;
    t.pixels += pixels;
    ++t.iterations;
}

double since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::shared_ptr<const Raster> white() {
    static const auto picture = [] {
        auto r = std::make_shared<Raster>(Raster::create(kSide, kSide));
        r->fill(toPixel(kWhite));
        return r;
    }();
    return picture;
}

// The open region: the whole layer, its tiles drawn into as they are after a first fill.
Layer& open() {
    static Layer layer = [] {
        Layer l = Layer::over(white(), kSide, kSide, 0, 0, toPixel(kWhite));
        fillClick(l, 1, 1, FillMode::Surface, kBorder, kFill);
        return l;
    }();
    return layer;
}

// Discs of the fill colour painted on a sixth of a white layer, as a user marks fields.
Layer& painted() {
    static Layer layer = [] {
        Layer l = Layer::over(white(), kSide, kSide, 0, 0, toPixel(kWhite));
        const int r = 200;
        for (int cy = 250; cy < kSide; cy += 500)
            for (int cx = 250; cx < kSide; cx += 500) {
                if ((cx / 500 + cy / 500) % 3 != 0) continue;
                for (int dy = -r; dy <= r; ++dy) {
                    int dx = 0;
                    while ((dx + 1) * (dx + 1) + dy * dy <= r * r)
                        ++dx;
                    l.fillSpan(cy + dy, cx - dx, cx + dx + 1, toPixel(kFill));
                }
            }
        return l;
    }();
    return layer;
}

std::int64_t readPass(const Layer& layer) {
    const Pixel f = toPixel(kFill);
    std::int64_t n = 0;
    for (int y = 0; y < layer.height(); ++y)
        layer.runs(y, 0, layer.width(), [&](int, const Pixel* p, int count) {
            for (int i = 0; i < count; ++i)
                n += p[i] == f;
        });
    return n;
}

void read(benchmark::State& state, const char* name, const Layer& layer) {
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(readPass(layer));
        account(state, name, since(start), double{kSide} * kSide);
    }
}

void ReadOpen(benchmark::State& state) {
    read(state, "ReadOpen", open());
}
// A picture just opened: its layer reads the picture's own memory.
void ReadFresh(benchmark::State& state) {
    read(state, "ReadFresh", Layer::over(white(), kSide, kSide, 0, 0, toPixel(kWhite)));
}
void ReadPainted(benchmark::State& state) {
    read(state, "ReadPainted", painted());
}

// Clicks on the region: every other one takes the paint off again. With `undo`, the undo copy
// is recorded first, as the window does while "une annulation colorée" is checked.
void fillOpen(benchmark::State& state, const char* name, FillMode mode, bool undo) {
    Layer& layer = open();
    for (auto _ : state) {
        const auto recording = undo ? layer.record() : nullptr;
        const auto start = Clock::now();
        const auto n = fillClick(layer, kSide / 2, kSide / 2, mode, kBorder, kFill);
        account(state, name, since(start), static_cast<double>(n));
    }
}
void FillOpen(benchmark::State& state) {
    fillOpen(state, "FillOpen", FillMode::Surface, false);
}
void FillOpenUndo(benchmark::State& state) {
    fillOpen(state, "FillOpenUndo", FillMode::Surface, true);
}
// The bordered fill clears the marks it left on the pixels it painted: one more pass.
void FillOpenBordered(benchmark::State& state) {
    fillOpen(state, "FillOpenBordered", FillMode::Bordered, false);
}

// The first fill of a picture just opened, undo recorded: its tiles are copied out of the
// picture into fresh memory as it goes. Against a read of the layer as it was opened.
void FillOpenFirst(benchmark::State& state) {
    for (auto _ : state) {
        auto layer =
            std::make_unique<Layer>(Layer::over(white(), kSide, kSide, 0, 0, toPixel(kWhite)));
        auto undo = layer->record();
        const auto start = Clock::now();
        const auto n = fillClick(*layer, kSide / 2, kSide / 2, FillMode::Surface, kBorder, kFill);
        account(state, "FillOpenFirst", since(start), static_cast<double>(n));
    }
}

// Passes 1 and 3 of one raster area, told apart by the last position pass 1 gives; the
// contour is taken off again between iterations.
void area(benchmark::State& state, bool pass3) {
    Layer& layer = painted();
    const Bounds b = bounds(layer, 0, 0);
    for (auto _ : state) {
        auto removal = layer.record();
        const auto start = Clock::now();
        auto pass1End = start;
        rasterArea(layer, b, kFill, [&](int position) {
            if (position <= b.y1 / 3) pass1End = Clock::now();
        });
        const auto end = Clock::now();
        account(state, pass3 ? "AreaPass3" : "AreaPass1",
                std::chrono::duration<double>(pass3 ? end - pass1End : pass1End - start).count(),
                double{kSide} * kSide);
        layer.giveBack(*removal);
    }
}
void AreaPass1(benchmark::State& state) {
    area(state, false);
}
void AreaPass3(benchmark::State& state) {
    area(state, true);
}

// The undo of a fill of the upper half of a layer drawn into before: every tile it painted
// comes back from the copy kept at its first change.
void UndoFill50MP(benchmark::State& state) {
    static Layer layer = [] {
        Layer l = Layer::over(white(), kSide, kSide, 0, 0, toPixel(kWhite));
        l.fillSpan(kSide / 2, 0, kSide, 0);
        for (int i = 0; i < 2; ++i)
            fillClick(l, 1, 1, FillMode::Surface, kBorder, kFill);
        return l;
    }();
    for (auto _ : state) {
        auto undo = layer.record();
        const auto n = fillClick(layer, 1, 1, FillMode::Surface, kBorder, kFill);
        const auto start = Clock::now();
        layer.giveBack(*undo);
        account(state, "UndoFill50MP", since(start), static_cast<double>(n));
    }
}

BENCHMARK(ReadOpen)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(FillOpen)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(FillOpenUndo)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(FillOpenBordered)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ReadFresh)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(FillOpenFirst)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ReadPainted)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(AreaPass1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(AreaPass3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(UndoFill50MP)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    const int status = tracelle::bench::runWithRatios(
        argc, argv,
        {{"FillOpen/manual_time", "ReadOpen/manual_time", 4.0},
         {"FillOpenUndo/manual_time", "ReadOpen/manual_time", 4.0},
         {"FillOpenBordered/manual_time", "ReadOpen/manual_time", 4.0},
         {"FillOpenFirst/manual_time", "ReadFresh/manual_time", 4.0},
         {"AreaPass1/manual_time", "ReadPainted/manual_time", 4.0},
         {"AreaPass3/manual_time", "ReadPainted/manual_time", 4.0}});
    for (const auto& [name, t] : tallies())
        if (t.seconds > 0)
            std::printf("%-28s %8.0f megapixels per second\n", name.c_str(),
                        t.pixels / t.seconds / 1e6);
    if (const auto undo = tallies().find("UndoFill50MP"); undo != tallies().end()) {
        const Tally& t = undo->second;
        const double ms = 1000 * t.seconds / t.iterations;
        std::printf("undo of a fill of %.0f megapixels: %.1f ms  (target <= 100 ms) %s\n",
                    t.pixels / t.iterations / 1e6, ms, ms <= 100 ? "ok" : "MISSED");
    }
    return status;
}
