// The picture conversion: a plan drawn as a metafile brought to 1063 pixels (18 cm at
// 150 dpi) and saved as TIFF, timed whole; and a 100-megapixel TIFF written against writing
// the same bytes with fwrite alone, which the writer may exceed by half at most.
#include "BenchFolder.h"
#include "RatioReporter.h"
#include "picture/ConversionOutput.h"
#include "picture/ConversionSize.h"
#include "picture/TiffWriter.h"
#include "render/Metafile.h"
#include "render/RgbImage.h"
#include "support/MetafileBytes.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

using namespace tracelle;
using tracelle::testing::metafile_detail::put;

namespace {

constexpr int kContours = 400;
constexpr int kPointsPerContour = 100;
constexpr int kWidth = 12000;
constexpr int kHeight = 8400; // 100.8 megapixels

// The 500 × 250 pixel EMF of the tests with 400 contour lines of 100 points over it.
const std::vector<std::uint8_t>& plan() {
    static const std::vector<std::uint8_t> bytes = [] {
        std::vector<char> b = testing::emfBytes();
        b.resize(b.size() - 20);                                    // the end record, put back last
        b[56] = 3;                                                  // a third handle, for the pen
        put(b, 4, {38, 28, 2, 0 /* PS_SOLID */, 1, 0, 0x00404080}); // EMR_CREATEPEN
        put(b, 4, {37, 12, 2});                                     // EMR_SELECTOBJECT
        for (int c = 0; c < kContours; ++c) {
            put(b, 4, {87, 28 + 4 * kPointsPerContour, 0, 0, 499, 249, kPointsPerContour});
            for (int i = 0; i < kPointsPerContour; ++i) {
                const double x = i * 499.0 / (kPointsPerContour - 1);
                const double y = c * 250.0 / kContours + 12 * std::sin(x / 40 + c);
                put(b, 2, {std::lround(x), std::lround(y)});
            }
        }
        put(b, 4, {14, 20, 0, 16, 20});
        testing::metafile_detail::set32(b, 48, static_cast<std::uint32_t>(b.size()));
        return std::vector<std::uint8_t>(b.begin(), b.end());
    }();
    return bytes;
}

std::string file(const char* name) {
    return (tracelle::bench::benchFolder() / name).string();
}

void MetafileLoad(benchmark::State& state) {
    for (auto _ : state) {
        std::string error;
        const render::Metafile m = render::Metafile::fromBytes(plan(), &error);
        if (m.empty()) state.SkipWithError(error.c_str());
    }
}
BENCHMARK(MetafileLoad)->Unit(benchmark::kMillisecond);

// Steps 1 to 4: read, zoom to the target width, draw over the background, save.
void MetafileTo1063Tiff(benchmark::State& state) {
    const std::string path = file("plan.tif");
    const long long target = picture::calc_res("18", "150").pixels;
    for (auto _ : state) {
        std::string error;
        const render::Metafile m = render::Metafile::fromBytes(plan(), &error);
        const int zoom = picture::conversionZoom(target, m.width());
        const QSize size(picture::zoomedSize(m.width(), zoom),
                         picture::zoomedSize(m.height(), zoom));
        const QImage image = m.render(size, Qt::white, &error);
        error = picture::writeConverted(render::rowsOf(image), picture::OutputFormat::Tif, path);
        if (!error.empty()) state.SkipWithError(error.c_str());
    }
}
BENCHMARK(MetafileTo1063Tiff)->Unit(benchmark::kMillisecond);

// Paper, grid and contour lines: values that change along each row.
const picture::Rgb24& picture100MP() {
    static const picture::Rgb24 p = [] {
        picture::Rgb24 r{kWidth, kHeight, {}};
        r.rgb.resize(std::size_t{kWidth} * kHeight * 3);
        std::uint8_t* out = r.rgb.data();
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x, out += 3) {
                const bool line = x % 500 == 0 || y % 500 == 0 || (x + 3 * y) % 97 < 2;
                out[0] = line ? 60 : static_cast<std::uint8_t>(240 - (x ^ y) % 7);
                out[1] = line ? 40 : 232;
                out[2] = line ? 20 : 210;
            }
        return r;
    }();
    return p;
}

void TiffWrite100MP(benchmark::State& state) {
    const picture::Rgb24& p = picture100MP();
    const std::string path = file("large.tif");
    for (auto _ : state) {
        const std::string error = picture::writeTiff(p, path);
        if (!error.empty()) state.SkipWithError(error.c_str());
    }
}
BENCHMARK(TiffWrite100MP)->Unit(benchmark::kMillisecond)->Iterations(5);

void FwriteSameBytes100MP(benchmark::State& state) {
    picture::writeTiff(picture100MP(), file("reference.tif"));
    std::ifstream in(file("reference.tif"), std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    const std::string path = file("raw.tif");
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size())
            state.SkipWithError("fwrite failed");
        if (f) std::fclose(f);
    }
}
BENCHMARK(FwriteSameBytes100MP)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    const int status = tracelle::bench::runWithRatios(
        argc, argv, {{"TiffWrite100MP/iterations:5", "FwriteSameBytes100MP/iterations:5", 1.5}});
    std::filesystem::remove_all(tracelle::bench::benchFolder());
    return status;
}
