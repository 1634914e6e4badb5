#include "PixelCheck.h"
#include "picture/JpegCodec.h"
#include "picture/RowArrival.h"
#include "support/TempFiles.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>
#include <vector>
// clang-format off
#include <jpeglib.h> // needs <cstdio> first
// clang-format on

using namespace tracelle::picture;
namespace fs = std::filesystem;

namespace {

using Rgb = std::array<int, 3>;
enum class Kind { Baseline, Progressive, Grey, GreyProgressive, Cmyk, AdobeCmyk, AdobeYcck };

// Flat 16 × 16 blocks on the chroma grid, so that only quantisation moves their colours.
int block(int x, int y) {
    return (x / 16 + 3 * (y / 16)) % 8;
}
const Rgb kColours[] = {{255, 0, 0}, {0, 255, 0},    {0, 0, 255},     {255, 255, 255},
                        {0, 0, 0},   {230, 140, 30}, {120, 180, 230}, {150, 90, 40}};
// Plain inks, and the colours they print.
const int kInks[][4] = {{0, 255, 255, 0}, {255, 0, 255, 0}, {255, 255, 0, 0},  {0, 0, 0, 0},
                        {0, 0, 0, 255},   {0, 0, 0, 128},   {0, 128, 255, 64}, {255, 0, 0, 0}};
const Rgb kPrinted[] = {{255, 0, 0}, {0, 255, 0},     {0, 0, 255},  {255, 255, 255},
                        {0, 0, 0},   {127, 127, 127}, {191, 95, 0}, {0, 255, 255}};

bool inked(Kind k) {
    return k == Kind::Cmyk || k == Kind::AdobeCmyk || k == Kind::AdobeYcck;
}
bool grey(Kind k) {
    return k == Kind::Grey || k == Kind::GreyProgressive;
}
bool progressive(Kind k) {
    return k == Kind::Progressive || k == Kind::GreyProgressive;
}

Rgb expected(Kind kind, int x, int y) {
    const int b = block(x, y);
    return grey(kind) ? Rgb{b * 36, b * 36, b * 36} : inked(kind) ? kPrinted[b] : kColours[b];
}

// A JPEG of `components` samples a pixel, each row filled by `fill(y, samples)`; `setup`
// adjusts libjpeg's default settings.
template <class Setup, class Fill>
void writeJpegFile(const std::string& path, int width, int height, int components,
                   J_COLOR_SPACE space, Setup setup, Fill fill) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    jpeg_compress_struct c;
    jpeg_error_mgr errors;
    c.err = jpeg_std_error(&errors);
    jpeg_create_compress(&c);
    jpeg_stdio_dest(&c, file);
    c.image_width = static_cast<JDIMENSION>(width);
    c.image_height = static_cast<JDIMENSION>(height);
    c.input_components = components;
    c.in_color_space = space;
    jpeg_set_defaults(&c);
    setup(c);
    jpeg_start_compress(&c, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width * components));
    JSAMPROW rows[1] = {row.data()};
    for (int y = 0; y < height; ++y) {
        fill(y, row.data());
        jpeg_write_scanlines(&c, rows, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::fclose(file);
}

void writeFixture(const std::string& path, Kind kind, int width, int height) {
    const int components = grey(kind) ? 1 : inked(kind) ? 4 : 3;
    const bool adobe = kind == Kind::AdobeCmyk || kind == Kind::AdobeYcck;
    writeJpegFile(
        path, width, height, components,
        grey(kind)    ? JCS_GRAYSCALE
        : inked(kind) ? JCS_CMYK
                      : JCS_RGB,
        [&](jpeg_compress_struct& c) {
            jpeg_set_quality(&c, 95, TRUE);
            if (progressive(kind)) jpeg_simple_progression(&c);
            if (inked(kind)) jpeg_set_colorspace(&c, kind == Kind::AdobeYcck ? JCS_YCCK : JCS_CMYK);
            c.write_Adobe_marker = adobe;
        },
        [&](int y, JSAMPLE* row) {
            for (int x = 0; x < width; ++x)
                for (int s = 0; s < components; ++s) {
                    const int v = inked(kind) ? kInks[block(x, y)][s] : expected(kind, x, y)[s];
                    *row++ = static_cast<JSAMPLE>(adobe ? 255 - v : v);
                }
        });
}

Pixel expectedPixel(Kind kind, int x, int y) {
    const Rgb e = expected(kind, x, y);
    return rgb555(static_cast<std::uint8_t>(e[0]), static_cast<std::uint8_t>(e[1]),
                  static_cast<std::uint8_t>(e[2]));
}

// Quantisation moves a flat colour by a few levels: one 5-bit step at most.
void expectColours(const Raster& r, int width, int height, Kind kind) {
    tracelle::testing::expectPixels(
        r, width, height, [kind](int x, int y) { return expectedPixel(kind, x, y); }, 1);
}

using tracelle::testing::bytesOf;
using tracelle::testing::writeBytes;

class JpegCodecTest : public tracelle::testing::TempSuite<JpegCodecTest> {
public:
    static fs::path dir() { return tracelle::testing::tempFolder("tracelle_jpeg_"); }
};

TEST_F(JpegCodecTest, DecodesEachKindOfFileToItsColours) {
    const struct {
        const char* name;
        Kind kind;
        int width, height, sourceBits;
    } cases[] = {
        {"baseline", Kind::Baseline, 67, 45, 24},
        {"baseline, many row batches", Kind::Baseline, 35, 300, 24},
        {"baseline, decoded on a second thread", Kind::Baseline, 800, 700, 24},
        {"progressive", Kind::Progressive, 67, 45, 24},
        {"greyscale", Kind::Grey, 50, 37, 8},
        {"greyscale progressive", Kind::GreyProgressive, 50, 37, 8},
        {"greyscale, decoded on a second thread", Kind::Grey, 800, 700, 8},
        {"CMYK without Adobe marker", Kind::Cmyk, 67, 45, 32},
        {"inverted CMYK with Adobe marker", Kind::AdobeCmyk, 67, 45, 32},
        {"YCCK with Adobe marker", Kind::AdobeYcck, 67, 45, 32},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFixture(path("fixture.jpg"), c.kind, c.width, c.height);
        const Decoded d = decodeJpeg(path("fixture.jpg"));
        ASSERT_TRUE(d.ok()) << d.error;
        EXPECT_EQ(d.sourceBits, c.sourceBits);
        EXPECT_EQ(d.raster.indexed(), grey(c.kind)) << "grey levels kept a byte a pixel";
        expectColours(d.raster, c.width, c.height, c.kind);
        // At full depth: the same picture in words 0xFFRRGGBB, within quantisation.
        Decoded32 wide = decodeJpeg32(path("fixture.jpg"));
        ASSERT_TRUE(wide.ok()) << wide.error;
        ASSERT_EQ(std::pair(wide.width, wide.height), std::pair(c.width, c.height));
        int wrong = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                const std::uint32_t word = wide.row(y)[x];
                bool near = (word >> 24) == 0xFF;
                for (int i = 0; i < 3; ++i)
                    near = near && std::abs(int(word >> (16 - 8 * i) & 0xFF) -
                                            expected(c.kind, x, y)[i]) <= 6;
                wrong += !near;
            }
        EXPECT_EQ(wrong, 0);
    }
}

