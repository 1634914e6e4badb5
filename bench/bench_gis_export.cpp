// The exports for GIS and CAD of 100,000 points on 1,000 lines in Lambert-93, each against
// the plain text export of the same points: GeoJSON and KML include PROJ's transformation to
// WGS 84, the Shapefile its two layers and the DXF its labels.
#include "BenchFolder.h"
#include "RatioReporter.h"
#include "files/Export.h"
#include "files/TextFile.h"
#include "gis/GisExport.h"
#include "model/Project.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

using namespace tracelle;
namespace fs = std::filesystem;

namespace {

constexpr int kLines = 1000;
constexpr int kPointsPerLine = 100;

model::Project& project() {
    static model::Project* p = [] {
        auto* created = new model::Project;
        created->setDefaultCalibration(20000, 15000, 0, 0);
        model::TextTable::Bulk bulk(created->points());
        int i = 0;
        for (int L = 1; L <= kLines; ++L) {
            for (int k = 0; k < kPointsPerLine; ++k) {
                ++i;
                created->affecte_en(i, L, k == 0 ? "borne " + std::to_string(L) : "", 100 + k,
                                    650000 + L * 10.0L + k * 0.5L, 6860000 + k * 2.0L, i % 20000,
                                    i / 100);
            }
        }
        created->setN(i);
        created->lines().setRowCount(kLines + 1);
        for (int L = 1; L <= kLines; ++L)
            created->lines().setRow(L, {std::to_string(L), "2", std::to_string(L * 977), "x"});
        return created;
    }();
    return *p;
}

void TextExport100k(benchmark::State& state) {
    const std::string path = (bench::benchFolder() / "export.txt").string();
    project();
    for (auto _ : state) {
        const files::ExportResult r = files::exporte(project(), files::ExportChoices{});
        benchmark::DoNotOptimize(files::writeTextFile(path, r.text));
    }
}
BENCHMARK(TextExport100k)->Unit(benchmark::kMillisecond);

void GisExport100k(benchmark::State& state, gis::Format format) {
    const std::string path =
        (bench::benchFolder() / (std::string("export.") + gis::extensionFormat(format))).string();
    project();
    for (auto _ : state) {
        const gis::GisResult r = gis::exporteSig(project(), {format, "EPSG:2154", true}, path);
        if (!r.error.empty()) state.SkipWithError(r.error.c_str());
    }
}
BENCHMARK_CAPTURE(GisExport100k, GeoJson, gis::Format::GeoJson)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GisExport100k, Kml, gis::Format::Kml)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GisExport100k, Shapefile, gis::Format::Shapefile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GisExport100k, Dxf, gis::Format::Dxf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    std::vector<bench::Ratio> ratios;
    for (const char* format : {"GeoJson", "Kml", "Shapefile", "Dxf"})
        ratios.push_back({std::string("GisExport100k/") + format, "TextExport100k", 5.0});
    const int status = bench::runWithRatios(argc, argv, ratios);
    fs::remove_all(bench::benchFolder());
    return status;
}
