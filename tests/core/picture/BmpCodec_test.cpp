#include "PixelCheck.h"
#include "picture/BmpCodec.h"
#include "support/TempFiles.h"

#include <array>
#include <bit>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

using namespace tracelle::picture;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Rgb {
    std::uint8_t r, g, b;
};

// Distinct channels in every colour, so that a swapped channel shows.
const std::vector<Rgb> kColours = {{0x00, 0x00, 0x00}, {0xFF, 0xFF, 0xFF}, {0xEE, 0x11, 0x22},
                                   {0x33, 0xCC, 0x44}, {0x55, 0x66, 0xDD}, {0x88, 0x99, 0xAA},
                                   {0xBB, 0x77, 0x00}, {0x22, 0x44, 0x66}};

Pixel expected(const Rgb& c) {
    return rgb555(c.r, c.g, c.b);
}

// Little-endian fields of `size` bytes, each value given as a 32-bit pattern.
void add(Bytes& b, int size, std::initializer_list<std::uint32_t> values) {
    for (std::uint32_t v : values)
        for (int i = 0; i < size; ++i)
            b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void patch32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

struct Layout {
    int header = 40; // 12, 40, 108 or 124
    int width = 0;
    int height = 0; // negative: top-down
    int bits = 8;
    std::uint32_t compression = 0;
    std::array<std::uint32_t, 4> masks{}; // written when compression is 3
    std::vector<Rgb> palette;
    std::uint32_t coloursUsed = 0;
};

// A whole file around `pixels`, which are stored as given.
Bytes bmpFile(const Layout& l, const Bytes& pixels) {
    const bool masksAfter = l.header == 40 && l.compression == 3;
    const std::uint32_t entry = l.header == 12 ? 3 : 4;
    const auto offset = static_cast<std::uint32_t>(14 + l.header + (masksAfter ? 12 : 0) +
                                                   l.palette.size() * entry);
    const auto w = static_cast<std::uint32_t>(l.width);
    const auto h = static_cast<std::uint32_t>(l.height);
    const auto bits = static_cast<std::uint32_t>(l.bits);
    Bytes b = {'B', 'M'};
    add(b, 4,
        {offset + static_cast<std::uint32_t>(pixels.size()), 0, offset,
         static_cast<std::uint32_t>(l.header)});
    if (l.header == 12) {
        add(b, 2, {w, h, 1, bits});
    } else {
        add(b, 4, {w, h});
        add(b, 2, {1, bits});
        add(b, 4, {l.compression, 0, 2835, 2835, l.coloursUsed, 0});
        if (masksAfter) add(b, 4, {l.masks[0], l.masks[1], l.masks[2]});
        if (l.header > 40) {
            add(b, 4, {l.masks[0], l.masks[1], l.masks[2], l.masks[3]});
            b.resize(14 + static_cast<std::size_t>(l.header), 0); // colour space fields
        }
    }
    for (const Rgb& c : l.palette) {
        b.insert(b.end(), {c.b, c.g, c.r});
        if (entry == 4) b.push_back(0);
    }
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

// A channel into a mask of any width, the way a writer would.
std::uint32_t pack(std::uint8_t c, std::uint32_t mask) {
    const int bits = std::popcount(mask);
    const std::uint32_t v = bits <= 8 ? c >> (8 - bits) : (c << (bits - 8)) | (c >> (16 - bits));
    return v << std::countr_zero(mask);
}

// The picture of the variant tests: colour index (x + 2y) mod n, 5 wide (every depth pads).
constexpr int kW = 5;
constexpr int kH = 3;
int indexAt(int x, int y, int n) {
    return (x + 2 * y) % n;
}

struct Variant {
    const char* name;
    int header;
    int bits;
    std::uint32_t compression;
    std::array<std::uint32_t, 4> masks; // how 16 and 32 bits are stored
    bool fullPalette;                   // colours used 0: the palette has 2^bits entries
};

Bytes variantFile(const Variant& v, bool topDown) {
    Layout l{v.header, kW, topDown ? -kH : kH, v.bits, v.compression, v.masks, {}, 0};
    const int n = v.bits <= 8 ? std::min(8, 1 << v.bits) : 8;
    if (v.bits <= 8) {
        l.palette.assign(kColours.begin(), kColours.begin() + n);
        if (v.fullPalette)
            l.palette.resize(std::size_t{1} << v.bits, Rgb{9, 9, 9});
        else
            l.coloursUsed = static_cast<std::uint32_t>(n);
    }
    const std::size_t rowBytes = (kW * v.bits + 31) / 32 * 4;
    Bytes pixels;
    for (int s = 0; s < kH; ++s) {
        Bytes row(rowBytes, 0);
        const int y = topDown ? s : kH - 1 - s;
        for (int x = 0; x < kW; ++x) {
            const int i = indexAt(x, y, n);
            const Rgb& c = kColours[i];
            if (v.bits <= 8) {
                row[x * v.bits / 8] |=
                    static_cast<std::uint8_t>(i << (8 - v.bits - x * v.bits % 8));
            } else if (v.bits == 24) {
                row[3 * x] = c.b, row[3 * x + 1] = c.g, row[3 * x + 2] = c.r;
            } else {
                const std::uint32_t p = pack(c.r, v.masks[0]) | pack(c.g, v.masks[1]) |
                                        pack(c.b, v.masks[2]) | v.masks[3]; // alpha all set
                for (int k = 0; k < v.bits / 8; ++k)
                    row[x * v.bits / 8 + k] = static_cast<std::uint8_t>(p >> (8 * k));
            }
        }
        pixels.insert(pixels.end(), row.begin(), row.end());
    }
    return bmpFile(l, pixels);
}

class BmpCodec : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override { fs::remove_all(dir_); }

    std::string save(const Bytes& bytes, const std::string& name = "t.bmp") {
        const std::string path = (dir_ / name).string();
        tracelle::testing::writeBytes(path, {bytes.begin(), bytes.end()});
        return path;
    }
    Decoded decode(const Bytes& bytes) { return decodeBmp(save(bytes)); }

    const fs::path dir_ = tracelle::testing::tempFolder("tracelle_bmp_");
};

constexpr std::array<std::uint32_t, 4> k555 = {0x7C00, 0x03E0, 0x001F, 0};
constexpr std::array<std::uint32_t, 4> k565 = {0xF800, 0x07E0, 0x001F, 0};
constexpr std::array<std::uint32_t, 4> kBgrx = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};

