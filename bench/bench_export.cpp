// The coordinate export of 100,000 points with both distances, against writing as many lines
// with plain fprintf.
#include "BenchFolder.h"
#include "RatioReporter.h"
#include "files/Export.h"
#include "files/TextFile.h"
#include "model/Project.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>

using namespace tracelle;
namespace fs = std::filesystem;

namespace {

constexpr int kPoints = 100000;

model::Project& project() {
    static model::Project* p = [] {
        auto* created = new model::Project;
        created->setDefaultCalibration(20000, 15000, 0, 0);
        model::TextTable::Bulk bulk(created->points());
        for (int i = 1; i <= kPoints; ++i)
            created->affecte_en(i, 1, "", 0, i * 0.5L, i * 0.25L, i % 20000, i / 100);
        created->setN(kPoints);
        return created;
    }();
    return *p;
}

void Export100kWithDistances(benchmark::State& state) {
    files::ExportChoices choices;
    choices.interDistance = choices.cumulative = true;
    const std::string path = (tracelle::bench::benchFolder() / "export.txt").string();
    project(); // made before the timing
    for (auto _ : state) {
        const files::ExportResult r = files::exporte(project(), choices);
        benchmark::DoNotOptimize(files::writeTextFile(path, r.text));
    }
}
BENCHMARK(Export100kWithDistances)->Unit(benchmark::kMillisecond);

void Fprintf100kLines(benchmark::State& state) {
    const std::string path = (tracelle::bench::benchFolder() / "plain.txt").string();
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        for (int i = 1; i <= kPoints; ++i)
            std::fprintf(f, "%.8f\t%.8f\t%.15g\t%.15g\r\n", i * 0.5, i * 0.25, 0.559, i * 0.559);
        std::fclose(f);
    }
}
BENCHMARK(Fprintf100kLines)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    const int status = tracelle::bench::runWithRatios(
        argc, argv, {{"Export100kWithDistances", "Fprintf100kLines", 5.0}});
    fs::remove_all(tracelle::bench::benchFolder());
    return status;
}