// Large baseline files have their coefficients decoded on a second thread: each pixel as libjpeg
// gives it alone with the same settings, whatever the MCU's layout, its restart markers, or the
// picture's partial blocks at the edges. A texture, so that every block has detail to lose.
TEST_F(JpegCodecTest, LargeBaselineFilesDecodeAsLibjpegAlone) {
    const struct {
        const char* name;
        int components, sampling, restartMcus;
    } cases[] = {
        {"colour, chroma halved both ways", 3, 2, 0},
        {"colour, full chroma", 3, 1, 0},
        {"colour, restart markers", 3, 2, 7},
        {"greyscale, restart markers", 1, 1, 5},
    };
    const int width = 1031, height = 517; // past the second thread's threshold, odd sizes
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = path("textured.jpg");
        unsigned seed = 1;
        writeJpegFile(
            file, width, height, c.components, c.components == 1 ? JCS_GRAYSCALE : JCS_RGB,
            [&c](jpeg_compress_struct& w) {
                jpeg_set_quality(&w, 85, TRUE);
                w.comp_info[0].h_samp_factor = w.comp_info[0].v_samp_factor = c.sampling;
                w.restart_interval = static_cast<unsigned>(c.restartMcus);
            },
            [&](int y, JSAMPLE* row) {
                for (int i = 0; i < width * c.components; ++i) {
                    seed = seed * 1103515245u + 12345u;
                    row[i] = static_cast<JSAMPLE>((i * 3 + y * 5 + int(seed >> 24) % 64) & 0xFF);
                }
            });
        std::vector<std::uint32_t> alone(std::size_t(width) * height);
        {
            std::FILE* in = std::fopen(file.c_str(), "rb");
            ASSERT_NE(in, nullptr);
            jpeg_decompress_struct r;
            jpeg_error_mgr errors;
            r.err = jpeg_std_error(&errors);
            jpeg_create_decompress(&r);
            jpeg_stdio_src(&r, in);
            jpeg_read_header(&r, TRUE);
            r.out_color_space = JCS_EXT_BGRX;
            r.dct_method = JDCT_IFAST;
            r.do_fancy_upsampling = FALSE;
            jpeg_start_decompress(&r);
            while (r.output_scanline < r.output_height) {
                JSAMPROW row = reinterpret_cast<JSAMPROW>(&alone[r.output_scanline * width]);
                jpeg_read_scanlines(&r, &row, 1);
            }
            jpeg_finish_decompress(&r);
            jpeg_destroy_decompress(&r);
            std::fclose(in);
        }
        Decoded32 wide = decodeJpeg32(file);
        ASSERT_TRUE(wide.ok()) << wide.error;
        int wrong = 0;
        for (int y = 0; y < height; ++y)
            wrong += std::memcmp(wide.row(y), &alone[std::size_t(y) * width], width * 4) != 0;
        EXPECT_EQ(wrong, 0) << "rows unlike libjpeg's";
    }
}