const Variant kVariants[] = {
    {"1 bit", 40, 1, 0, {}, false},
    {"2 bits", 40, 2, 0, {}, false},
    {"4 bits", 40, 4, 0, {}, false},
    {"8 bits", 40, 8, 0, {}, false},
    {"8 bits, 256 colours", 40, 8, 0, {}, true},
    {"16 bits 555", 40, 16, 0, k555, false},
    {"16 bits 565", 40, 16, 3, k565, false},
    {"16 bits 444 in V4", 108, 16, 3, {0x0F00, 0x00F0, 0x000F, 0xF000}, false},
    {"24 bits", 40, 24, 0, {}, false},
    {"24 bits V5", 124, 24, 0, {}, false},
    {"32 bits", 40, 32, 0, kBgrx, false},
    {"32 bits RGBA masks", 40, 32, 3, {0xFF, 0xFF00, 0xFF0000, 0xFF000000}, false},
    {"32 bits 10-10-10 in V5", 124, 32, 3, {0x3FF00000, 0xFFC00, 0x3FF, 0xC0000000}, false},
    {"OS/2 1 bit", 12, 1, 0, {}, true},
    {"OS/2 4 bits", 12, 4, 0, {}, true},
    {"OS/2 8 bits", 12, 8, 0, {}, true},
    {"OS/2 24 bits", 12, 24, 0, {}, false},
};

TEST_F(BmpCodec, DecodesEveryDepthInBothRowOrders) {
    for (const Variant& v : kVariants) {
        for (bool topDown : {false, true}) {
            if (topDown && v.header == 12) continue; // unsigned height: bottom-up only
            SCOPED_TRACE(std::string(v.name) + (topDown ? ", top-down" : ", bottom-up"));
            const Decoded d = decode(variantFile(v, topDown));
            ASSERT_TRUE(d.ok()) << d.error;
            EXPECT_EQ(d.sourceBits, v.bits);
            EXPECT_EQ(d.raster.indexed(), v.bits <= 8) << "palette pictures a byte a pixel";
            const int n = v.bits <= 8 ? std::min(8, 1 << v.bits) : 8;
            tracelle::testing::expectPixels(d.raster, kW, kH, [n](int x, int y) {
                return expected(kColours[indexAt(x, y, n)]);
            });
        }
    }
}

