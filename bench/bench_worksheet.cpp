// tracelle-cli utm utm-to-latlon on a worksheet of 100,000 UTM positions spread over the 60
// zones and both hemispheres, the process included, against the same program reading and
// writing the same worksheet without converting anything: a dms-to-decimal run, which finds
// no degrees-minutes-seconds to read and writes the worksheet back as it read it. Both runs
// start a process, decode the same bytes, parse the same cells and write the same kind of
// file, so the ratio is what the conversion itself costs.
#include "BenchFolder.h"
#include "RatioReporter.h"
#include "files/TextFile.h"
#include "geodesy/Worksheet.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>

using namespace tracelle;

namespace {

constexpr int kRows = 100000;

const std::string& worksheetFile() {
    static const std::string path = [] {
        geodesy::Worksheet sheet(kRows);
        model::TextTable& t = sheet.table();
        for (int row = 1; row <= kRows; ++row) {
            // Eastings across a zone's width, northings from the equator to high latitudes.
            const long long easting = 200000 + (row * 7919LL) % 600000;
            const long long northing = 1000 + (row * 104729LL) % 8800000;
            t.setCell(row, 1, std::string("P").append(std::to_string(row)));
            t.setCell(row, 2,
                      std::to_string(easting / 1000) + " " + std::to_string(easting % 1000));
            t.setCell(row, 3, std::to_string(northing) + ".5");
            t.setCell(row, 4, std::to_string(1 + row % 60));
            t.setCell(row, 6, row % 3 == 0 ? "S" : "N");
            t.setCell(row, 7, row % 5 == 0 ? "International" : "WGS 84");
        }
        const std::string file = (bench::benchFolder() / "grand_utm.txt").string();
        if (!files::writeTextFile(file, sheet.texteExport()).empty())
            throw std::runtime_error("writeTextFile");
        return file;
    }();
    return path;
}

const std::string output = (bench::benchFolder() / "sortie.txt").string();
double bestConversionSeconds = 1e9;

// One run of the program; its wall time.
double runCli(benchmark::State& state, const char* conversion) {
    std::string program = TRACELLE_CLI;
    std::string command = "utm", which = conversion, file = worksheetFile(), o = "-o", out = output;
    char* argv[] = {program.data(), command.data(), which.data(), file.data(),
                    o.data(),       out.data(),     nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ) != 0) {
        state.SkipWithError("tracelle-cli ne démarre pas");
        return 0;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("échec");
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void UtmVersLatLonCli100k(benchmark::State& state) {
    worksheetFile();
    for (auto _ : state)
        bestConversionSeconds = std::min(bestConversionSeconds, runCli(state, "utm-to-latlon"));
}
BENCHMARK(UtmVersLatLonCli100k)->Unit(benchmark::kMillisecond);

void SansConversionCli100k(benchmark::State& state) {
    worksheetFile();
    for (auto _ : state)
        runCli(state, "dms-to-decimal");
}
BENCHMARK(SansConversionCli100k)->Unit(benchmark::kMillisecond);

// The same two in this process, without the process start and the file writing: where the
// time goes (no target: the command as a user runs it is what counts).
void UtmVersLatLonInProcess100k(benchmark::State& state) {
    std::string error;
    const auto bytes = files::readBytesFile(worksheetFile(), &error);
    for (auto _ : state) {
        auto sheet = geodesy::Worksheet::lit(*bytes, error);
        sheet->utmVersLatLon("6378", "6347");
        benchmark::DoNotOptimize(sheet->texteExport());
    }
}
BENCHMARK(UtmVersLatLonInProcess100k)->Unit(benchmark::kMillisecond);

void LitEtExportInProcess100k(benchmark::State& state) {
    std::string error;
    const auto bytes = files::readBytesFile(worksheetFile(), &error);
    for (auto _ : state) {
        auto sheet = geodesy::Worksheet::lit(*bytes, error);
        benchmark::DoNotOptimize(sheet->texteExport());
    }
}
BENCHMARK(LitEtExportInProcess100k)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    const int status = tracelle::bench::runWithRatios(
        argc, argv, {{"UtmVersLatLonCli100k", "SansConversionCli100k", 3.0}});
    if (bestConversionSeconds < 1e9)
        std::printf("utm-to-latlon, 100 000 lignes : %.0f ms au mieux (target < 1000 ms) %s\n",
                    bestConversionSeconds * 1000, bestConversionSeconds < 1 ? "ok" : "MISSED");
    return status;
}