// A progressive file shows its blocks' means, one pixel a block, before its rows arrive; then
// its rows are the same as read in one go.
TEST_F(JpegCodecTest, ProgressiveFileShowsItsBlocksFirst) {
    for (const auto& [name, kind] : {std::pair{"progressive", Kind::Progressive},
                                     {"grey progressive", Kind::GreyProgressive},
                                     {"baseline", Kind::Baseline}}) {
        SCOPED_TRACE(name);
        writeFixture(path("fixture.jpg"), kind, 203, 131);
        Raster into;
        RowArrival arrival;
        int bits = 0;
        ASSERT_EQ(decodeJpegInto(path("fixture.jpg"), into, bits, arrival, {}), "");
        EXPECT_EQ(into.indexed(), grey(kind));
        expectColours(into, 203, 131, kind);
        const Preview means = arrival.preview();
        ASSERT_EQ(means.raster != nullptr, progressive(kind));
        if (!means.raster) continue;
        ASSERT_EQ(std::pair(means.raster->width(), means.raster->height()), std::pair(26, 17));
        // Each block lies where its pixels are, and has their colour.
        Raster placed = Raster::create(into.width(), into.height());
        for (int y = 0; y < into.height(); ++y)
            for (int x = 0; x < into.width(); ++x)
                placed.row(y)[x] = means.at(x, y);
        expectColours(placed, 203, 131, kind);
    }
}

TEST_F(JpegCodecTest, WrittenPictureReadsBackAndReplacesTheOldFile) {
    Raster picture = Raster::create(90, 50);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 90; ++x)
            picture.row(y)[x] = expectedPixel(Kind::Baseline, x, y);
    writeBytes(path("written.jpg"), {'o', 'l', 'd'});
    ASSERT_EQ(writeJpeg(picture, path("written.jpg"), 90), "");
    const Decoded d = decodeJpeg(path("written.jpg"));
    ASSERT_TRUE(d.ok()) << d.error;
    EXPECT_EQ(d.sourceBits, 24);
    expectColours(d.raster, 90, 50, Kind::Baseline);
}

