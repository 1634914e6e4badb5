// Decoding a large WebP, lossy and lossless, into RGB555 against libwebp's own tool, dwebp,
// decoding the same file (on two threads, as ours) without writing it.
#include "RatioReporter.h"
#include "picture/WebpCodec.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <webp/encode.h>

namespace fs = std::filesystem;
using namespace tracelle::picture;

namespace {

constexpr int kWidth = 8000;
constexpr int kHeight = 6000; // 48 megapixels

struct Files {
    std::string lossy, lossless;
};
Files& files() {
    static Files f;
    return f;
}

// Paper, woods, contour lines, a grid and lettering, as a scanned map.
std::vector<std::uint8_t> mapPixels() {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(kWidth) * kHeight * 3);
    std::uint8_t* out = rgb.data();
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x, out += 3) {
            int r = 244, g = 238, b = 222;
            if ((x / 700 + y / 530) % 5 == 0) r = 204, g = 228, b = 182;
            if ((x + 2 * y + (x * x) / 9000) % 97 < 2) r = 176, g = 118, b = 64;
            if (x % 1000 < 2 || y % 1000 < 2) r = g = b = 40;
            if ((x / 8 + y / 12) % 37 == 0 && (x * 31 + y * 17) % 5 != 0) r = g = b = 30;
            out[0] = static_cast<std::uint8_t>(r);
            out[1] = static_cast<std::uint8_t>(g);
            out[2] = static_cast<std::uint8_t>(b);
        }
    return rgb;
}

bool writeWebp(const std::vector<std::uint8_t>& rgb, bool lossless, const std::string& path) {
    WebPConfig config;
    if (!WebPConfigPreset(&config, WEBP_PRESET_DRAWING, 90)) return false;
    config.lossless = lossless ? 1 : 0;
    config.method = 0; // the fastest encoding: the benchmark measures decoding
    config.quality = lossless ? 0 : 90;
    config.thread_level = 1;
    WebPPicture picture;
    if (!WebPPictureInit(&picture)) return false;
    picture.width = kWidth;
    picture.height = kHeight;
    picture.use_argb = lossless ? 1 : 0;
    WebPMemoryWriter memory;
    WebPMemoryWriterInit(&memory);
    picture.writer = WebPMemoryWrite;
    picture.custom_ptr = &memory;
    bool ok =
        WebPPictureImportRGB(&picture, rgb.data(), kWidth * 3) && WebPEncode(&config, &picture);
    if (ok) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        ok = file && std::fwrite(memory.mem, 1, memory.size, file) == memory.size;
        ok = file && std::fclose(file) == 0 && ok;
    }
    WebPPictureFree(&picture);
    WebPMemoryWriterClear(&memory);
    return ok;
}

void decodeOurs(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        Decoded decoded = decodeWebp(path);
        if (!decoded.ok()) state.SkipWithError(decoded.error.c_str());
        benchmark::DoNotOptimize(decoded.raster.data());
    }
}

// dwebp decodes the whole picture to RGB(A) in memory and, without -o, writes nothing.
void decodeDwebp(benchmark::State& state, const std::string& path) {
    std::string program = "dwebp", mt = "-mt", quiet = "-quiet", file = path;
    char* argv[] = {program.data(), mt.data(), quiet.data(), file.data(), nullptr};
    for (auto _ : state) {
        pid_t pid = 0;
        int status = 0;
        if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv, environ) != 0 ||
            waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("dwebp absent ou en échec (scripts/install-deps.sh --bench)");
            break;
        }
    }
}

void DecodeWebpLossy(benchmark::State& state) {
    decodeOurs(state, files().lossy);
}
void DwebpLossy(benchmark::State& state) {
    decodeDwebp(state, files().lossy);
}
void DecodeWebpLossless(benchmark::State& state) {
    decodeOurs(state, files().lossless);
}
void DwebpLossless(benchmark::State& state) {
    decodeDwebp(state, files().lossless);
}
BENCHMARK(DecodeWebpLossy)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(DwebpLossy)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(DecodeWebpLossless)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(DwebpLossless)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    const fs::path dir =
        fs::temp_directory_path() / ("tracelle_bench_webp_" + std::to_string(getpid()));
    fs::create_directories(dir);
    files() = {(dir / "carte-q90.webp").string(), (dir / "carte-sans-perte.webp").string()};
    int status = 1;
    const std::vector<std::uint8_t> rgb = mapPixels();
    if (writeWebp(rgb, false, files().lossy) && writeWebp(rgb, true, files().lossless)) {
        std::printf("%d x %d WebP: lossy (quality 90) %.1f MB, lossless %.1f MB\n", kWidth, kHeight,
                    static_cast<double>(fs::file_size(files().lossy)) / (1024.0 * 1024.0),
                    static_cast<double>(fs::file_size(files().lossless)) / (1024.0 * 1024.0));
        status = tracelle::bench::runWithRatios(
            argc, argv,
            {{"DecodeWebpLossy/iterations:3/real_time", "DwebpLossy/iterations:3/real_time", 1.0},
             {"DecodeWebpLossless/iterations:3/real_time", "DwebpLossless/iterations:3/real_time",
              1.0}});
    }
    std::error_code ignored;
    fs::remove_all(dir, ignored);
    return status;
}
