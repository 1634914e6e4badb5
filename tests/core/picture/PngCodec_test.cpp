#include "PixelCheck.h"
#include "picture/PngCodec.h"
#include "support/TempFiles.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>
#include <vector>
#include <zlib.h>

using namespace tracelle::picture;
namespace fs = std::filesystem;

namespace {

struct Case {
    const char* name;
    int colourType, depth;
    bool interlaced, transparency;
    int width, height, sourceBits;
};

int channelsOf(int type) {
    return type == PNG_COLOR_TYPE_PALETTE
               ? 1
               : (type & PNG_COLOR_MASK_COLOR ? 3 : 1) + (type & PNG_COLOR_MASK_ALPHA ? 1 : 0);
}

// Samples that run through every value of the depth, in every channel.
int sample(const Case& c, int x, int y, int channel) {
    const int max = (1 << c.depth) - 1;
    const int v = (x * 37 + y * 101 + channel * 59) * 263 + y;
    if (c.colourType == PNG_COLOR_TYPE_PALETTE) return v % std::min(256, max + 1);
    return v & max;
}

png_color paletteEntry(int i) {
    return {static_cast<png_byte>(i * 53), static_cast<png_byte>(i * 97 + 10),
            static_cast<png_byte>(255 - i * 31)};
}
// Palette transparency for the first half of the entries: clear, half or opaque.
int paletteAlpha(int i) {
    return i % 3 == 0 ? 0 : i % 3 == 1 ? 128 : 255;
}

void writePng(const std::string& path, const Case& c, int filters = PNG_ALL_FILTERS) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(c.width), static_cast<png_uint_32>(c.height),
                 c.depth, c.colourType, c.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, 0, filters);
    png_set_compression_buffer_size(png, 100); // image data in many chunks
    const int entries = std::min(256, 1 << c.depth);
    std::vector<png_color> palette;
    std::vector<png_byte> alphas;
    for (int i = 0; i < entries; ++i) {
        palette.push_back(paletteEntry(i));
        if (i < std::max(1, entries / 2)) alphas.push_back(static_cast<png_byte>(paletteAlpha(i)));
    }
    png_color_16 transparent{};
    transparent.gray = static_cast<png_uint_16>(sample(c, 1, 0, 0)); // one grey, or one colour
    transparent.red = static_cast<png_uint_16>(sample(c, 1, 0, 0));
    transparent.green = static_cast<png_uint_16>(sample(c, 1, 0, 1));
    transparent.blue = static_cast<png_uint_16>(sample(c, 1, 0, 2));
    if (c.colourType == PNG_COLOR_TYPE_PALETTE) png_set_PLTE(png, info, palette.data(), entries);
    if (c.transparency)
        png_set_tRNS(png, info, alphas.data(), static_cast<int>(alphas.size()), &transparent);
    png_write_info(png, info);

    const int channels = channelsOf(c.colourType);
    const std::size_t rowBytes = (static_cast<std::size_t>(c.width * channels * c.depth) + 7) / 8;
    std::vector<png_byte> image(rowBytes * static_cast<std::size_t>(c.height));
    std::vector<png_bytep> rows;
    for (int y = 0; y < c.height; ++y) {
        png_bytep row = image.data() + rowBytes * static_cast<std::size_t>(y);
        rows.push_back(row);
        for (int x = 0; x < c.width; ++x)
            for (int ch = 0; ch < channels; ++ch) {
                const int v = sample(c, x, y, ch);
                const int bit = (x * channels + ch) * c.depth;
                if (c.depth == 16) {
                    row[bit / 8] = static_cast<png_byte>(v >> 8);
                    row[bit / 8 + 1] = static_cast<png_byte>(v);
                } else {
                    row[bit / 8] |= static_cast<png_byte>(v << (8 - c.depth - bit % 8));
                }
            }
    }
    png_write_image(png, rows.data()); // interlaces by itself
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