TEST_F(JpegCodecTest, FailedWriteKeepsTheOldFileWhole) {
    EXPECT_NE(writeJpeg(Raster::create(8, 8), path("missing/out.jpg"), 90), "");
    EXPECT_NE(writeJpeg(Raster(), path("empty.jpg"), 90), "");
    EXPECT_FALSE(fs::exists(path("empty.jpg")));

    const std::string file = path("kept.jpg");
    writeBytes(file, {'o', 'l', 'd'});
    // Wider than JPEG allows: libjpeg gives up once the file is already open.
    const std::string error = writeJpeg(Raster::create(70000, 1), file, 90);
    EXPECT_NE(error.find("JPEG"), std::string::npos) << error;
    EXPECT_EQ(bytesOf(file), (std::vector<char>{'o', 'l', 'd'}));
    for (const auto& entry : fs::directory_iterator(dir()))
        EXPECT_FALSE(entry.path().filename().string().starts_with("kept.jpg.")) << "left behind";
}

TEST_F(JpegCodecTest, BrokenFilesFailCleanly) {
    writeFixture(path("base.jpg"), Kind::Baseline, 160, 120);
    writeFixture(path("prog.jpg"), Kind::Progressive, 160, 120);
    writeFixture(path("large.jpg"), Kind::Baseline, 800, 700);
    const std::vector<char> base = bytesOf(path("base.jpg")), prog = bytesOf(path("prog.jpg"));
    const std::vector<char> large = bytesOf(path("large.jpg"));
    // The first third and an end marker: libjpeg meets the marker inside the scan's data and
    // would pad the rest with grey.
    const auto third = [](const std::vector<char>& whole) {
        std::vector<char> cut(whole.begin(), whole.begin() + whole.size() / 3);
        cut.insert(cut.end(), {'\xFF', '\xD9'});
        return cut;
    };
    std::vector<char> noSize = base;
    for (std::size_t i = 0; i + 8 < noSize.size(); ++i)
        if (noSize[i] == '\xFF' && noSize[i + 1] == '\xC0') { // frame header: height and width
            std::fill_n(noSize.begin() + static_cast<std::ptrdiff_t>(i) + 5, 4, 0);
            break;
        }
    const struct {
        const char* name;
        std::vector<char> bytes;
        const char* error;
    } cases[] = {
        {"baseline cut in half",
         {base.begin(), base.begin() + base.size() / 2},
         "fichier JPEG tronqué"},
        {"progressive cut short", {prog.begin(), prog.end() - 200}, "fichier JPEG tronqué"},
        {"decoded on a second thread, cut in half",
         {large.begin(), large.begin() + large.size() / 2},
         "fichier JPEG tronqué"},
        {"headers only", {base.begin(), base.begin() + 400}, "fichier JPEG tronqué"},
        {"baseline, a third and an end marker", third(base), "fichier JPEG tronqué"},
        {"progressive, a third and an end marker", third(prog), "fichier JPEG tronqué"},
        {"second thread, a third and an end marker", third(large), "fichier JPEG tronqué"},
        {"empty", {}, "fichier JPEG vide"},
        {"not a JPEG",
         {'\x89', 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'},
         "JPEG : ce fichier n'est pas une image JPEG"},
        {"zero size", noSize, "JPEG : image vide (largeur ou hauteur nulle)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tracelle::testing::expectRefused(decodeJpeg, path("broken.jpg"), c.bytes, c.error);
        const Decoded32 wide = decodeJpeg32(path("broken.jpg"));
        EXPECT_FALSE(wide.pixels);
        EXPECT_NE(wide.error.find(c.error), std::string::npos) << wide.error;
        // As the window reads it: a progressive file scan by scan.
        Raster into;
        RowArrival arrival;
        int bits = 0;
        const std::string error = decodeJpegInto(path("broken.jpg"), into, bits, arrival, {});
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
    EXPECT_FALSE(decodeJpeg(path("nowhere.jpg")).error.empty());
}

} // namespace
