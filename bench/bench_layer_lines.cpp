// A segment drawn on the layer costs what the canvas shows of it: a point far outside the
// picture (a text import's "1e10 1e10") must draw as fast as a segment across the canvas.
#include "RatioReporter.h"
#include "ui/LayerPainter.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <memory>

using namespace tracelle;

namespace {

constexpr int kW = 4000;
constexpr int kH = 3000;

picture::Layer& layer() {
    static picture::Layer l = [] {
        auto r = std::make_shared<picture::Raster>(picture::Raster::create(kW, kH));
        r->fill(picture::rgb555(255, 255, 255));
        return picture::Layer::over(r, kW, kH, 0, 0, 0);
    }();
    return l;
}

void draw(benchmark::State& state, QPoint to, int width) {
    const QPen pen(QColor(255, 0, 0), width, Qt::SolidLine, Qt::RoundCap);
    for (auto _ : state) {
        ui::LayerPainter painter(layer());
        painter.line({kW / 2, kH / 2}, to, pen);
    }
}

// To the canvas's corner, and to a point in the same direction a million canvases away.
void WideToTheCorner(benchmark::State& s) {
    draw(s, {kW - 1, kH - 1}, 3);
}
void WideToAFarPoint(benchmark::State& s) {
    draw(s, {kW / 2 + 1'000'000 * (kW / 2), kH / 2 + 1'000'000 * (kH / 2)}, 3);
}
void ThinToTheCorner(benchmark::State& s) {
    draw(s, {kW - 1, kH - 1}, 1);
}
void ThinToAFarPoint(benchmark::State& s) {
    draw(s, {kW / 2 + 1'000'000 * (kW / 2), kH / 2 + 1'000'000 * (kH / 2)}, 1);
}
BENCHMARK(WideToTheCorner)->Unit(benchmark::kMillisecond);
BENCHMARK(WideToAFarPoint)->Unit(benchmark::kMillisecond);
BENCHMARK(ThinToTheCorner)->Unit(benchmark::kMillisecond);
BENCHMARK(ThinToAFarPoint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    return tracelle::bench::runWithRatios(
        argc, argv,
        {{"WideToAFarPoint", "WideToTheCorner", 1.5}, {"ThinToAFarPoint", "ThinToTheCorner", 1.5}});
}
