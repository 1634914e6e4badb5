// tracelle-cli export of a 100,000-point project, the process included, against the same
// reading and export through the core library in this process.
#include "BenchFolder.h"
#include "RatioReporter.h"
#include "files/Export.h"
#include "files/ProjectFile.h"
#include "files/TextFile.h"
#include "model/Project.h"

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>

using namespace tracelle;

namespace {

const std::string& projectFile() {
    static const std::string path = [] {
        model::Project p;
        p.setDefaultCalibration(20000, 15000, 0, 0);
        {
            model::TextTable::Bulk bulk(p.points());
            for (int i = 1; i <= 100000; ++i)
                p.affecte_en(i, 1 + i / 1000, "p", 0, i * 0.5L, i * 0.25L, i % 20000, i / 100);
        }
        p.setN(100000);
        p.setCurrentLine(101);
        const std::string file = (bench::benchFolder() / "grand.trc").string();
        if (!files::sauve_projet(p, file).empty()) throw std::runtime_error("sauve_projet");
        return file;
    }();
    return path;
}

const std::string output = (bench::benchFolder() / "export.txt").string();

void ExportInProcess100k(benchmark::State& state) {
    projectFile();
    for (auto _ : state) {
        model::Project p;
        files::chargeProjetSansImage(projectFile(), p);
        benchmark::DoNotOptimize(files::writeTextFile(output, files::exporte(p, {}).text));
    }
}
BENCHMARK(ExportInProcess100k)->Unit(benchmark::kMillisecond);

void ExportCli100k(benchmark::State& state) {
    std::string file = projectFile();
    std::string out = output;
    std::string program = TRACELLE_CLI;
    std::string command = "export", o = "-o";
    char* argv[] = {program.data(), command.data(), file.data(), o.data(), out.data(), nullptr};
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ) != 0)
            state.SkipWithError("tracelle-cli ne démarre pas");
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("échec");
    }
}
BENCHMARK(ExportCli100k)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return tracelle::bench::runWithRatios(argc, argv,
                                          {{"ExportCli100k", "ExportInProcess100k", 1.5}});
}
