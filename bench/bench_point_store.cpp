// The recomputation after a calibration change and the nearest-point search, on 100,000 points.
#include "RatioReporter.h"
#include "model/Project.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <string>

using namespace tracelle::model;

namespace {

constexpr int kPoints = 100000;

// Lines of 1000 points spread over a 20000 × 15000 picture.
Project& project() {
    static Project* p = [] {
        auto* created = new Project;
        created->setDefaultCalibration(20000, 15000, 0, 0);
        for (int i = 0; i < kPoints; ++i) {
            if (i > 0 && i % 1000 == 0) created->setLineBreakPending(true);
            created->ajoute_point(static_cast<int>((i * 7919LL) % 20000),
                                  static_cast<int>((i * 104729LL) % 15000));
        }
        return created;
    }();
    return *p;
}

void Recompute100k(benchmark::State& state) {
    Project& p = project();
    for (auto _ : state)
        p.calcul_nouveaux_calage();
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(Recompute100k)->Unit(benchmark::kMillisecond);

void Snprintf200kReals(benchmark::State& state) {
    Project& p = project();
    for (auto _ : state) {
        char buf[64];
        for (int i = 1; i <= kPoints; ++i) {
            Real X = 0, Y = 0;
            p.repere_carte(i, i, X, Y);
            std::snprintf(buf, sizeof buf, "%.8Lf", X);
            benchmark::DoNotOptimize(std::string(buf));
            std::snprintf(buf, sizeof buf, "%.8Lf", Y);
            benchmark::DoNotOptimize(std::string(buf));
        }
    }
}
BENCHMARK(Snprintf200kReals)->Unit(benchmark::kMillisecond);

void Nearest100k(benchmark::State& state) {
    Project& p = project();
    int step = 0;
    for (auto _ : state) {
        p.setMousePosition({(step * 331) % 20000, (step * 577) % 15000});
        ++step;
        NearestPoint found;
        benchmark::DoNotOptimize(p.cherche_proche_indice_ligne_point(found));
    }
}
BENCHMARK(Nearest100k)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    const int status =
        tracelle::bench::runWithRatios(argc, argv, {{"Recompute100k", "Snprintf200kReals", 3.0}});
    std::printf("Nearest100k: the time per call above must stay under one frame (16 ms)\n");
    return status;
}
