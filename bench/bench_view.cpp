// The view's repaint: stretching the shown rectangle of the layer into a 1600 × 1000 image
// area must cost the same for a 200-megapixel layer as for a 2-megapixel one, averaging the
// pixels that fall on a screen pixel, and a zoom step must fit in a frame at any factor; for a
// picture of palette indices (grey and palette scans) as well.
#include "RatioReporter.h"
#include "picture/Stretch.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <vector>

using namespace tracelle::picture;

namespace {

constexpr int kAreaW = 1600;
constexpr int kAreaH = 1000;

struct Shown {
    Layer layer;
    Overview overview;
};

std::unique_ptr<Shown> make(int w, int h, bool indexed = false) {
    auto r = std::make_shared<Raster>(indexed ? Raster::createIndexed(w, h) : Raster::create(w, h));
    for (int i = 0; i < 256; ++i)
        r->palette()[static_cast<std::size_t>(i)] = static_cast<Pixel>(i * 0x0421 / 8);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int v = x * 7 + y * 13;
            if (indexed)
                r->indexRow(y)[x] = static_cast<std::uint8_t>(v);
            else
                r->row(y)[x] = static_cast<Pixel>(v & 0x7FFF);
        }
    }
    auto s = std::make_unique<Shown>();
    s->layer = Layer::over(r, w, h, 0, 0, 0);
    s->overview.buildNow(s->layer);
    return s;
}

const Shown& small() {
    static const auto s = make(1732, 1155); // 2 megapixels
    return *s;
}

const Shown& large() {
    static const auto s = make(17320, 11547); // 200 megapixels
    return *s;
}

const Shown& largeIndexed() {
    static const auto s = make(17320, 11547, true);
    return *s;
}

// `factor` layer pixels a screen pixel about the centre; 0 for the whole layer.
void repaint(benchmark::State& state, const Shown& shown, double factor) {
    std::vector<std::uint32_t> area(static_cast<std::size_t>(kAreaW) * kAreaH);
    const Layer& layer = shown.layer;
    const int w = factor > 0 ? static_cast<int>(kAreaW * factor) : layer.width();
    const int h = factor > 0 ? static_cast<int>(kAreaH * factor) : layer.height();
    const int x1 = factor > 0 ? layer.width() / 2 - w / 2 : 0;
    const int y1 = factor > 0 ? layer.height() / 2 - h / 2 : 0;
    for (auto _ : state) {
        stretchToRgb32(layer, &shown.overview, x1, y1, x1 + w - 1, y1 + h - 1, area.data(), kAreaW,
                       kAreaW, kAreaH, 0xFF646464);
        benchmark::DoNotOptimize(area.data());
    }
}

void Repaint2MPWhole(benchmark::State& s) {
    repaint(s, small(), 0);
}
void Repaint200MPWhole(benchmark::State& s) {
    repaint(s, large(), 0);
}
void Repaint2MPOneToOne(benchmark::State& s) {
    repaint(s, small(), 1);
}
void Repaint200MPOneToOne(benchmark::State& s) {
    repaint(s, large(), 1);
}
// The dearest zoom: just below the overview's first level, every layer pixel averaged.
void Repaint200MPFactor(benchmark::State& s) {
    repaint(s, large(), static_cast<double>(s.range(0)) / 10);
}
void Repaint200MPIndexedFactor(benchmark::State& s) {
    repaint(s, largeIndexed(), static_cast<double>(s.range(0)) / 10);
}
// The overview of a whole 200-megapixel layer, against one plain pass reading its pixels.
void Overview200MP(benchmark::State& state) {
    Overview overview;
    for (auto _ : state) {
        overview.buildNow(large().layer);
        benchmark::DoNotOptimize(overview.ready());
    }
}
void Overview200MPIndexed(benchmark::State& state) {
    Overview overview;
    for (auto _ : state) {
        overview.buildNow(largeIndexed().layer);
        benchmark::DoNotOptimize(overview.ready());
    }
}
void ReadPass200MP(benchmark::State& state) {
    const Raster& picture = *large().layer.picture();
    for (auto _ : state) {
        std::uint32_t sum = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (const Pixel* p = picture.row(y); p < picture.row(y) + picture.width(); ++p)
                sum += *p;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(Repaint2MPWhole)->Unit(benchmark::kMillisecond);
BENCHMARK(Repaint200MPWhole)->Unit(benchmark::kMillisecond);
BENCHMARK(Repaint2MPOneToOne)->Unit(benchmark::kMillisecond);
BENCHMARK(Repaint200MPOneToOne)->Unit(benchmark::kMillisecond);
BENCHMARK(Repaint200MPFactor)->Arg(15)->Arg(30)->Arg(39)->Arg(60)->Unit(benchmark::kMillisecond);
BENCHMARK(Repaint200MPIndexedFactor)->Arg(10)->Arg(39)->Unit(benchmark::kMillisecond);
BENCHMARK(Overview200MP)->Unit(benchmark::kMillisecond);
BENCHMARK(Overview200MPIndexed)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadPass200MP)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    const int status =
        tracelle::bench::runWithRatios(argc, argv,
                                       {{"Repaint200MPWhole", "Repaint2MPWhole", 2.0},
                                        {"Repaint200MPOneToOne", "Repaint2MPOneToOne", 2.0},
                                        {"Overview200MP", "ReadPass200MP", 2.5}});
    std::puts("Repaint200MPFactor/N (N tenths of a layer pixel a screen pixel): each repaint, a "
              "zoom step, must stay under one frame (16 ms)");
    return status;
}
