// Decoding the 30-megapixel scan of the opening measurements into RGB555, as a PNG of 8-bit RGB
// with libpng's adaptive filters and as a palette PNG without filters (as pnmtopng writes a
// scan of few colours), against libpng's own decoding of the same file row by row into one
// reused row, without any conversion.
#include "MapPattern.h"
#include "RatioReporter.h"
#include "picture/PngCodec.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <map>
#include <png.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace tracelle::picture;

namespace {

constexpr int kWidth = 6600;
constexpr int kHeight = 4560;

struct Files {
    std::string rgb, palette;
};
Files& files() {
    static Files f;
    return f;
}

bool writePng(const std::string& path, bool indexed) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, kWidth, kHeight, 8,
                 indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 6);
    const tracelle::bench::MapPattern pattern(kWidth, kHeight);
    std::vector<png_byte> rgb(std::size_t{kWidth} * 3 * kHeight);
    for (int y = 0; y < kHeight; ++y)
        pattern.row(y, rgb.data() + std::size_t(y) * kWidth * 3);
    std::vector<png_byte> indices;
    if (indexed) {
        // The scan's few colours, in the order met.
        std::map<std::uint32_t, png_byte> entries;
        std::vector<png_color> palette;
        indices.resize(std::size_t{kWidth} * kHeight);
        for (std::size_t i = 0; i < indices.size(); ++i) {
            const png_color c{rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]};
            const std::uint32_t key = std::uint32_t{c.red} << 16 | c.green << 8 | c.blue;
            auto [at, added] = entries.try_emplace(key, static_cast<png_byte>(palette.size()));
            if (added) palette.push_back(c);
            if (palette.size() > 256) return false;
            indices[i] = at->second;
        }
        png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
        png_set_filter(png, 0, PNG_FILTER_NONE);
    }
    png_write_info(png, info);
    const std::size_t rowBytes = indexed ? kWidth : std::size_t{kWidth} * 3;
    const png_byte* bytes = indexed ? indices.data() : rgb.data();
    for (int y = 0; y < kHeight; ++y)
        png_write_row(png, bytes + rowBytes * std::size_t(y));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

void decodeOurs(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        Decoded decoded = decodePng(path);
        if (!decoded.ok()) state.SkipWithError(decoded.error.c_str());
        benchmark::DoNotOptimize(decoded.raster.data());
    }
}

// libpng alone: every row inflated and unfiltered, then dropped.
void decodeLibpng(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        if (!file || !png || !info || setjmp(png_jmpbuf(png))) {
            state.SkipWithError("libpng");
            break;
        }
        png_init_io(png, file);
        png_read_info(png, info);
        std::vector<png_byte> row(png_get_rowbytes(png, info));
        for (png_uint_32 y = 0; y < png_get_image_height(png, info); ++y)
            png_read_row(png, row.data(), nullptr);
        benchmark::DoNotOptimize(row.data());
        png_destroy_read_struct(&png, &info, nullptr);
        std::fclose(file);
    }
}

void DecodePngRgb(benchmark::State& state) {
    decodeOurs(state, files().rgb);
}
void LibpngRgb(benchmark::State& state) {
    decodeLibpng(state, files().rgb);
}
void DecodePngPalette(benchmark::State& state) {
    decodeOurs(state, files().palette);
}
void LibpngPalette(benchmark::State& state) {
    decodeLibpng(state, files().palette);
}
BENCHMARK(DecodePngRgb)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(LibpngRgb)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(DecodePngPalette)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(LibpngPalette)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    const fs::path dir =
        fs::temp_directory_path() / ("tracelle_bench_png_" + std::to_string(getpid()));
    fs::create_directories(dir);
    files() = {(dir / "scan-rgb.png").string(), (dir / "scan-palette.png").string()};
    int status = 1;
    if (writePng(files().rgb, false) && writePng(files().palette, true)) {
        std::printf("%d x %d PNG: RGB %.1f MB, palette %.1f MB\n", kWidth, kHeight,
                    static_cast<double>(fs::file_size(files().rgb)) / (1024.0 * 1024.0),
                    static_cast<double>(fs::file_size(files().palette)) / (1024.0 * 1024.0));
        const std::string runs = "/iterations:5/real_time";
        status = tracelle::bench::runWithRatios(
            argc, argv,
            {{"DecodePngRgb" + runs, "LibpngRgb" + runs, 1.0},
             {"DecodePngPalette" + runs, "LibpngPalette" + runs, 1.0}});
    }
    std::error_code ignored;
    fs::remove_all(dir, ignored);
    return status;
}
