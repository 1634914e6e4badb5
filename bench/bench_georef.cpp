// Opening a georeferenced 100-megapixel TIFF against opening the same picture without its
// position: the import may cost nothing the eye could see beyond the decoding. GeoTIFF tags,
// a .TAB, a .hdr and a world file are each read after decoding the picture, then made into
// the project's calibration, as the import does.
#include "BenchFolder.h"
#include "ScanTiff.h"
#include "georef/Affine.h"
#include "georef/Georef.h"
#include "georef/WorldFile.h"
#include "model/Project.h"
#include "picture/Decoder.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <geotiff/geotiff.h>
#include <geotiff/geovalues.h>
#include <geotiff/xtiffio.h>
#include <map>
#include <string>
#include <tiffio.h>
#include <vector>

namespace fs = std::filesystem;
using namespace tracelle;

namespace {

constexpr int kWidth = 12000;
constexpr int kHeight = 8400; // 100.8 megapixels
constexpr int kRowsPerStrip = 8;
constexpr int kRuns = 15; // repetitions of each case, interleaved at random
// Half a metre a pixel from the corner (500000, 5000000), UTM zone 31N.
constexpr double kPixel = 0.5;
constexpr double kLeft = 500000, kTop = 5000000;

// Paper under scanner noise, a river, contour lines and a grid: deflate then compresses about
// as it does a scanned map.
void mapRow(int y, std::uint8_t* out) {
    for (int x = 0; x < kWidth; ++x, out += 3) {
        const unsigned grain =
            (static_cast<unsigned>(x) * 73856093u) ^ (static_cast<unsigned>(y) * 19349663u);
        const int noise = static_cast<int>((grain >> 13) % 5) * 2;
        int r = 236 - noise, g = 230 - noise, b = 212 - noise;
        if (std::abs(y - 4200 - static_cast<int>(900 * std::sin(x / 1400.0))) < 80)
            r = 168, g = 204, b = 230;
        if ((x + 2 * y + static_cast<int>(300 * std::sin(x / 700.0))) % 60 < 2)
            r = 168, g = 110, b = 62;
        if (x % 1000 == 0 || y % 1000 == 0) r = g = b = 40;
        out[0] = static_cast<std::uint8_t>(r);
        out[1] = static_cast<std::uint8_t>(g);
        out[2] = static_cast<std::uint8_t>(b);
    }
}

void setPictureFields(TIFF* tif) {
    bench::setScanFields(tif, kWidth, kHeight, COMPRESSION_ADOBE_DEFLATE, kRowsPerStrip);
}

// The same strips into both files: one plain TIFF, one with a tie point, a pixel scale and
// EPSG 32631 written through libgeotiff.
bool writePictures(const std::string& plain, const std::string& geo) {
    TIFF* a = TIFFOpen(plain.c_str(), "w");
    TIFF* b = XTIFFOpen(geo.c_str(), "w");
    bool ok = a && b;
    if (ok) {
        setPictureFields(a);
        setPictureFields(b);
        const double tie[6] = {0, 0, 0, kLeft, kTop, 0};
        const double scale[3] = {kPixel, kPixel, 0};
        TIFFSetField(b, TIFFTAG_GEOTIEPOINTS, 6, tie);
        TIFFSetField(b, TIFFTAG_GEOPIXELSCALE, 3, scale);
        GTIF* gtif = GTIFNew(b);
        ok = gtif != nullptr;
        if (gtif) {
            GTIFKeySet(gtif, GTModelTypeGeoKey, TYPE_SHORT, 1, ModelTypeProjected);
            GTIFKeySet(gtif, GTRasterTypeGeoKey, TYPE_SHORT, 1, RasterPixelIsArea);
            GTIFKeySet(gtif, ProjectedCSTypeGeoKey, TYPE_SHORT, 1, 32631);
            GTIFWriteKeys(gtif);
            GTIFFree(gtif);
        }
    }
    const std::size_t rowBytes = std::size_t{kWidth} * 3;
    std::vector<std::uint8_t> strip(rowBytes * kRowsPerStrip), copy(strip.size());
    for (int y = 0; y < kHeight && ok; y += kRowsPerStrip) {
        for (int r = 0; r < kRowsPerStrip; ++r)
            mapRow(y + r, strip.data() + rowBytes * r);
        // libtiff may encode in place: each file gets its own copy of the samples.
        std::memcpy(copy.data(), strip.data(), strip.size());
        const auto s = static_cast<std::uint32_t>(y / kRowsPerStrip);
        const auto n = static_cast<tmsize_t>(strip.size());
        ok = TIFFWriteEncodedStrip(a, s, strip.data(), n) >= 0 &&
             TIFFWriteEncodedStrip(b, s, copy.data(), n) >= 0;
    }
    if (a) TIFFClose(a);
    if (b) XTIFFClose(b);
    return ok;
}

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The descriptors of the plain picture, all giving the GeoTIFF's map.
void writeDescriptors(const fs::path& folder) {
    writeText(folder / "plain.tab",
              "!table\r\n!version 300\r\n\r\nDefinition Table\r\n  File \"plain.tif\"\r\n"
              "  Type \"RASTER\"\r\n"
              "  (500000,5000000) (0,0) Label \"Pt 1\",\r\n"
              "  (506000,5000000) (12000,0) Label \"Pt 2\",\r\n"
              "  (500000,4995800) (0,8400) Label \"Pt 3\"\r\n"
              "  CoordSys Earth Projection 8, 104, \"m\", 3, 0, 0.9996, 500000, 0\r\n");
    writeText(folder / "plain.hdr", "xdim 0.5\nydim -0.5\nncols 12000\nnrows 8400\n"
                                    "ulxmap 500000\nulymap 5000000\n");
    writeText(folder / "plain.tfw", "0.5\n0\n0\n-0.5\n500000.25\n4999999.75\n");
}

struct Opened {
    int width = 0, height = 0;
};

Opened decode(benchmark::State& state, const std::string& path) {
    const picture::Decoded d = picture::decodeFile(path);
    if (!d.ok()) state.SkipWithError(d.error.c_str());
    benchmark::DoNotOptimize(d.raster.data());
    return {d.raster.width(), d.raster.height()};
}

// The project as the import leaves it: the picture, its frame, then the calibration read.
void applique(benchmark::State& state, const georef::Calage& calage, Opened size) {
    if (!calage.ok()) state.SkipWithError(calage.error.c_str());
    model::Project project;
    project.picture() = {calage.picture, size.width, size.height, 0, 0};
    project.setDefaultCalibration(size.width, size.height, 0, 0);
    georef::appliqueCalage(project, calage);
    benchmark::DoNotOptimize(project.K());
}

fs::path file(const char* name) {
    return tracelle::bench::benchFolder() / name;
}

void PlainOpen(benchmark::State& state) {
    for (auto _ : state)
        decode(state, file("plain.tif"));
}

void GeoOpen(benchmark::State& state) {
    const std::string geo = file("geo.tif");
    for (auto _ : state) {
        const Opened size = decode(state, geo);
        const auto calage = georef::calagePropre(geo, size.width, size.height);
        if (!calage)
            state.SkipWithError("no calibration found in the GeoTIFF");
        else
            applique(state, *calage, size);
    }
}

void TabOpen(benchmark::State& state) {
    for (auto _ : state) {
        const georef::Calage calage = georef::lit_tab(file("plain.tab"));
        applique(state, calage, decode(state, calage.picture));
    }
}

void HdrOpen(benchmark::State& state) {
    for (auto _ : state) {
        const georef::Calage calage = georef::lit_hdr(file("plain.hdr"));
        applique(state, calage, decode(state, calage.picture));
    }
}

void WorldOpen(benchmark::State& state) {
    const std::string world = file("plain.tfw");
    for (auto _ : state) {
        const std::string picture = georef::pictureForWorldFile(world);
        const georef::WorldRead read = georef::lit_world(world);
        if (!read.error.empty()) state.SkipWithError(read.error.c_str());
        const Opened size = decode(state, picture);
        georef::Calage calage = georef::calageAffine(read.map, size.width, size.height, "tfw");
        calage.picture = picture;
        applique(state, calage, size);
    }
}

// The import's own work without the decoding: what GeoOpen adds to PlainOpen.
void GeoTagsAlone(benchmark::State& state) {
    const std::string geo = file("geo.tif");
    for (auto _ : state) {
        const auto calage = georef::calagePropre(geo, kWidth, kHeight);
        if (!calage)
            state.SkipWithError("no calibration found in the GeoTIFF");
        else
            applique(state, *calage, {kWidth, kHeight});
    }
}

// Each repetition's seconds, by benchmark: the median and the fastest are printed at the end.
class Recorder : public benchmark::ConsoleReporter {
public:
    std::map<std::string, std::vector<double>> seconds;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0 && !run.error_occurred)
                seconds[run.run_name.function_name].push_back(run.real_accumulated_time /
                                                              static_cast<double>(run.iterations));
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

void printFigures(const Recorder& recorder) {
    const auto find = [&](const char* name) -> const std::vector<double>* {
        const auto it = recorder.seconds.find(name);
        return it == recorder.seconds.end() || it->second.empty() ? nullptr : &it->second;
    };
    const std::vector<double>* plain = find("PlainOpen");
    std::printf("\n%d x %d RGB deflate TIFF, median and fastest of the runs:\n", kWidth, kHeight);
    const struct {
        const char* name;
        const char* work;
    } rows[] = {
        {"PlainOpen", "decodeFile, no position"},
        {"GeoOpen", "decodeFile + calagePropre (tags) + appliqueCalage"},
        {"TabOpen", "lit_tab + decodeFile + appliqueCalage"},
        {"HdrOpen", "lit_hdr + decodeFile + appliqueCalage"},
        {"WorldOpen", "lit_world + decodeFile + calageAffine + appliqueCalage"},
        {"GeoTagsAlone", "calagePropre + appliqueCalage, no decoding"},
    };
    for (const auto& row : rows) {
        const std::vector<double>* s = find(row.name);
        if (!s) continue;
        std::printf("  %-13s %9.2f ms  (fastest %9.2f ms)  %s\n", row.name, median(*s) * 1e3,
                    *std::min_element(s->begin(), s->end()) * 1e3, row.work);
    }
    if (!plain) return;
    // Two decodings of 100 megapixels differ by a few per cent from one run to the next.
    for (const char* name : {"GeoOpen", "TabOpen", "HdrOpen", "WorldOpen"}) {
        const std::vector<double>* s = find(name);
        if (!s) continue;
        const double ratio = median(*s) / median(*plain);
        const double fastest = *std::min_element(s->begin(), s->end()) /
                               *std::min_element(plain->begin(), plain->end());
        std::printf("ratio %-9s / PlainOpen = %5.3f, fastest %5.3f  (target <= 1.0, ok within "
                    "1.05 for the noise) %s\n",
                    name, ratio, fastest, ratio <= 1.05 ? "ok" : "MISSED");
    }
}

} // namespace