// Five rows of six, bottom-up: runs, an odd literal with its padding, a delta over a row
// end, a run past the row's end, and an end of bitmap that leaves a whole row.
const Bytes kRle8 = {3, 1, 0, 3, 2, 3, 4, 0, 0, 0, // 1 1 1 2 3 4
                     0, 2, 2, 1,                   // delta (2, 1): row of 0
                     2, 5, 0, 0,                   // 0 0 5 5 0 0
                     0, 4, 6, 5, 4, 3, 5, 7, 0, 0, // 6 5 4 3 7 7 (run cut)
                     0, 1};                        // end: last row of 0
const int kRle8Rows[5][6] = {{0, 0, 0, 0, 0, 0},
                             {6, 5, 4, 3, 7, 7},
                             {0, 0, 5, 5, 0, 0},
                             {0, 0, 0, 0, 0, 0},
                             {1, 1, 1, 2, 3, 4}};
// Four rows of seven: a literal of five (three bytes padded to four), alternating runs,
// index 9 beyond the palette, a delta within a row, then an early end.
const Bytes kRle4 = {0, 5,    0x12, 0x34, 0x50, 0,    2, 0x67, 0, 0, // 1 2 3 4 5 6 7
                     4, 0x19, 0,    2,    1,    0,                   // 1 9 1 9, x += 1
                     2, 0x34, 0,    0,                               // 1 9 1 9 0 3 4
                     0, 2,    5,    0,    3,    0x56, 0, 1};         // x = 5: 5 6 (cut)
const int kRle4Rows[4][7] = {
    {0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 5, 6}, {1, 9, 1, 9, 0, 3, 4}, {1, 2, 3, 4, 5, 6, 7}};

// Its first entry is not black, the colour of entries that no palette gives.
const std::vector<Rgb> kRlePalette(kColours.rbegin(), kColours.rend());

Bytes rleFile(bool four) {
    if (four) return bmpFile({40, 7, 4, 4, 2, {}, kRlePalette, 0}, kRle4);
    return bmpFile({40, 6, 5, 8, 1, {}, kRlePalette, 0}, kRle8);
}

TEST_F(BmpCodec, DecodesRleWithEveryEscape) {
    for (bool four : {false, true}) {
        SCOPED_TRACE(four ? "RLE4" : "RLE8");
        const Decoded d = decode(rleFile(four));
        ASSERT_TRUE(d.ok()) << d.error;
        EXPECT_EQ(d.sourceBits, four ? 4 : 8);
        EXPECT_TRUE(d.raster.indexed());
        tracelle::testing::expectPixels(d.raster, four ? 7 : 6, four ? 4 : 5, [four](int x, int y) {
            const int i = four ? kRle4Rows[y][x] : kRle8Rows[y][x];
            return expected(kRlePalette[i < 8 ? i : 0]);
        });
    }
    // An end of line on the last row completes the picture without an end of bitmap.
    const Decoded d = decode(bmpFile({40, 2, 1, 8, 1, {}, kColours, 0}, {2, 3, 0, 0}));
    ASSERT_TRUE(d.ok()) << d.error;
    EXPECT_EQ(d.raster.pixel(1, 0), expected(kColours[3]));
}

TEST_F(BmpCodec, EveryTruncationFailsCleanly) {
    const std::vector<std::pair<const char*, Bytes>> files = {
        {"8 bits", variantFile(kVariants[3], false)},
        {"OS/2 4 bits", variantFile(kVariants[14], false)},
        {"16 bits 565", variantFile(kVariants[6], true)},
        {"24 bits", variantFile(kVariants[8], true)},
        {"32 bits V5", variantFile(kVariants[12], false)},
        {"RLE8", rleFile(false)},
        {"RLE4", rleFile(true)},
    };
    for (const auto& [name, whole] : files) {
        ASSERT_TRUE(decode(whole).ok()) << name;
        for (std::size_t size = 0; size < whole.size(); ++size) {
            SCOPED_TRACE(std::string(name) + " cut to " + std::to_string(size) + " bytes");
            const Decoded d =
                decode(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size)));
            EXPECT_FALSE(d.error.empty());
            EXPECT_TRUE(d.raster.empty());
        }
    }
    EXPECT_NE(decodeBmp((dir_ / "absent.bmp").string()).error, "");
}

