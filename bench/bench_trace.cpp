// Tracing on a 100-megapixel scan: a line of about 20,000 pixels followed from one click,
// against one read of the band of pixels around the line that the tracing looks at; a snapped
// click; the dominant colours from the overview.
#include "RatioReporter.h"
#include "picture/Layer.h"
#include "picture/Overview.h"
#include "trace/Trace.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

using namespace tracelle;
using picture::Layer;
using picture::Pixel;
using picture::Raster;

namespace {

constexpr int kSide = 10000; // 100 megapixels
constexpr trace::Rgb kLine{180, 40, 30};
constexpr trace::Rgb kPaper{250, 248, 240};
constexpr int kBand = 7; // pixels each side of a line 3 wide that the tracing measures across

using Clock = std::chrono::steady_clock;

std::map<std::string, double>& milliseconds() {
    static std::map<std::string, double> all;
    return all;
}
void account(benchmark::State& state, const char* name, Clock::time_point start) {
    const double s = std::chrono::duration<double>(Clock::now() - start).count();
    state.SetIterationTime(s);
    double& ms = milliseconds()[name];
    ms = ms == 0 ? 1000 * s : std::min(ms, 1000 * s);
}

// A contour across the scan: 10,000 columns of a wave, about 22,000 pixels long.
trace::PointF curve(double x) {
    return {x, 5000 + 3000 * std::sin(x / 1000)};
}

const Layer& scan() {
    static const Layer layer = [] {
        auto r = std::make_shared<Raster>(Raster::create(kSide, kSide));
        r->fill(picture::rgb555(kPaper.r, kPaper.g, kPaper.b));
        const Pixel ink = picture::rgb555(kLine.r, kLine.g, kLine.b);
        for (double x = 2; x < kSide - 2; x += 0.1) {
            const trace::PointF p = curve(x);
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    r->row(int(std::lround(p.y)) + dy)[int(std::lround(p.x)) + dx] = ink;
        }
        return Layer::over(r, kSide, kSide, 0, 0, picture::rgb555(255, 255, 255));
    }();
    return layer;
}

// The band the tracing measures: kBand pixels each side of every pixel of the line, across it.
void ReadAlongLine(benchmark::State& state) {
    const Layer& layer = scan();
    const trace::LineColour colour(kLine, kPaper);
    for (auto _ : state) {
        const auto start = Clock::now();
        double sum = 0;
        trace::PointF p = curve(2);
        for (double x = 2; x < kSide - 2;) {
            const double slope = 3 * std::cos(x / 1000);
            const double step = 1 / std::sqrt(1 + slope * slope); // one pixel along the line
            x += step;
            p = curve(x);
            const double nx = -slope * step, ny = step;
            for (int t = -kBand; t <= kBand; ++t)
                sum += colour.weight(layer.pixel(int(p.x + t * nx), int(p.y + t * ny)));
        }
        benchmark::DoNotOptimize(sum);
        account(state, "ReadAlongLine", start);
    }
}

void TraceLine(benchmark::State& state) {
    const Layer& layer = scan();
    const trace::PointF click = curve(5000);
    std::size_t length = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const trace::Trace t =
            trace::followLine(layer, {int(std::lround(click.x)), int(std::lround(click.y))});
        benchmark::DoNotOptimize(t.centreline.data());
        account(state, "TraceLine", start);
        length = t.centreline.size();
    }
    state.counters["points"] = double(length);
}

void SnapClick(benchmark::State& state) {
    const Layer& layer = scan();
    const trace::LineColour colour(kLine, kPaper);
    const trace::PointF on = curve(2500);
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(trace::snapToLine(
            layer, {int(std::lround(on.x)) + 3, int(std::lround(on.y)) - 2}, colour));
        account(state, "SnapClick", start);
    }
}

// The colour found near the click first, its weights made, then the snap.
void SnapClickAnyColour(benchmark::State& state) {
    const Layer& layer = scan();
    const trace::PointF on = curve(2500);
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(
            trace::snapToLine(layer, {int(std::lround(on.x)) + 3, int(std::lround(on.y)) - 2}));
        account(state, "SnapClickAnyColour", start);
    }
}

void DominantColours(benchmark::State& state) {
    static picture::Overview overview;
    const picture::Layer& layer = scan();
    if (!overview.ready()) overview.buildNow(layer);
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(
            trace::dominantColours(overview, {0, 0, layer.width() - 1, layer.height() - 1})
                .colours.data());
        account(state, "DominantColours", start);
    }
}

BENCHMARK(ReadAlongLine)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(TraceLine)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(SnapClick)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(SnapClickAnyColour)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(DominantColours)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    const int status = tracelle::bench::runWithRatios(
        argc, argv, {{"TraceLine/manual_time", "ReadAlongLine/manual_time", 3.0}});
    const struct {
        const char* name;
        double target;
    } absolute[] = {
        {"TraceLine", 100}, {"SnapClick", 1}, {"SnapClickAnyColour", 1}, {"DominantColours", 150}};
    for (const auto& a : absolute)
        if (const auto m = milliseconds().find(a.name); m != milliseconds().end())
            std::printf("%-19s %9.3f ms  (target <= %g ms) %s\n", a.name, m->second, a.target,
                        m->second <= a.target ? "ok" : "MISSED");
    return status;
}
