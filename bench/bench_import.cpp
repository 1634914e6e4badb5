// Importing 100,000 text lines against reading the same text and splitting its lines.
#include "RatioReporter.h"
#include "files/PointImport.h"
#include "model/Project.h"

#include <benchmark/benchmark.h>
#include <sstream>
#include <string>

using namespace tracelle;

namespace {

const std::string& text() {
    static const std::string t = [] {
        std::string s;
        for (int i = 0; i < 100000; ++i)
            s += std::to_string(i * 0.5) + " " + std::to_string(i * 0.25) + " p" +
                 std::to_string(i) + "\n";
        return s;
    }();
    return t;
}

void Import100kLines(benchmark::State& state) {
    for (auto _ : state) {
        model::Project p;
        p.setDefaultCalibration(60000, 30000, 0, 0);
        benchmark::DoNotOptimize(files::ajoutePointsTexte(p, text()));
    }
}
BENCHMARK(Import100kLines)->Unit(benchmark::kMillisecond);

void SplitLines100k(benchmark::State& state) {
    for (auto _ : state) {
        std::istringstream in(text());
        std::string line;
        std::size_t count = 0;
        while (std::getline(in, line))
            count += line.size();
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(SplitLines100k)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return tracelle::bench::runWithRatios(argc, argv,
                                          {{"Import100kLines", "SplitLines100k", 10.0}});
}
