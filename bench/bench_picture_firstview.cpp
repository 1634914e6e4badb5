// How soon a large picture is on screen whole, reduced or final: a TIFF with a reduced page, an
// interlaced PNG and a progressive JPEG against the end of their decoding, and what showing
// them early adds to it.
#include "MapPattern.h"
#include "RatioReporter.h"
#include "ScanTiff.h"
#include "picture/JpegCodec.h"
#include "picture/PictureLoading.h"
#include "picture/PngCodec.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <jpeglib.h>
#include <png.h>
#include <string>
#include <thread>
#include <tiffio.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace tracelle::picture;

namespace {

constexpr int kWidth = 12000;
constexpr int kHeight = 8400;
constexpr int kRowsPerStrip = 8;
// A pyramid's page of a quarter a side, what the decoder shows first.
constexpr int kReduction = 4;
// The PNG of the opening measurements: 30 megapixels.
constexpr int kPngWidth = 6600;
constexpr int kPngHeight = 4560;

bool writePage(TIFF* tif, int width, int height, int step, std::uint32_t kind) {
    tracelle::bench::setScanFields(tif, width, height, COMPRESSION_LZW, kRowsPerStrip);
    TIFFSetField(tif, TIFFTAG_SUBFILETYPE, kind);
    const tracelle::bench::MapPattern pattern(kWidth, kHeight);
    std::vector<std::uint8_t> full(std::size_t{kWidth} * 3), row(std::size_t(width) * 3);
    bool ok = true;
    for (int y = 0; y < height && ok; ++y) {
        pattern.row(y * step, full.data());
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c)
                row[std::size_t(x) * 3 + c] = full[std::size_t(x) * step * 3 + c];
        ok = TIFFWriteScanline(tif, row.data(), static_cast<std::uint32_t>(y), 0) >= 0;
    }
    return ok && TIFFWriteDirectory(tif);
}

bool writeTiff(const std::string& path, bool pyramid) {
    TIFF* tif = TIFFOpen(path.c_str(), "w");
    if (!tif) return false;
    bool ok = writePage(tif, kWidth, kHeight, 1, 0);
    if (ok && pyramid)
        ok = writePage(tif, kWidth / kReduction, kHeight / kReduction, kReduction,
                       FILETYPE_REDUCEDIMAGE);
    TIFFClose(tif);
    return ok;
}

bool writeInterlacedPng(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, kPngWidth, kPngHeight, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_ADAM7,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 6);
    png_write_info(png, info);
    const tracelle::bench::MapPattern pattern(kPngWidth, kPngHeight);
    std::vector<png_byte> bytes(std::size_t{kPngWidth} * 3 * kPngHeight);
    std::vector<png_bytep> rows;
    for (int y = 0; y < kPngHeight; ++y) {
        rows.push_back(bytes.data() + std::size_t(y) * kPngWidth * 3);
        pattern.row(y, rows.back());
    }
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

bool writeProgressiveJpeg(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    jpeg_compress_struct c;
    jpeg_error_mgr errors;
    c.err = jpeg_std_error(&errors);
    jpeg_create_compress(&c);
    jpeg_stdio_dest(&c, file);
    c.image_width = kWidth;
    c.image_height = kHeight;
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 90, TRUE);
    jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    const tracelle::bench::MapPattern pattern(kWidth, kHeight);
    std::vector<JSAMPLE> row(std::size_t{kWidth} * 3);
    JSAMPROW rows[1] = {row.data()};
    for (int y = 0; y < kHeight; ++y) {
        pattern.row(y, row.data());
        jpeg_write_scanlines(&c, rows, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    return std::fclose(file) == 0;
}

// From the start of the decoding until the whole picture can be shown: reduced, or final.
void WholeShown(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const auto loading = PictureLoading::ofFile(path);
        const auto& arrival = loading->arrival();
        while (!arrival->ended() && !arrival->preview().raster)
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!loading->wait().empty()) state.SkipWithError("not decoded");
    }
}

void Loaded(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        const auto loading = PictureLoading::ofFile(path);
        if (!loading->wait().empty()) state.SkipWithError("not decoded");
    }
}

// The same file without anything shown before the end.
void PngWhole(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        const auto decoded = decodePng(path);
        if (!decoded.ok()) state.SkipWithError(decoded.error.c_str());
    }
}

void JpegWhole(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        const auto decoded = decodeJpeg(path);
        if (!decoded.ok()) state.SkipWithError(decoded.error.c_str());
    }
}

} // namespace

int main(int argc, char** argv) {
    const fs::path folder =
        fs::temp_directory_path() / ("tracelle_firstview_bench_" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string pyramid = (folder / "pyramid.tif").string();
    const std::string plain = (folder / "plain.tif").string();
    const std::string interlaced = (folder / "interlaced.png").string();
    const std::string progressive = (folder / "progressive.jpg").string();
    if (!writeTiff(pyramid, true) || !writeTiff(plain, false) || !writeInterlacedPng(interlaced) ||
        !writeProgressiveJpeg(progressive)) {
        std::fprintf(stderr, "cannot write the pictures in %s\n", folder.c_str());
        fs::remove_all(folder);
        return 1;
    }
    constexpr int kRuns = 4;
    const auto shown = [](const char* name, const std::string& path) {
        benchmark::RegisterBenchmark(name, WholeShown, path)
            ->Iterations(kRuns)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    };
    const auto timed = [](const char* name, auto function, const std::string& path) {
        benchmark::RegisterBenchmark(name, function, path)
            ->Iterations(kRuns)
            ->Unit(benchmark::kMillisecond);
    };
    shown("WholeShown/pyramid", pyramid);
    shown("WholeShown/interlaced", interlaced);
    shown("WholeShown/progressive", progressive);
    timed("Loaded/pyramid", Loaded, pyramid);
    timed("Loaded/plain", Loaded, plain);
    timed("Loaded/interlaced", Loaded, interlaced);
    timed("PngWhole/interlaced", PngWhole, interlaced);
    timed("Loaded/progressive", Loaded, progressive);
    timed("JpegWhole/progressive", JpegWhole, progressive);
    const std::string runs = "/iterations:" + std::to_string(kRuns);
    const std::string manual = runs + "/manual_time";
    const std::vector<tracelle::bench::Ratio> ratios = {
        // On screen whole within a tenth of the decoding it stands in for...
        {"WholeShown/pyramid" + manual, "Loaded/plain" + runs, 0.1},
        {"WholeShown/interlaced" + manual, "PngWhole/interlaced" + runs, 0.1},
        // A progressive JPEG's blocks come after its first scan, which fills the coefficients'
        // memory for the whole picture first, and after a pass over every row.
        {"WholeShown/progressive" + manual, "JpegWhole/progressive" + runs, 0.25},
        // ... for little more time to the end.
        {"Loaded/pyramid" + runs, "Loaded/plain" + runs, 1.1},
        {"Loaded/interlaced" + runs, "PngWhole/interlaced" + runs, 1.1},
        {"Loaded/progressive" + runs, "JpegWhole/progressive" + runs, 1.1},
    };
    const int status = tracelle::bench::runWithRatios(argc, argv, ratios);
    fs::remove_all(folder);
    return status;
}
