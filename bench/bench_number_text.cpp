// Number texts against the C library doing the same conversions.
#include "RatioReporter.h"
#include "model/NumberText.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

using namespace tracelle::model;

namespace {

std::vector<long double> sampleReals() {
    std::mt19937_64 rng(42);
    std::uniform_real_distribution<double> dist(-1e6, 1e6);
    std::vector<long double> values(4096);
    for (auto& v : values)
        v = dist(rng);
    return values;
}

const std::vector<long double>& reals() {
    static const auto values = sampleReals();
    return values;
}

std::vector<std::string> sampleTexts() {
    std::vector<std::string> texts;
    for (const long double v : reals()) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.8Lf", v);
        texts.emplace_back(buf);
    }
    return texts;
}

const std::vector<std::string>& texts() {
    static const auto values = sampleTexts();
    return values;
}

void Format2(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(_format2(reals()[i++ & 4095], 18, 8));
    }
}
BENCHMARK(Format2);

void Snprintf(benchmark::State& state) {
    std::size_t i = 0;
    char buf[64];
    for (auto _ : state) {
        std::snprintf(buf, sizeof buf, "%.8Lf", reals()[i++ & 4095]);
        benchmark::DoNotOptimize(std::string(buf));
    }
}
BENCHMARK(Snprintf);

void ValReel(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(val_reel(texts()[i++ & 4095]));
}
BENCHMARK(ValReel);

void Strtold(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(std::strtold(texts()[i++ & 4095].c_str(), nullptr));
}
BENCHMARK(Strtold);

} // namespace

int main(int argc, char** argv) {
    return tracelle::bench::runWithRatios(
        argc, argv, {{"Format2", "Snprintf", 3.0}, {"ValReel", "Strtold", 3.0}});
}