int main(int argc, char** argv) {
    const fs::path& folder = tracelle::bench::benchFolder();
    const std::string plain = (folder / "plain.tif").string();
    const std::string geo = (folder / "geo.tif").string();
    if (!writePictures(plain, geo)) {
        std::fprintf(stderr, "cannot write %s and %s\n", plain.c_str(), geo.c_str());
        return 1;
    }
    writeDescriptors(folder);
    std::printf("plain.tif %.1f MB, geo.tif %.1f MB on disk\n",
                static_cast<double>(fs::file_size(plain)) / (1 << 20),
                static_cast<double>(fs::file_size(geo)) / (1 << 20));
    // Once a process: libgeotiff registers its tags and finds the EPSG code's name.
    const auto start = std::chrono::steady_clock::now();
    const auto first = georef::calagePropre(geo, kWidth, kHeight);
    std::printf(
        "first GeoTIFF tags read in the process: %.2f ms (%s)\n",
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count(),
        first ? (first->ok() ? first->crs : first->error).c_str() : "no calibration");

    // Repetitions taken in a shuffled order, so that a slow spell of the machine falls on
    // every case alike rather than on the one that ran then.
    std::vector<char*> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    if (std::none_of(args.begin() + 1, args.end(), [](const char* a) {
            return std::strncmp(a, "--benchmark_enable_random_interleaving", 38) == 0;
        }))
        args.push_back(interleave.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());

    for (const auto& [name, run] :
         std::initializer_list<std::pair<const char*, void (*)(benchmark::State&)>>{
             {"PlainOpen", PlainOpen},
             {"GeoOpen", GeoOpen},
             {"TabOpen", TabOpen},
             {"HdrOpen", HdrOpen},
             {"WorldOpen", WorldOpen}})
        benchmark::RegisterBenchmark(name, run)->Iterations(1)->Repetitions(kRuns)->Unit(
            benchmark::kMillisecond);
    benchmark::RegisterBenchmark("GeoTagsAlone", GeoTagsAlone)
        ->Repetitions(kRuns)
        ->Unit(benchmark::kMillisecond);

    Recorder recorder;
    benchmark::RunSpecifiedBenchmarks(&recorder);
    printFigures(recorder);
    benchmark::Shutdown();
    return 0;
}