// What the pixel should look like, from the samples written: the colour laid over white.
Pixel expected(const Case& c, int x, int y) {
    const int max = (1 << c.depth) - 1;
    const auto to8 = [&](int v) { return c.depth == 16 ? v >> 8 : v * 255 / max; };
    int rgb[3], alpha = 255;
    if (c.colourType == PNG_COLOR_TYPE_PALETTE) {
        const int i = sample(c, x, y, 0);
        const png_color e = paletteEntry(i);
        rgb[0] = e.red, rgb[1] = e.green, rgb[2] = e.blue;
        if (c.transparency && i < std::max(1, (max + 1) / 2)) alpha = paletteAlpha(i);
    } else {
        const bool colour = c.colourType & PNG_COLOR_MASK_COLOR;
        for (int ch = 0; ch < 3; ++ch)
            rgb[ch] = to8(sample(c, x, y, colour ? ch : 0));
        if (c.colourType & PNG_COLOR_MASK_ALPHA) alpha = to8(sample(c, x, y, colour ? 3 : 1));
        bool keyed = c.transparency;
        for (int ch = 0; ch < (colour ? 3 : 1); ++ch)
            keyed = keyed && sample(c, x, y, ch) == sample(c, 1, 0, ch);
        if (keyed) alpha = 0;
    }
    std::uint8_t out[3];
    for (int ch = 0; ch < 3; ++ch)
        out[ch] = static_cast<std::uint8_t>(
            std::lround(rgb[ch] * alpha / 255.0 + 255.0 * (1 - alpha / 255.0)));
    return rgb555(out[0], out[1], out[2]);
}

using tracelle::testing::bytesOf;
using tracelle::testing::writeBytes;

class PngCodecTest : public tracelle::testing::TempSuite<PngCodecTest> {
public:
    static fs::path dir() { return tracelle::testing::tempFolder("tracelle_png_"); }
};

void expectDecodedExactly(const std::string& path, const Case& c) {
    const Decoded d = decodePng(path);
    ASSERT_TRUE(d.ok()) << d.error;
    EXPECT_EQ(d.sourceBits, c.sourceBits);
    EXPECT_EQ(d.raster.indexed(), c.colourType == PNG_COLOR_TYPE_PALETTE ||
                                      (c.colourType == PNG_COLOR_TYPE_GRAY && !c.transparency))
        << "a byte a pixel for a palette, or grey levels without transparency";
    tracelle::testing::expectPixels(d.raster, c.width, c.height,
                                    [&](int x, int y) { return expected(c, x, y); });
}

