// Refitting 100 control points and recomputing 100,000 points (target: 50 ms), for each
// model, against the three-point frame computing the same points; and 100 control points
// pasted into a project of 100,000 points.
#include "RatioReporter.h"
#include "files/PointImport.h"
#include "model/History.h"
#include "model/Project.h"
#include "model/transform/FittedCalibration.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <vector>

using namespace tracelle;

namespace {

constexpr int kPoints = 100000;
constexpr int kControlPoints = 100;

// A slightly warped map frame, control points a little off.
std::vector<model::ControlPoint> controlPoints(int count) {
    std::vector<model::ControlPoint> points;
    for (int i = 0; i < count; ++i) {
        const model::Real x = (i * 7919) % 20000;
        const model::Real y = (i * 104729) % 15000;
        const model::Real w = 1 + 1e-6L * x - 2e-6L * y;
        points.push_back({{x, y},
                          {(452000 + 1.8L * x + 0.35L * y) / w + std::sin(i) * 0.4L,
                           (5400000 - 0.25L * x - 2.1L * y) / w + std::cos(i) * 0.4L},
                          true});
    }
    return points;
}

void refitAndRecompute(benchmark::State& state, model::TransformMethod method, int count) {
    const auto points = controlPoints(count);
    model::FittedCalibration fit(method);
    for (auto _ : state) {
        fit.fit(points);
        model::Real sum = 0;
        for (int i = 0; i < kPoints; ++i) {
            const auto r =
                fit.toReal({static_cast<model::Real>(i % 20000), static_cast<model::Real>(i / 7)});
            sum += r->X + r->Y;
        }
        benchmark::DoNotOptimize(sum);
    }
}

void ThreePointFrame(benchmark::State& state) {
    refitAndRecompute(state, model::TransformMethod::Affine, 3);
}
BENCHMARK(ThreePointFrame)->Unit(benchmark::kMillisecond);

void Affine100(benchmark::State& state) {
    refitAndRecompute(state, model::TransformMethod::Affine, kControlPoints);
}
BENCHMARK(Affine100)->Unit(benchmark::kMillisecond);

void Helmert100(benchmark::State& state) {
    refitAndRecompute(state, model::TransformMethod::Helmert, kControlPoints);
}
BENCHMARK(Helmert100)->Unit(benchmark::kMillisecond);

void Projective100(benchmark::State& state) {
    refitAndRecompute(state, model::TransformMethod::Projective, kControlPoints);
}
BENCHMARK(Projective100)->Unit(benchmark::kMillisecond);

void Polynomial2_100(benchmark::State& state) {
    refitAndRecompute(state, model::TransformMethod::Polynomial2, kControlPoints);
}
BENCHMARK(Polynomial2_100)->Unit(benchmark::kMillisecond);

// The grid's paste: the rows added and every point recomputed once, as one undo step; the
// undo that makes the next paste the same is not timed.
void PasteControlPoints100(benchmark::State& state) {
    model::Project p;
    p.setDefaultCalibration(20001, 15001, 0, 0);
    std::string text;
    for (int i = 0; i < kPoints; ++i)
        text += std::to_string(i % 20000) + " " + std::to_string(i / 7) + " p\n";
    files::ajoutePointsTexte(p, text);
    std::vector<model::CalibrationRecord> pasted;
    for (const model::ControlPoint& c : controlPoints(kControlPoints))
        pasted.push_back({true, static_cast<std::int32_t>(c.pixel.x),
                          static_cast<std::int32_t>(c.pixel.y), c.real.X, c.real.Y, 0});
    for (auto _ : state) {
        {
            const model::History::Step step(p.history());
            if (p.addControlPoints(pasted) != model::FitStatus::Fitted)
                state.SkipWithError("points de contrôle refusés");
        }
        state.PauseTiming();
        p.history().undo();
        state.ResumeTiming();
    }
    if (p.N() != kPoints) state.SkipWithError("import incomplet");
}
BENCHMARK(PasteControlPoints100)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    const int status =
        tracelle::bench::runWithRatios(argc, argv,
                                       {{"Affine100", "ThreePointFrame", 10.0},
                                        {"Helmert100", "ThreePointFrame", 10.0},
                                        {"Projective100", "ThreePointFrame", 10.0},
                                        {"Polynomial2_100", "ThreePointFrame", 10.0}});
    std::printf("Refit of %d control points and %d points recomputed: each time above must stay "
                "under 50 ms\n",
                kControlPoints, kPoints);
    std::printf("PasteControlPoints100: %d control points pasted into a project of %d points, "
                "the points recomputed once\n",
                kControlPoints, kPoints);
    return status;
}
