// Decoding a large JPEG into RGB555, and into 32-bit words as the picture conversion keeps it,
// against libjpeg-turbo alone decoding the same file to RGB.
#include "RatioReporter.h"
#include "picture/JpegCodec.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>
// clang-format off
#include <jpeglib.h> // needs <cstdio> first
// clang-format on

namespace fs = std::filesystem;
using namespace tracelle::picture;

namespace {

constexpr int kWidth = 12000;
constexpr int kHeight = 8400; // 100.8 megapixels

std::string& jpegPath() {
    static std::string path;
    return path;
}

std::uint32_t hash(std::uint32_t x, std::uint32_t y) {
    std::uint32_t h = x * 0x9E3779B1u ^ y * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    return h ^ (h >> 12);
}

// A scanned map: paper with grain, woods, a river, contour lines, a grid and lettering.
void mapRow(int y, const std::vector<int>& river, JSAMPLE* out) {
    for (int x = 0; x < kWidth; ++x, out += 3) {
        int r = 244, g = 238, b = 222;
        if ((x / 700 + y / 530) % 5 == 0) r = 204, g = 228, b = 182;
        if (std::abs(y - river[static_cast<std::size_t>(x)]) < 45) r = 150, g = 190, b = 228;
        if ((x + 2 * y + river[static_cast<std::size_t>(x)] / 3) % 97 < 2) r = 176, g = 118, b = 64;
        if (x % 1000 < 2 || y % 1000 < 2) r = g = b = 40;
        const std::uint32_t h = hash(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y));
        if ((x / 8 + y / 12) % 37 == 0 && (h & 3) != 0) r = g = b = 30; // lettering
        const int grain = static_cast<int>(h >> 29) - 4;
        out[0] = static_cast<JSAMPLE>(std::clamp(r + grain, 0, 255));
        out[1] = static_cast<JSAMPLE>(std::clamp(g + grain, 0, 255));
        out[2] = static_cast<JSAMPLE>(std::clamp(b + grain, 0, 255));
    }
}

bool writeMapJpeg(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = kWidth;
    cinfo.image_height = kHeight;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<int> river(kWidth);
    for (int x = 0; x < kWidth; ++x)
        river[static_cast<std::size_t>(x)] =
            static_cast<int>(kHeight / 2 + 1500 * std::sin(x / 1300.0));
    std::vector<JSAMPLE> row(static_cast<std::size_t>(kWidth) * 3);
    JSAMPROW rows[1] = {row.data()};
    for (int y = 0; y < kHeight; ++y) {
        mapRow(y, river, row.data());
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(file) == 0;
}

void DecodeJpeg(benchmark::State& state) {
    for (auto _ : state) {
        Decoded decoded = decodeJpeg(jpegPath());
        if (!decoded.ok()) state.SkipWithError(decoded.error.c_str());
        benchmark::DoNotOptimize(decoded.raster.data());
    }
}
BENCHMARK(DecodeJpeg)->Unit(benchmark::kMillisecond)->Iterations(2);

void DecodeJpeg32(benchmark::State& state) {
    for (auto _ : state) {
        Decoded32 decoded = decodeJpeg32(jpegPath());
        if (!decoded.ok()) state.SkipWithError(decoded.error.c_str());
        benchmark::DoNotOptimize(decoded.pixels.get());
    }
}
BENCHMARK(DecodeJpeg32)->Unit(benchmark::kMillisecond)->Iterations(2);

// The same file with the same speed settings, to RGB in one reused scanline.
void LibjpegTurboRgb(benchmark::State& state) {
    for (auto _ : state) {
        std::FILE* file = std::fopen(jpegPath().c_str(), "rb");
        jpeg_decompress_struct cinfo;
        jpeg_error_mgr errors;
        cinfo.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&cinfo);
        jpeg_stdio_src(&cinfo, file);
        jpeg_read_header(&cinfo, TRUE);
        cinfo.out_color_space = JCS_RGB;
        cinfo.dct_method = JDCT_IFAST;
        cinfo.do_fancy_upsampling = FALSE;
        jpeg_start_decompress(&cinfo);
        std::vector<JSAMPLE> row(static_cast<std::size_t>(cinfo.output_width) * 3);
        JSAMPROW rows[1] = {row.data()};
        while (cinfo.output_scanline < cinfo.output_height)
            jpeg_read_scanlines(&cinfo, rows, 1);
        benchmark::DoNotOptimize(row.data());
        jpeg_finish_decompress(&cinfo);
        jpeg_destroy_decompress(&cinfo);
        std::fclose(file);
    }
}
BENCHMARK(LibjpegTurboRgb)->Unit(benchmark::kMillisecond)->Iterations(2);

long maxResidentKB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Before any benchmark raises the high-water mark: the growth is then this decoding's own.
void reportPeakMemory() {
    const long before = maxResidentKB();
    const Decoded decoded = decodeJpeg(jpegPath());
    const long grown = maxResidentKB() - before;
    const double rasterMB = static_cast<double>(decoded.raster.byteSize()) / (1024.0 * 1024.0);
    std::printf("peak memory during decodeJpeg: +%.1f MB for a %.1f MB raster (%.2f x)\n\n",
                static_cast<double>(grown) / 1024.0, rasterMB, grown / 1024.0 / rasterMB);
}

} // namespace

int main(int argc, char** argv) {
    const fs::path dir =
        fs::temp_directory_path() / ("tracelle_bench_jpeg_" + std::to_string(getpid()));
    fs::create_directories(dir);
    jpegPath() = (dir / "map.jpg").string();
    int status = 1;
    if (writeMapJpeg(jpegPath())) {
        std::printf("%d x %d JPEG (quality 90): %.1f MB\n", kWidth, kHeight,
                    static_cast<double>(fs::file_size(jpegPath())) / (1024.0 * 1024.0));
        reportPeakMemory();
        status = tracelle::bench::runWithRatios(
            argc, argv,
            {{"DecodeJpeg/iterations:2", "LibjpegTurboRgb/iterations:2", 1.3},
             {"DecodeJpeg32/iterations:2", "LibjpegTurboRgb/iterations:2", 1.3}});
    }
    std::error_code ignored;
    fs::remove_all(dir, ignored);
    return status;
}
