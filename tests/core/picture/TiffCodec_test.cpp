// The fixtures are written by libtiff itself at run time, so that every compression and
// sample layout is checked against the pixels it was given.
#include "PixelCheck.h"
#include "picture/TiffCodec.h"
#include "support/TempFiles.h"

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <regex>
#include <string>
#include <tiffio.h>
#include <utility>
#include <vector>

using namespace tracelle::picture;
namespace fs = std::filesystem;

namespace {

class TiffCodec : public tracelle::testing::TempSuite<TiffCodec> {
public:
    static fs::path dir() { return tracelle::testing::tempFolder("tracelle_tiff_"); }
};

enum class Colour { Black, White, Palette, OldPalette, Rgb, Cmyk, YCbCr };

struct Layout {
    Colour colour;
    int bits;
    int samples; // extra samples included
};

std::string describe(const Layout& l) {
    const char* names[] = {"grey", "white", "palette", "8-bit map palette", "rgb", "cmyk", "ycbcr"};
    return std::string(names[static_cast<int>(l.colour)]) + " " + std::to_string(l.bits) +
           " bits, " + std::to_string(l.samples) + " samples";
}

// Every sample layout, with and without extra samples.
std::vector<Layout> allLayouts() {
    std::vector<Layout> all{{Colour::OldPalette, 8, 1}, {Colour::YCbCr, 8, 3}};
    for (int bits : {1, 2, 4, 8, 16}) {
        all.insert(all.end(), {{Colour::Black, bits, 1}, {Colour::White, bits, 1}});
        if (bits >= 4) all.push_back({Colour::Black, bits, 2});
        if (bits <= 8) all.push_back({Colour::Palette, bits, 1});
    }
    for (int bits : {8, 16}) {
        all.insert(all.end(), {{Colour::Rgb, bits, 3}, {Colour::Rgb, bits, 4}});
        all.insert(all.end(), {{Colour::Rgb, bits, 5}, {Colour::Cmyk, bits, 4}});
    }
    return all;
}

struct Compression {
    const char* name;
    std::uint16_t code;
    bool predictor = false;
    std::uint32_t g3Options = 0;
};

const Compression kCompressions[] = {{"none", COMPRESSION_NONE},
                                     {"LZW", COMPRESSION_LZW},
                                     {"LZW+predictor", COMPRESSION_LZW, true},
                                     {"PackBits", COMPRESSION_PACKBITS},
                                     {"deflate", COMPRESSION_ADOBE_DEFLATE},
                                     {"old deflate+predictor", COMPRESSION_DEFLATE, true},
                                     {"JPEG", COMPRESSION_JPEG},
                                     {"CCITT RLE", COMPRESSION_CCITTRLE},
                                     {"G3", COMPRESSION_CCITTFAX3},
                                     {"G3 2D", COMPRESSION_CCITTFAX3, false, GROUP3OPT_2DENCODING},
                                     {"G4", COMPRESSION_CCITTFAX4}};

struct Organisation {
    const char* name;
    bool tiled;
    bool separate;
    bool bigEndian = false;
    bool lsbFirst = false;
};

const Organisation kOrganisations[] = {{"strips", false, false},
                                       {"tiles", true, false},
                                       {"separate strips", false, true},
                                       {"separate tiles", true, true},
                                       {"big-endian strips", false, false, true},
                                       {"LSB-first tiles", true, false, false, true}};

bool fits(const Layout& l, const Compression& c, const Organisation& o) {
    if (c.code == COMPRESSION_CCITTRLE || c.code == COMPRESSION_CCITTFAX3 ||
        c.code == COMPRESSION_CCITTFAX4)
        return l.bits == 1 && l.samples == 1;
    if ((c.predictor && l.bits < 8) || (o.separate && l.samples == 1)) return false;
    if (l.colour == Colour::YCbCr) return c.code == COMPRESSION_JPEG && !o.separate;
    return c.code != COMPRESSION_JPEG ||
           (l.bits == 8 && (l.colour == Colour::Black || l.colour == Colour::Rgb) &&
            l.samples != 2 && l.samples < 4);
}

// The picture a fixture holds: the samples written and the pixels they stand for.
struct Source {
    int width, height;
    Layout layout;
    bool smooth = false; // for JPEG, whose losses grow with sharp changes

