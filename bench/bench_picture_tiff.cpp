// TIFF decoding against libtiff alone reading the same strips, on 100-megapixel maps written
// at run time; then the memory one decoding takes beyond its picture.
#include "MapPattern.h"
#include "RatioReporter.h"
#include "ScanTiff.h"
#include "picture/TiffCodec.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <tiffio.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using tracelle::picture::decodeTiff;

namespace {

constexpr int kWidth = 12000;
constexpr int kHeight = 8400;
constexpr int kRowsPerStrip = 8;

bool writeMap(const std::string& path, std::uint16_t compression) {
    TIFF* tif = TIFFOpen(path.c_str(), "w");
    if (!tif) return false;
    tracelle::bench::setScanFields(tif, kWidth, kHeight, compression, kRowsPerStrip);
    const tracelle::bench::MapPattern pattern(kWidth, kHeight);
    const std::size_t rowBytes = std::size_t{kWidth} * 3;
    std::vector<std::uint8_t> strip(rowBytes * kRowsPerStrip);
    bool ok = true;
    for (int y = 0; y < kHeight && ok; y += kRowsPerStrip) {
        for (int r = 0; r < kRowsPerStrip; ++r)
            pattern.row(y + r, strip.data() + rowBytes * r);
        ok = TIFFWriteEncodedStrip(tif, static_cast<std::uint32_t>(y / kRowsPerStrip), strip.data(),
                                   static_cast<tmsize_t>(strip.size())) >= 0;
    }
    TIFFClose(tif);
    return ok;
}

void DecodeTiff(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        auto decoded = decodeTiff(path);
        if (!decoded.ok()) state.SkipWithError(decoded.error.c_str());
        benchmark::DoNotOptimize(decoded.raster.data());
    }
}

void LibtiffStrips(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        TIFF* tif = TIFFOpen(path.c_str(), "r");
        std::vector<std::uint8_t> buffer(static_cast<std::size_t>(TIFFStripSize(tif)));
        for (std::uint32_t s = 0; s < TIFFNumberOfStrips(tif); ++s)
            TIFFReadEncodedStrip(tif, s, buffer.data(), -1);
        benchmark::DoNotOptimize(buffer.data());
        TIFFClose(tif);
    }
}

long maxResidentKB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// In a child process, whose high-water mark starts at what the parent holds now, so that
// each compression is measured from the same level.
void reportPeakMemory(const char* name, const std::string& path) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        const long before = maxResidentKB();
        const auto decoded = decodeTiff(path);
        const long grown = maxResidentKB() - before;
        const double rasterMB = static_cast<double>(decoded.raster.byteSize()) / (1 << 20);
        std::printf("peak memory %-8s: ru_maxrss grew by %.1f MB during decodeTiff, raster "
                    "%.1f MB (2 bytes a pixel): %.3f of the raster%s\n",
                    name, grown / 1024.0, rasterMB, grown / 1024.0 / rasterMB,
                    decoded.ok() ? "" : (" -- " + decoded.error).c_str());
        std::fflush(stdout);
        _exit(0);
    }
    if (child > 0) waitpid(child, nullptr, 0);
}

} // namespace

int main(int argc, char** argv) {
    const fs::path folder =
        fs::temp_directory_path() / ("tracelle_tiff_bench_" + std::to_string(getpid()));
    fs::create_directories(folder);
    // Deflate decodes five times faster: more runs keep its ratio out of the noise.
    const struct {
        const char* name;
        std::uint16_t compression;
        int iterations;
    } files[] = {{"LZW", COMPRESSION_LZW, 4}, {"deflate", COMPRESSION_ADOBE_DEFLATE, 20}};

    std::vector<tracelle::bench::Ratio> ratios;
    for (const auto& f : files) {
        const std::string path = (folder / (std::string(f.name) + ".tif")).string();
        if (!writeMap(path, f.compression)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            fs::remove_all(folder);
            return 1;
        }
        std::printf("%s: %d x %d RGB, %.1f MB on disk for %.1f MB of samples\n", f.name, kWidth,
                    kHeight, static_cast<double>(fs::file_size(path)) / (1 << 20),
                    3.0 * kWidth * kHeight / (1 << 20));
        reportPeakMemory(f.name, path);
        const std::string decode = std::string("DecodeTiff/") + f.name;
        const std::string bare = std::string("LibtiffStrips/") + f.name;
        benchmark::RegisterBenchmark(decode.c_str(), DecodeTiff, path)
            ->Iterations(f.iterations)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(bare.c_str(), LibtiffStrips, path)
            ->Iterations(f.iterations)
            ->Unit(benchmark::kMillisecond);
        const std::string runs = "/iterations:" + std::to_string(f.iterations);
        ratios.push_back({decode + runs, bare + runs, 1.3});
    }
    const int status = tracelle::bench::runWithRatios(argc, argv, ratios);
    fs::remove_all(folder);
    return status;
}