TEST_F(BmpCodec, CorruptHeadersFailWithTheirReason) {
    const Bytes indexed = variantFile(kVariants[3], false);
    const Bytes masked = variantFile(kVariants[6], false);
    const Bytes rle = rleFile(false);
    // Each case rewrites 32-bit fields of a valid file.
    struct Case {
        const char* name;
        const Bytes& file;
        std::vector<std::pair<std::size_t, std::uint32_t>> patches;
        const char* reason;
    };
    const auto minus = [](int v) { return static_cast<std::uint32_t>(v); };
    const Case cases[] = {
        {"signature", indexed, {{0, 0x4D58}}, "pas une image BMP"},
        {"OS/2 2 header", indexed, {{14, 64}}, "en-tête BMP non prise en charge"},
        {"header size", indexed, {{14, 1000}}, "en-tête BMP non prise en charge"},
        {"zero width", indexed, {{18, 0}}, "taille d'image invalide"},
        {"negative width", indexed, {{18, minus(-5)}}, "taille d'image invalide"},
        {"zero height", indexed, {{22, 0}}, "taille d'image invalide"},
        {"lowest height", indexed, {{22, minus(INT_MIN)}}, "taille d'image invalide"},
        {"3 bits", indexed, {{28, 3}}, "profondeur"},
        {"0 bits", indexed, {{28, 0}}, "profondeur"},
        {"JPEG inside", indexed, {{30, 4}}, "JPEG ou PNG"},
        {"unknown compression", indexed, {{30, 9}}, "compression BMP non reconnue"},
        {"RLE4 on 8 bits", indexed, {{30, 2}}, "incompatible"},
        {"masks on 8 bits", indexed, {{30, 3}}, "incompatible"},
        {"pixels inside header", indexed, {{10, 20}}, "position des pixels"},
        {"pixels past the end", indexed, {{10, 0xFFFFFFF0}}, "tronqué"},
        {"no room for palette", indexed, {{10, 54}}, "palette BMP absente"},
        {"rows past the end", indexed, {{22, 1 << 20}}, "tronqué"},
        {"zero masks", masked, {{54, 0}, {58, 0}, {62, 0}}, "masques"},
        {"split mask", masked, {{54, 0xF0F0}}, "masques"},
        {"mask over 16 bits", masked, {{54, 0x1F0000}}, "masques"},
        {"top-down RLE", rle, {{22, minus(-5)}}, "haut en bas"},
        {"huge RLE", rle, {{18, 1 << 21}, {22, 1 << 21}}, "trop grande"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes b = c.file;
        for (auto [at, value] : c.patches)
            patch32(b, at, value);
        const Decoded d = decode(b);
        EXPECT_TRUE(d.raster.empty());
        ASSERT_FALSE(d.error.empty());
        EXPECT_NE(d.error.find(c.reason), std::string::npos) << d.error;
    }
}

TEST_F(BmpCodec, WrittenPicturesReadBackTheSame) {
    for (auto [w, h] : {std::pair{1, 1}, {2, 3}, {3, 2}, {5, 4}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        Raster r = Raster::create(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                r.row(y)[x] = static_cast<Pixel>((x * 977 + y * 131 + 7) & 0x7FFF);
        const std::string path = (dir_ / "w.bmp").string();
        ASSERT_EQ(writeBmp(r, path), "");
        EXPECT_EQ(fs::file_size(path), 54 + static_cast<std::uintmax_t>((w * 3 + 3) / 4 * 4 * h));
        const Decoded d = decodeBmp(path);
        ASSERT_TRUE(d.ok()) << d.error;
        EXPECT_EQ(d.sourceBits, 24);
        tracelle::testing::expectPixels(d.raster, w, h,
                                        [&r](int x, int y) { return r.pixel(x, y); });
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(BmpCodec, AFailedSaveLeavesNothingHalfWritten) {
    Raster r = Raster::create(4, 4);
    r.fill(rgb555(10, 200, 30));
    const fs::path missing = dir_ / "missing";
    EXPECT_NE(writeBmp(r, (missing / "a.bmp").string()), "");
    EXPECT_FALSE(fs::exists(missing));

    const std::string kept = save({'o', 'l', 'd'}, "kept.bmp");
    EXPECT_NE(writeBmp(Raster(), kept), "");
    EXPECT_EQ(fs::file_size(kept), 3u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

} // namespace