    int top() const { return (1 << layout.bits) - 1; }
    int colours() const {
        const Colour c = layout.colour;
        return c == Colour::Cmyk ? 4 : c == Colour::Rgb || c == Colour::YCbCr ? 3 : 1;
    }
    bool grey() const { return layout.colour == Colour::Black || layout.colour == Colour::White; }
    static int entry(int i, int c) { return (i * (67 + c * 84) + 13 + c * 90) & 255; }
    static bool inked(int x, int y) { return (x + y) % 5 == 0; } // CMYK black hides the rest

    // Channel c of the colour pictures; for grey and palette ones, the level or index.
    int value(int x, int y, int c) const {
        const int w = width - 1, h = height - 1;
        if (smooth) {
            const int v[] = {20 + x * 180 / w, 30 + y * 176 / h, 200 - x * 72 / w - y * 66 / h, 0};
            return colours() == 1 ? 20 + x * 108 / w + y * 88 / h : v[c];
        }
        if (colours() == 1) return (x * 5 + y * 3) % std::min(top() + 1, 256);
        // CMYK's black (c = 3) is set by sample() itself
        const int v[] = {x * 7 + y * 3, x * 11 ^ y * 17, x * y * 5 + 40, 0};
        return v[c] & 255;
    }

    unsigned sample(int x, int y, int c) const {
        if (c >= colours()) return static_cast<unsigned>(x * 31 + y + c) & top(); // ignored
        int v = value(x, y, c);
        if (layout.colour == Colour::White) v = (layout.bits == 16 ? 255 : top()) - v;
        if (layout.colour == Colour::Cmyk) v = c < 3 ? 255 - v : inked(x, y) * 255;
        if (layout.bits < 16) return static_cast<unsigned>(v);
        return static_cast<unsigned>(v << 8 | ((x * 29 + y * 13 + c * 71) & 255)); // low byte
    }

    Pixel expected(int x, int y) const {
        const int v = value(x, y, 0);
        if (grey()) {
            const int level = layout.bits == 16 ? v : v * 255 / top();
            return rgb555(level, level, level);
        }
        if (colours() == 1) return rgb555(entry(v, 0), entry(v, 1), entry(v, 2));
        if (layout.colour == Colour::Cmyk && inked(x, y)) return 0;
        return rgb555(v, value(x, y, 1), value(x, y, 2));
    }

