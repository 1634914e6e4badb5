// The view's repaint: stretching the shown rectangle of the layer into a 1600 × 1000 image
// area must cost the same for a 200-megapixel layer as for a 2-megapixel one.
#include "RatioReporter.h"
#include "picture/Stretch.h"

#include <benchmark/benchmark.h>
#include <vector>

using namespace tracelle::picture;

namespace {

constexpr int kAreaW = 1600;
constexpr int kAreaH = 1000;

Raster makeLayer(int w, int h) {
    Raster r = Raster::create(w, h);
    for (int y = 0; y < h; ++y) {
        Pixel* row = r.row(y);
        for (int x = 0; x < w; ++x)
            row[x] = static_cast<Pixel>((x * 7 + y * 13) & 0x7FFF);
    }
    return r;
}

const Raster& small() {
    static const Raster r = makeLayer(1732, 1155); // 2 megapixels
    return r;
}

const Raster& large() {
    static const Raster r = makeLayer(17320, 11547); // 200 megapixels
    return r;
}

void repaint(benchmark::State& state, const Raster& layer, bool whole) {
    std::vector<std::uint32_t> area(static_cast<std::size_t>(kAreaW) * kAreaH);
    // The whole picture, or 1:1 about its centre.
    const int x1 = whole ? 0 : layer.width() / 2 - kAreaW / 2;
    const int y1 = whole ? 0 : layer.height() / 2 - kAreaH / 2;
    const int x2 = whole ? layer.width() - 1 : x1 + kAreaW - 1;
    const int y2 = whole ? layer.height() - 1 : y1 + kAreaH - 1;
    for (auto _ : state) {
        stretchToRgb32(layer, x1, y1, x2, y2, area.data(), kAreaW, kAreaW, kAreaH, 0xFF646464);
        benchmark::DoNotOptimize(area.data());
    }
}

void Repaint2MPWhole(benchmark::State& s) {
    repaint(s, small(), true);
}
void Repaint200MPWhole(benchmark::State& s) {
    repaint(s, large(), true);
}
void Repaint2MPOneToOne(benchmark::State& s) {
    repaint(s, small(), false);
}
void Repaint200MPOneToOne(benchmark::State& s) {
    repaint(s, large(), false);
}
BENCHMARK(Repaint2MPWhole)->Unit(benchmark::kMillisecond);
BENCHMARK(Repaint200MPWhole)->Unit(benchmark::kMillisecond);
BENCHMARK(Repaint2MPOneToOne)->Unit(benchmark::kMillisecond);
BENCHMARK(Repaint200MPOneToOne)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return tracelle::bench::runWithRatios(argc, argv,
                                          {{"Repaint200MPWhole", "Repaint2MPWhole", 2.0},
                                           {"Repaint200MPOneToOne", "Repaint2MPOneToOne", 2.0}});
}
