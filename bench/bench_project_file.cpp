// Saving and opening a project of 100,000 points against writing and reading the same bytes,
// and its copy against a crash.
#include "BenchFolder.h"
#include "RatioReporter.h"
#include "files/ProjectFile.h"
#include "files/Recovery.h"
#include "model/Project.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace tracelle;
namespace fs = std::filesystem;

namespace {

model::Project& project() {
    static model::Project* p = [] {
        auto* created = new model::Project;
        created->picture() = {"/cartes/plan.jpg", 20000, 15000, 0, 0};
        created->setDefaultCalibration(20000, 15000, 0, 0);
        model::TextTable::Bulk bulk(created->points());
        for (int i = 1; i <= 100000; ++i)
            created->affecte_en(i, 1 + i / 1000, "", 0, i * 0.5L, i * 0.25L, i % 20000, i / 100);
        created->setN(100000);
        created->lines().setRowCount(101);
        for (int l = 1; l <= 100; ++l)
            for (int c = 0; c < 4; ++c)
                created->lines().setCell(l, c, c == 0 ? std::to_string(l) : "4");
        created->setCurrentLine(100);
        return created;
    }();
    return *p;
}

std::string savedBytes() {
    const std::string path = (tracelle::bench::benchFolder() / "reference.trc").string();
    files::sauve_projet(project(), path);
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void SaveProject100k(benchmark::State& state) {
    const std::string path = (tracelle::bench::benchFolder() / "save.trc").string();
    project(); // made before the timing
    for (auto _ : state)
        benchmark::DoNotOptimize(files::sauve_projet(project(), path));
}
BENCHMARK(SaveProject100k)->Unit(benchmark::kMillisecond);

// The copy against a crash, written by the window's timer while the work is unsaved: the time
// the window stops answering once a minute at most.
void RecoveryCopy100k(benchmark::State& state) {
    setenv("XDG_CONFIG_HOME", tracelle::bench::benchFolder().c_str(), 1);
    project();
    for (auto _ : state)
        benchmark::DoNotOptimize(files::ecritSecours(project(), "plan.trc"));
    files::effaceSecours();
}
BENCHMARK(RecoveryCopy100k)->Unit(benchmark::kMillisecond);

void WriteSameBytes(benchmark::State& state) {
    const std::string bytes = savedBytes();
    const std::string path = (tracelle::bench::benchFolder() / "raw.trc").string();
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}
BENCHMARK(WriteSameBytes)->Unit(benchmark::kMillisecond);

void OpenProject100k(benchmark::State& state) {
    const std::string path = (tracelle::bench::benchFolder() / "open.trc").string();
    files::sauve_projet(project(), path);
    for (auto _ : state) {
        auto text = files::ProjectText::read(path, nullptr);
        int w, h, dx, dy;
        std::int64_t n, nl, k;
        text->readCanvas(w, h, dx, dy);
        text->readCounts(n, nl, k);
        model::Project p;
        files::appliqueTables(p,
                              files::litTables(*text, text->tablesStart(), int(k), int(n), int(nl)),
                              int(k), int(n), int(nl));
        benchmark::DoNotOptimize(p.N());
    }
}
BENCHMARK(OpenProject100k)->Unit(benchmark::kMillisecond);

void ReadSameBytes(benchmark::State& state) {
    const std::string path = (tracelle::bench::benchFolder() / "open.trc").string();
    files::sauve_projet(project(), path);
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        benchmark::DoNotOptimize(s.str().size());
    }
}
BENCHMARK(ReadSameBytes)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    const int status = tracelle::bench::runWithRatios(
        argc, argv,
        {{"SaveProject100k", "WriteSameBytes", 10.0}, {"OpenProject100k", "ReadSameBytes", 10.0}});
    fs::remove_all(tracelle::bench::benchFolder());
    return status;
}