    // Samples [first, first + count) of a block, packed as libtiff takes them. Past the
    // picture's edge, tiles repeat it, as encoders do, so that JPEG keeps the edge sharp.
    std::vector<std::uint8_t> pack(int x0, int y0, int w, int h, int first, int count) const {
        const int bits = layout.bits;
        const std::size_t rowBytes = (static_cast<std::size_t>(w) * count * bits + 7) / 8;
        std::vector<std::uint8_t> out(rowBytes * h, 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                for (int c = 0; c < count; ++c) {
                    const unsigned v = sample(std::min(x0 + x, width - 1),
                                              std::min(y0 + y, height - 1), first + c);
                    const std::size_t i = static_cast<std::size_t>(x) * count + c;
                    std::uint8_t* row = out.data() + rowBytes * y;
                    if (bits == 16) {
                        const auto v16 = static_cast<std::uint16_t>(v); // libtiff swaps
                        std::memcpy(row + i * 2, &v16, 2);
                    } else {
                        row[i * bits / 8] |=
                            static_cast<std::uint8_t>(v << (8 - bits - i * bits % 8));
                    }
                }
        return out;
    }
};

struct WriteOptions {
    Compression compression{"none", COMPRESSION_NONE};
    Organisation organisation{"strips", false, false};
    int rowsPerStrip = 5;
    bool directoryFirst = false; // so that a file cut in its pixels keeps its directory
    int pages = 1;
};

// Not kept by libtiff when it reads the directory back: set again each time.
void setJpegFields(TIFF* t, const Source& s, const WriteOptions& w) {
    if (w.compression.code != COMPRESSION_JPEG) return;
    TIFFSetField(t, TIFFTAG_JPEGQUALITY, 95);
    if (s.layout.colour == Colour::YCbCr) TIFFSetField(t, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
    if (w.directoryFirst) TIFFSetField(t, TIFFTAG_JPEGTABLESMODE, 0); // would change it
}

void setFields(TIFF* t, const Source& s, const WriteOptions& w) {
    const Layout& l = s.layout;
    const std::uint16_t photometric[] = {
        PHOTOMETRIC_MINISBLACK, PHOTOMETRIC_MINISWHITE, PHOTOMETRIC_PALETTE, PHOTOMETRIC_PALETTE,
        PHOTOMETRIC_RGB,        PHOTOMETRIC_SEPARATED,  PHOTOMETRIC_YCBCR};
    TIFFSetField(t, TIFFTAG_IMAGEWIDTH, s.width);
    TIFFSetField(t, TIFFTAG_IMAGELENGTH, s.height);
    TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, l.bits);
    TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, l.samples);
    TIFFSetField(t, TIFFTAG_SAMPLEFORMAT, SAMPLEFORMAT_UINT);
    TIFFSetField(t, TIFFTAG_PHOTOMETRIC, photometric[static_cast<int>(l.colour)]);
    TIFFSetField(t, TIFFTAG_PLANARCONFIG,
                 w.organisation.separate ? PLANARCONFIG_SEPARATE : PLANARCONFIG_CONTIG);
    TIFFSetField(t, TIFFTAG_COMPRESSION, w.compression.code);
    if (l.samples > s.colours()) {
        std::vector<std::uint16_t> kinds(l.samples - s.colours(), EXTRASAMPLE_UNASSALPHA);
        TIFFSetField(t, TIFFTAG_EXTRASAMPLES, static_cast<std::uint16_t>(kinds.size()),
                     kinds.data());
    }
    if (l.colour == Colour::Palette || l.colour == Colour::OldPalette) {
        std::vector<std::uint16_t> map[3];
        for (int c = 0; c < 3; ++c)
            for (int i = 0; i < 1 << l.bits; ++i)
                map[c].push_back(Source::entry(i, c) * (l.colour == Colour::Palette ? 257 : 1));
        TIFFSetField(t, TIFFTAG_COLORMAP, map[0].data(), map[1].data(), map[2].data());
    }
    if (w.compression.predictor) TIFFSetField(t, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
    if (w.compression.g3Options) TIFFSetField(t, TIFFTAG_GROUP3OPTIONS, w.compression.g3Options);
    setJpegFields(t, s, w);
    if (w.organisation.lsbFirst) TIFFSetField(t, TIFFTAG_FILLORDER, FILLORDER_LSB2MSB);
    if (w.organisation.tiled) {
        TIFFSetField(t, TIFFTAG_TILEWIDTH, 16);
        TIFFSetField(t, TIFFTAG_TILELENGTH, 16);
    } else {
        TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, w.rowsPerStrip);
    }
}

bool writePixels(TIFF* t, const Source& s, const WriteOptions& w) {
    const bool separate = w.organisation.separate;
    const int count = separate ? 1 : s.layout.samples;
    bool ok = true;
    for (int p = 0; p < (separate ? s.layout.samples : 1); ++p) {
        if (w.organisation.tiled) {
            for (int y = 0; y < s.height; y += 16)
                for (int x = 0; x < s.width; x += 16) {
                    auto block = s.pack(x, y, 16, 16, p, count);
                    ok &= TIFFWriteEncodedTile(t, TIFFComputeTile(t, x, y, 0, p), block.data(),
                                               static_cast<tmsize_t>(block.size())) >= 0;
                }
            continue;
        }
        const int strips = (s.height + w.rowsPerStrip - 1) / w.rowsPerStrip;
        for (int i = 0; i < strips; ++i) {
            const int y = i * w.rowsPerStrip;
            auto block = s.pack(0, y, s.width, std::min(w.rowsPerStrip, s.height - y), p, count);
            ok &= TIFFWriteEncodedStrip(t, p * strips + i, block.data(),
                                        static_cast<tmsize_t>(block.size())) >= 0;
        }
    }
    return ok;
}

int ignore(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

// Further pages hold wider pictures. The fixtures' own warnings (such as the old deflate
// code) are kept off stderr, where the decoder must print nothing.
bool writeTiff(const std::string& path, const Source& source, const WriteOptions& w) {
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetWarningHandlerExtR(options, ignore, nullptr);
    TIFF* t = TIFFOpenExt(path.c_str(), w.organisation.bigEndian ? "wb" : "wl", options);
    TIFFOpenOptionsFree(options);
    if (!t) return false;
    bool ok = true;
    for (int page = 0; page < w.pages && ok; ++page) {
        Source s = source;
        s.width += page * 10;
        setFields(t, s, w);
        if (w.directoryFirst) {
            TIFFDeferStrileArrayWriting(t);
            TIFFWriteCheck(t, w.organisation.tiled, "fixture");
            TIFFWriteDirectory(t);
            TIFFSetDirectory(t, 0);
            setJpegFields(t, s, w);
            TIFFForceStrileArrayWriting(t);
        }
        ok = writePixels(t, s, w) && (page + 1 == w.pages || TIFFWriteDirectory(t));
    }
    TIFFClose(t);
    return ok;
}

void expectSourcePixels(const Source& source, const WriteOptions& w) {
    const std::string path = TiffCodec::path("pixels.tif");
    ASSERT_TRUE(writeTiff(path, source, w));
    const Decoded d = decodeTiff(path);
    ASSERT_TRUE(d.ok()) << d.error;
    EXPECT_EQ(d.sourceBits, source.layout.bits * source.layout.samples);
    // Grey and palette samples without extra ones are kept a byte a pixel.
    EXPECT_EQ(d.raster.indexed(),
              source.colours() == 1 && source.layout.samples == 1 && source.layout.bits <= 8);
    tracelle::testing::expectPixels(
        d.raster, source.width, source.height, [&](int x, int y) { return source.expected(x, y); },
        source.smooth ? 1 : 0);
}

TEST_F(TiffCodec, EveryCompressionLayoutAndOrganisationGivesTheSourcePixels) {
    int checked = 0;
    for (const Layout& layout : allLayouts())
        for (const Compression& compression : kCompressions)
            for (const Organisation& organisation : kOrganisations) {
                if (!fits(layout, compression, organisation)) continue;
                SCOPED_TRACE(describe(layout) + ", " + compression.name + ", " + organisation.name);
                const bool jpeg = compression.code == COMPRESSION_JPEG;
                expectSourcePixels({37, 23, layout, jpeg},
                                   {compression, organisation, jpeg ? 16 : 5});
                ++checked;
            }
    EXPECT_GT(checked, 300);
}

const Layout kRgb{Colour::Rgb, 8, 3};
const Compression kNone{"none", COMPRESSION_NONE}, kLzw{"LZW", COMPRESSION_LZW};

// A strip too large to hold whole is read a row at a time, through one handle a plane; from
// half a megapixel on, two threads share the strips or tiles, each through its own handle;
// of several pages, the first is read.
TEST_F(TiffCodec, LargeAndMultiPageFilesGiveTheSourcePixels) {
    const Layout ycbcr{Colour::YCbCr, 8, 3}, rgba{Colour::Rgb, 8, 4}, rgba16{Colour::Rgb, 16, 4};
    const Compression jpeg{"JPEG", COMPRESSION_JPEG};
    const Compression deflate{"deflate", COMPRESSION_ADOBE_DEFLATE, true};
    const Organisation one{"one strip", false, false}, oneSeparate{"one strip", false, true};
    const std::pair<Source, WriteOptions> cases[] = {
        {{1203, 1801, kRgb}, {kLzw, one, 1801}},
        {{1203, 1801, rgba16}, {deflate, oneSeparate, 1801}},
        {{1203, 1801, ycbcr, true}, {jpeg, one, 1801}},
        {{800, 700, kRgb}, {kLzw, kOrganisations[0], 16}},
        {{800, 700, ycbcr, true}, {jpeg, kOrganisations[0], 16}},
        {{800, 700, ycbcr, true}, {jpeg, kOrganisations[1], 16}},
        {{800, 700, rgba}, {kLzw, kOrganisations[2], 16}},
        {{800, 700, rgba}, {kLzw, kOrganisations[3], 16}},
        {{1203, 1801, {Colour::White, 4, 1}}, {kLzw, one, 1801}},
        {{800, 700, {Colour::Palette, 2, 1}}, {kLzw, kOrganisations[1], 16}},
        {{37, 23, kRgb}, {kLzw, kOrganisations[0], 5, false, 3}},
    };
    for (const auto& [source, w] : cases) {
        SCOPED_TRACE(describe(source.layout) + ", " + w.compression.name + ", " +
                     w.organisation.name + ", " + std::to_string(w.pages) + " pages");
        expectSourcePixels(source, w);
    }
}

using tracelle::testing::bytesOf;
using tracelle::testing::writeBytes;

// Little-endian fixtures on a little-endian machine.
std::uint32_t directoryOffset(const std::vector<char>& file) {
    std::uint32_t offset;
    std::memcpy(&offset, file.data() + 4, 4);
    return offset;
}

// The directory entry of `tag`, which must be there.
char* entryOf(std::vector<char>& file, std::uint16_t tag) {
    const std::uint32_t ifd = directoryOffset(file);
    std::uint16_t count, entryTag;
    std::memcpy(&count, file.data() + ifd, 2);
    for (char* entry = file.data() + ifd + 2; count-- > 0; entry += 12)
        if (std::memcpy(&entryTag, entry, 2), entryTag == tag) return entry;
    ADD_FAILURE() << "no tag " << tag;
    return nullptr;
}

void patchField(std::vector<char>& file, std::uint16_t tag, std::uint16_t value) {
    if (char* entry = entryOf(file, tag)) std::memcpy(entry + 8, &value, 2);
}

Decoded decodeSilently(const std::string& path) {
    testing::internal::CaptureStderr();
    Decoded d = decodeTiff(path);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    return d;
}

enum How { CutPixels, CutDirectory, RandomAfterSignature, RandomDirectory, Empty, Missing, Patch };

struct Refusal {
    const char* name;
    How how;
    const char* reason; // how the error begins
    Compression compression = kLzw;
    Layout layout = kRgb;
    bool tiled = false;
    std::uint16_t tag = 0, value = 0; // the field rewritten by Patch
};

TEST_F(TiffCodec, DamagedOrUnsupportedFilesAreRefusedWithTheirReason) {
    const char* damaged = "TIFF : fichier endommagé ou tronqué";
    const char* unreadable = "TIFF : fichier illisible";
    const char* pixel = "TIFF : format de pixel non reconnu";
    const char* codec = "TIFF : compression non reconnue";
    const Layout grey{Colour::Black, 8, 1};
    const Refusal cases[] = {
        {"pixels cut, none", CutPixels, damaged, kNone},
        {"pixels cut, LZW", CutPixels, damaged},
        {"pixels cut, LZW tiles", CutPixels, damaged, kLzw, kRgb, true},
        {"pixels cut, PackBits", CutPixels, damaged, {"", COMPRESSION_PACKBITS}},
        {"pixels cut, deflate", CutPixels, damaged, {"", COMPRESSION_ADOBE_DEFLATE}},
        {"pixels cut, JPEG", CutPixels, damaged, {"", COMPRESSION_JPEG}},
        {"pixels cut, G4", CutPixels, damaged, {"", COMPRESSION_CCITTFAX4}, {Colour::Black, 1, 1}},
        {"directory cut", CutDirectory, unreadable},
        {"directory cut, tiles", CutDirectory, unreadable, kNone, kRgb, true},
        {"random after the signature", RandomAfterSignature, unreadable},
        {"random directory", RandomDirectory, unreadable},
        {"empty file", Empty, unreadable},
        {"no file", Missing, unreadable},
        {"float samples", Patch, pixel, kNone, grey, false, TIFFTAG_SAMPLEFORMAT,
         SAMPLEFORMAT_IEEEFP},
        {"12-bit grey", Patch, pixel, kNone, grey, false, TIFFTAG_BITSPERSAMPLE, 12},
        {"uncompressed YCbCr", Patch, pixel, kNone, kRgb, false, TIFFTAG_PHOTOMETRIC,
         PHOTOMETRIC_YCBCR},
        {"CIE Lab", Patch, pixel, kNone, kRgb, false, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_CIELAB},
        {"JPEG 2000", Patch, codec, kNone, kRgb, false, TIFFTAG_COMPRESSION, 34712},
        {"old-style JPEG", Patch, codec, kNone, kRgb, false, TIFFTAG_COMPRESSION,
         COMPRESSION_OJPEG},
    };
    std::mt19937 random(7);
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        WriteOptions w{c.compression, {"", c.tiled, false}, 16};
        w.directoryFirst = c.how == CutPixels;
        const std::string path = TiffCodec::path("refused.tif");
        ASSERT_TRUE(
            writeTiff(path, {301, 203, c.layout, c.compression.code == COMPRESSION_JPEG}, w));
        std::vector<char> file = bytesOf(path);
        const std::size_t ifd = directoryOffset(file);
        if (c.how == CutPixels) {
            ASSERT_LT(ifd, file.size() / 4);
            file.resize(file.size() * 2 / 3);
        } else if (c.how == CutDirectory) {
            ASSERT_GT(ifd, file.size() / 2);
            file.resize(ifd + 40);
        } else if (c.how == Empty) {
            file.clear();
        } else if (c.how == Patch) {
            patchField(file, c.tag, c.value);
        }
        if (c.how == RandomAfterSignature || c.how == RandomDirectory)
            for (std::size_t i = c.how == RandomDirectory ? ifd : 4; i < file.size(); ++i)
                file[i] = static_cast<char>(random());
        writeBytes(path, file);
        if (c.how == Missing) fs::remove(path);

        const Decoded d = decodeSilently(path);
        EXPECT_TRUE(d.raster.empty());
        EXPECT_EQ(d.error.rfind(c.reason, 0), 0u) << d.error;
        // libtiff's English stays out: at most the place of the fault, in French.
        EXPECT_TRUE(std::regex_match(
            d.error, std::regex(R"(TIFF : [^(]*( \((bande|tuile|ligne) [0-9]+\))?)")))
            << d.error;
        EXPECT_EQ(d.error.find(path), std::string::npos) << "the caller names the file";
    }
}

// The byte counts of blocks `damaged` set to 0, a fault that libtiff names with the block.
void emptyBlocks(std::vector<char>& file, std::uint16_t tag,
                 const std::vector<std::uint32_t>& damaged) {
    const char* entry = entryOf(file, tag);
    if (!entry) return;
    std::uint16_t type;
    std::uint32_t array; // more values than fit in the entry
    std::memcpy(&type, entry + 2, 2);
    std::memcpy(&array, entry + 8, 4);
    const std::size_t size = type == TIFF_SHORT ? 2 : 4;
    for (std::uint32_t block : damaged)
        std::memset(file.data() + array + size * block, 0, size);
}

// Whichever thread meets it, the damage reported is the first block's, as in one pass, and
// no half-read picture comes back.
TEST_F(TiffCodec, ALargePictureWithADamagedBlockIsRefusedForTheFirstOne) {
    const struct {
        const char* name;
        bool tiled;
        std::vector<std::uint32_t> damaged;
        const char* detail;
    } cases[] = {
        {"an even strip in the second half", false, {30}, "(bande 30)"},
        {"an odd strip in the second half", false, {33}, "(bande 33)"},
        {"an odd strip, then an even one", false, {25, 26}, "(bande 25)"},
        {"an even strip, then an odd one", false, {26, 27}, "(bande 26)"},
        {"the last strip", false, {43}, "(bande 43)"},
        {"two tiles of the second half", true, {1500, 1901}, "(tuile 1500)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = TiffCodec::path("damaged.tif");
        WriteOptions w{kLzw, {"", c.tiled, false}, 16};
        w.directoryFirst = true;
        ASSERT_TRUE(writeTiff(path, {800, 700, kRgb}, w)); // 44 strips, 2200 tiles
        std::vector<char> file = bytesOf(path);
        emptyBlocks(file, c.tiled ? TIFFTAG_TILEBYTECOUNTS : TIFFTAG_STRIPBYTECOUNTS, c.damaged);
        writeBytes(path, file);
        const Decoded d = decodeSilently(path);
        EXPECT_TRUE(d.raster.empty());
        EXPECT_EQ(d.error, std::string("TIFF : fichier endommagé ou tronqué ") + c.detail);
    }
}

} // namespace