TEST_F(PngCodecTest, DecodesEveryColourTypeAndDepthExactly) {
    constexpr int G = PNG_COLOR_TYPE_GRAY, GA = PNG_COLOR_TYPE_GRAY_ALPHA, RGB = PNG_COLOR_TYPE_RGB,
                  RGBA = PNG_COLOR_TYPE_RGB_ALPHA, P = PNG_COLOR_TYPE_PALETTE;
    const Case cases[] = {
        {"grey 1 bit", G, 1, false, false, 13, 11, 1},
        {"grey 2 bits", G, 2, false, false, 13, 11, 2},
        {"grey 4 bits", G, 4, false, false, 13, 11, 4},
        {"grey 8 bits", G, 8, false, false, 13, 11, 8},
        {"grey 16 bits", G, 16, false, false, 13, 11, 16},
        {"grey 8 bits, one grey transparent", G, 8, false, true, 13, 11, 8},
        {"grey and alpha 8 bits", GA, 8, false, false, 13, 11, 16},
        {"grey and alpha 16 bits", GA, 16, false, false, 13, 11, 32},
        {"RGB 8 bits", RGB, 8, false, false, 13, 11, 24},
        {"RGB 16 bits", RGB, 16, false, false, 13, 11, 48},
        {"RGB 8 bits, one colour transparent", RGB, 8, false, true, 13, 11, 24},
        {"RGBA 8 bits", RGBA, 8, false, false, 13, 11, 32},
        {"RGBA 16 bits", RGBA, 16, false, false, 13, 11, 64},
        {"palette 1 bit with tRNS", P, 1, false, true, 13, 11, 1},
        {"palette 2 bits", P, 2, false, false, 13, 11, 2},
        {"palette 4 bits with tRNS", P, 4, false, true, 13, 11, 4},
        {"palette 8 bits with tRNS", P, 8, false, true, 40, 30, 8},
        {"interlaced RGB 8 bits", RGB, 8, true, false, 13, 11, 24},
        {"interlaced palette 4 bits with tRNS", P, 4, true, true, 17, 9, 4},
        {"interlaced grey and alpha 16 bits", GA, 16, true, false, 9, 17, 32},
        {"interlaced grey 1 bit, passes left empty", G, 1, true, false, 3, 2, 1},
        {"interlaced RGBA 1 pixel", RGBA, 8, true, false, 1, 1, 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writePng(path("fixture.png"), c);
        expectDecodedExactly(path("fixture.png"), c);
    }
}

// Each row filter on every pixel size of 8-bit samples, over more rows than one batch, and
// in each pass of an interlaced picture.
TEST_F(PngCodecTest, UndoesEachRowFilter) {
    const Case cases[] = {
        {"palette", PNG_COLOR_TYPE_PALETTE, 8, false, true, 31, 90, 8},
        {"grey and alpha", PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, false, 31, 90, 16},
        {"RGB", PNG_COLOR_TYPE_RGB, 8, false, false, 31, 90, 24},
        {"RGBA", PNG_COLOR_TYPE_RGB_ALPHA, 8, false, false, 31, 90, 32},
        {"interlaced RGB", PNG_COLOR_TYPE_RGB, 8, true, false, 31, 90, 24},
        {"interlaced palette, passes left empty", PNG_COLOR_TYPE_PALETTE, 8, true, true, 3, 2, 8},
    };
    const struct {
        const char* name;
        int filter;
    } filters[] = {{"none", PNG_FILTER_NONE},
                   {"sub", PNG_FILTER_SUB},
                   {"up", PNG_FILTER_UP},
                   {"average", PNG_FILTER_AVG},
                   {"Paeth", PNG_FILTER_PAETH}};
    for (const Case& c : cases)
        for (const auto& f : filters) {
            SCOPED_TRACE(std::string(c.name) + ", " + f.name);
            writePng(path("filtered.png"), c, f.filter);
            expectDecodedExactly(path("filtered.png"), c);
        }
}

TEST_F(PngCodecTest, BrokenFilesFailCleanly) {
    writePng(path("good.png"), {"", PNG_COLOR_TYPE_RGB, 8, false, false, 120, 90, 24});
    const std::vector<char> good = bytesOf(path("good.png"));
    // Chunks: length, type, data, CRC. The image data follows the 8-byte signature and IHDR.
    const std::size_t idat = 8 + 25, idatData = idat + 8;
    ASSERT_EQ(std::string(good.data() + idat + 4, 4), "IDAT");
    std::vector<char> badCrc = good, badData = good;
    badCrc[idatData + 20] ^= 0x55;
    // Garbage in the compressed stream under a correct CRC: zlib itself must refuse it.
    const std::size_t length = static_cast<unsigned char>(good[idat + 2]) << 8 |
                               static_cast<unsigned char>(good[idat + 3]);
    for (std::size_t i = 2; i < 12; ++i)
        badData[idatData + i] = '\xFF';
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(badData.data() + idat + 4),
                            static_cast<uInt>(length + 4));
    for (int i = 0; i < 4; ++i)
        badData[idatData + length + static_cast<std::size_t>(i)] =
            static_cast<char>(crc >> (24 - 8 * i));
    // Twice the rows announced, under a correct CRC: the image data end before the picture.
    std::vector<char> tall = good;
    ASSERT_EQ(std::string(tall.data() + 12, 4), "IHDR");
    ASSERT_EQ(tall[23], 90);
    tall[23] = static_cast<char>(180);
    const uLong ihdrCrc = crc32(0, reinterpret_cast<const Bytef*>(tall.data() + 12), 17);
    for (int i = 0; i < 4; ++i)
        tall[29 + static_cast<std::size_t>(i)] = static_cast<char>(ihdrCrc >> (24 - 8 * i));
    // libpng's own texts are English: the user reads the French of the kind of fault.
    const struct {
        const char* name;
        std::vector<char> bytes;
        const char* error;
    } cases[] = {
        {"rows missing", tall, "PNG : image incomplète (données de l'image trop courtes)"},
        {"cut in the image data",
         {good.begin(), good.begin() + good.size() / 2},
         "fichier PNG tronqué"},
        {"signature only", {good.begin(), good.begin() + 8}, "fichier PNG tronqué"},
        {"half a signature", {good.begin(), good.begin() + 4}, "fichier PNG tronqué"},
        {"image data CRC wrong", badCrc, "PNG : données de l'image endommagées"},
        {"compressed stream broken", badData, "PNG : données de l'image endommagées"},
        {"empty", {}, "fichier PNG vide"},
        {"not a PNG",
         {'\xFF', '\xD8', '\xFF', '\xE0', 0, 16, 'J', 'F', 'I', 'F'},
         "PNG : ce fichier n'est pas une image PNG"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tracelle::testing::expectRefused(decodePng, path("broken.png"), c.bytes, c.error);
    }
    EXPECT_FALSE(decodePng(path("nowhere.png")).error.empty());
}

} // namespace
