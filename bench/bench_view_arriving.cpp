// Zoom and pan steps over a 100-megapixel picture while it is still arriving (its overview being
// built from the rows come so far) and once whole with its overview: each step, the view moved
// and the image area's 1600 × 1000 pixels drawn again, must fit in a frame (16 ms).
#include "picture/Overview.h"
#include "picture/Stretch.h"
#include "picture/View.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <vector>

using namespace tracelle::picture;

namespace {

constexpr int kAreaW = 1600;
constexpr int kAreaH = 1000;
constexpr int kWidth = 12000;
constexpr int kHeight = 8400;

struct Picture {
    std::shared_ptr<Raster> raster = std::make_shared<Raster>(Raster::create(kWidth, kHeight));
    Picture() {
        for (int y = 0; y < kHeight; ++y) {
            Pixel* row = raster->row(y);
            for (int x = 0; x < kWidth; ++x)
                row[x] = static_cast<Pixel>((x * 7 + y * 13) & 0x7FFF);
        }
    }
};

const Picture& picture() {
    static const Picture p;
    return p;
}

// The layer as the window holds it: half the rows arrived and the overview waiting for the
// rest, or the picture whole with its overview ready.
struct Shown {
    std::shared_ptr<RowArrival> arrival = std::make_shared<RowArrival>();
    Layer layer;
    Overview overview;

    explicit Shown(bool whole) {
        arrival->arrived(kHeight / 2);
        if (whole) arrival->end();
        layer = Layer::over(picture().raster, kWidth, kHeight, 0, 0, 0, arrival);
        if (whole)
            overview.buildNow(layer);
        else
            overview.build(layer, nullptr);
    }
    ~Shown() {
        arrival->end(); // lets the overview's build end
    }
};

void draw(Shown& shown, const ViewRect& v, std::vector<std::uint32_t>& area) {
    const ViewRect s = squarePixels(v, kAreaW, kAreaH);
    shown.layer.takeArrived();
    stretchToRgb32(shown.layer, &shown.overview, s.x1, s.y1, s.x2, s.y2, area.data(), kAreaW,
                   kAreaW, kAreaH, 0xFF646464);
    benchmark::DoNotOptimize(area.data());
}

// Zoom steps in, about the centre, down to 1:1, then out again to the whole picture.
void zoom(benchmark::State& state, bool whole) {
    Shown shown(whole);
    std::vector<std::uint32_t> area(static_cast<std::size_t>(kAreaW) * kAreaH);
    ViewRect v = wholeLayer(kWidth, kHeight);
    bool in = true;
    for (auto _ : state) {
        const ZoomAnchor centre =
            anchorUnder(kAreaW / 2, kAreaH / 2, v, kAreaW, kAreaH, kWidth, kHeight);
        const ViewChange c =
            in ? zoomIn(v, centre, kAreaW, kAreaH) : zoomOut(v, centre, kAreaW, kAreaH);
        v = c.view;
        if (in && v.width() <= kAreaW) in = false;
        if (!in && v.width() >= kWidth) in = true;
        draw(shown, v, area);
    }
}

// Pan steps across the picture at a third of its size, turning at the edges.
void panAcross(benchmark::State& state, bool whole) {
    Shown shown(whole);
    std::vector<std::uint32_t> area(static_cast<std::size_t>(kAreaW) * kAreaH);
    ViewRect v{0, kHeight / 3, kWidth / 3 - 1, kHeight / 3 + kHeight / 3 - 1};
    Move move = Move::Right;
    for (auto _ : state) {
        ViewChange c = pan(v, kWidth, kHeight, move);
        if (c.beep || c.view == v) {
            move = move == Move::Right ? Move::Left : Move::Right;
            c = pan(v, kWidth, kHeight, move);
        }
        v = c.view;
        draw(shown, v, area);
    }
}

void ZoomWhileArriving(benchmark::State& s) {
    zoom(s, false);
}
void ZoomWithOverview(benchmark::State& s) {
    zoom(s, true);
}
void PanWhileArriving(benchmark::State& s) {
    panAcross(s, false);
}
void PanWithOverview(benchmark::State& s) {
    panAcross(s, true);
}
BENCHMARK(ZoomWhileArriving)->Unit(benchmark::kMillisecond);
BENCHMARK(ZoomWithOverview)->Unit(benchmark::kMillisecond);
BENCHMARK(PanWhileArriving)->Unit(benchmark::kMillisecond);
BENCHMARK(PanWithOverview)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::puts("Each step (the view moved and drawn again) must stay under one frame (16 ms), "
              "while the picture arrives and after.");
    return 0;
}
