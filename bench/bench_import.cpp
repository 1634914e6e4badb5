// Importing 100,000 text lines from a file against reading the same file and splitting its
// lines.
#include "BenchFolder.h"
#include "RatioReporter.h"
#include "files/PointImport.h"
#include "files/TextFile.h"
#include "model/Project.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

using namespace tracelle;

namespace {

const std::string& pointsFile() {
    static const std::string path = [] {
        const std::string p = (bench::benchFolder() / "points.txt").string();
        std::ofstream out(p, std::ios::binary);
        for (int i = 0; i < 100000; ++i)
            out << i * 0.5 << ' ' << i * 0.25 << " p" << i << "\r\n";
        return p;
    }();
    return path;
}

std::unique_ptr<model::Project> calibrated() {
    auto p = std::make_unique<model::Project>();
    p->setDefaultCalibration(60000, 30000, 0, 0);
    return p;
}

// The import as the program runs it once the text is reviewed: the file read, the points
// added, then every real value made again from its pixel.
void Import100kLines(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto p = calibrated();
        state.ResumeTiming();
        const auto text = files::readTextFile(pointsFile(), nullptr);
        benchmark::DoNotOptimize(files::ajoutePointsTexte(*p, *text));
    }
}
BENCHMARK(Import100kLines)->Unit(benchmark::kMillisecond);

void ReadAndSplit100kLines(benchmark::State& state) {
    for (auto _ : state) {
        std::ifstream in(pointsFile(), std::ios::binary);
        std::vector<std::string> lines;
        std::string line;
        while (std::getline(in, line))
            lines.push_back(line);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(ReadAndSplit100kLines)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return tracelle::bench::runWithRatios(argc, argv,
                                          {{"Import100kLines", "ReadAndSplit100kLines", 10.0}});
}
