#include "picture/TiffWriter.h"
#include "support/TempFiles.h"

#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <tiffio.h>
#include <vector>

using namespace tracelle::picture;

namespace {

struct Case {
    const char* name;
    TiffForm form;
    int width;
    int height;
    std::uint16_t bits, samples, photometric;
};

// Odd sizes leave an odd strip and rows of bits that end inside a byte.
const Case kCases[] = {
    {"rgb", TiffForm::Rgb, 7, 5, 8, 3, PHOTOMETRIC_RGB},
    {"palette", TiffForm::Palette8, 9, 3, 8, 1, PHOTOMETRIC_PALETTE},
    {"bilevel", TiffForm::Bilevel, 13, 3, 1, 1, PHOTOMETRIC_MINISBLACK},
};

std::uint32_t le32(const std::vector<char>& b, std::size_t at) {
    std::uint32_t v;
    std::memcpy(&v, b.data() + at, 4); // the tests run on little-endian machines
    return v;
}

class TiffWriter : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        const Case& c = GetParam();
        strip.resize(tiffRowBytes(c.form, c.width) * c.height);
        for (std::size_t i = 0; i < strip.size(); ++i)
            strip[i] = static_cast<std::uint8_t>(i * 37 + 11);
        rows = {c.form, c.width, c.height, [this, c](int y, std::uint8_t*) {
                    return strip.data() + tiffRowBytes(c.form, c.width) * y;
                }};
        for (std::size_t i = 0; i < rows.palette.size(); ++i)
            rows.palette[i] = static_cast<std::uint8_t>(255 - i);
        ASSERT_EQ(writeTiff(rows, path), "");
    }
    void TearDown() override { std::remove(path.c_str()); }

    std::vector<std::uint8_t> strip;
    TiffRows rows;
    const std::string path =
        tracelle::testing::tempFolder("tiffwriter_").string() + GetParam().name + ".tif";
};

TEST_P(TiffWriter, LibtiffReadsEveryTagAndTheStripBack) {
    const Case& c = GetParam();
    TIFF* tif = TIFFOpen(path.c_str(), "r");
    ASSERT_NE(tif, nullptr);
    const auto w = static_cast<std::uint32_t>(c.width), h = static_cast<std::uint32_t>(c.height);
    const std::pair<ttag_t, std::uint32_t> longs[] = {{TIFFTAG_SUBFILETYPE, 0},
                                                      {TIFFTAG_IMAGEWIDTH, w},
                                                      {TIFFTAG_IMAGELENGTH, h},
                                                      {TIFFTAG_ROWSPERSTRIP, h}};
    const std::pair<ttag_t, std::uint16_t> shorts[] = {{TIFFTAG_BITSPERSAMPLE, c.bits},
                                                       {TIFFTAG_SAMPLESPERPIXEL, c.samples},
                                                       {TIFFTAG_COMPRESSION, 1},
                                                       {TIFFTAG_PHOTOMETRIC, c.photometric},
                                                       {TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH}};
    for (const auto& [tag, value] : longs) {
        std::uint32_t v = ~0u;
        EXPECT_TRUE(TIFFGetField(tif, tag, &v) && v == value) << tag << ": " << v;
    }
    for (const auto& [tag, value] : shorts) {
        std::uint16_t v = 0xFFFF;
        EXPECT_TRUE(TIFFGetField(tif, tag, &v) && v == value) << tag << ": " << v;
    }
    const std::uint64_t *offsets = nullptr, *counts = nullptr;
    ASSERT_TRUE(TIFFGetField(tif, TIFFTAG_STRIPOFFSETS, &offsets));
    ASSERT_TRUE(TIFFGetField(tif, TIFFTAG_STRIPBYTECOUNTS, &counts));
    EXPECT_EQ(TIFFNumberOfStrips(tif), 1u);
    EXPECT_EQ(offsets[0], 8u);
    EXPECT_EQ(counts[0], strip.size());
    float x = 0, y = 0;
    EXPECT_TRUE(TIFFGetField(tif, TIFFTAG_XRESOLUTION, &x) && x == 87.7f);
    EXPECT_TRUE(TIFFGetField(tif, TIFFTAG_YRESOLUTION, &y) && y == 87.7f);
    char* software = nullptr;
    EXPECT_TRUE(TIFFGetField(tif, TIFFTAG_SOFTWARE, &software));
    EXPECT_STREQ(software, "Tracelle 3");
    std::uint16_t planar = 0;
    EXPECT_TRUE(TIFFGetField(tif, TIFFTAG_PLANARCONFIG, &planar) && planar == 1);
    std::uint16_t *red = nullptr, *green = nullptr, *blue = nullptr;
    EXPECT_EQ(TIFFGetField(tif, TIFFTAG_COLORMAP, &red, &green, &blue) == 1,
              c.form == TiffForm::Palette8);
    for (int i = 0; red && i < 256; i += 51)
        EXPECT_TRUE(red[i] == rows.palette[3 * i] * 257 &&
                    green[i] == rows.palette[3 * i + 1] * 257 &&
                    blue[i] == rows.palette[3 * i + 2] * 257)
            << i;
    std::vector<std::uint8_t> read(strip.size());
    EXPECT_EQ(TIFFReadRawStrip(tif, 0, read.data(), static_cast<tmsize_t>(read.size())),
              static_cast<tmsize_t>(read.size()));
    EXPECT_EQ(read, strip);
    EXPECT_EQ(TIFFNumberOfDirectories(tif), 1);
    TIFFClose(tif);
}

// Right after the strip: the resolution values, the Software text, then the directory,
// which closes the file; and tiffinfo reading it all finds nothing to say.
TEST_P(TiffWriter, LaidOutInOrderAndQuietInTiffinfo) {
    const std::vector<char> b = tracelle::testing::bytesOf(path);
    EXPECT_EQ(std::string(b.data(), 4), std::string("II*\0", 4));
    const std::size_t values = (8 + strip.size() + 1) / 2 * 2;
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(le32(b, values + 4 * i), i % 2 ? 10u : 877u);
    EXPECT_STREQ(b.data() + values + 16, kTiffSoftware);
    const std::uint32_t directory = le32(b, 4);
    const std::size_t count = static_cast<std::uint8_t>(b[directory]);
    EXPECT_EQ(b.size(), directory + 2 + 12 * count + 4);
    std::vector<int> tags = {254, 256, 257, 258, 259, 262, 273, 277, 278, 279, 282, 283, 296, 305};
    if (GetParam().form == TiffForm::Rgb) tags.insert(tags.begin() + 12, 284);
    if (GetParam().form == TiffForm::Palette8) tags.push_back(320);
    std::vector<int> written;
    for (std::size_t i = 0; i < count; ++i)
        written.push_back(static_cast<std::uint8_t>(b[directory + 2 + 12 * i]) |
                          static_cast<std::uint8_t>(b[directory + 3 + 12 * i]) << 8);
    EXPECT_EQ(written, tags);

    std::FILE* out = popen(("tiffinfo -D '" + path + "' 2>&1").c_str(), "r");
    ASSERT_NE(out, nullptr);
    std::string report;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, out)) > 0;)
        report.append(buffer, n);
    ASSERT_EQ(pclose(out), 0) << report;
    EXPECT_NE(report.find("Software: Tracelle 3"), std::string::npos) << report;
    for (const char* word : {"arning", "rror", "nknown"})
        EXPECT_EQ(report.find(word), std::string::npos) << report;
}

INSTANTIATE_TEST_SUITE_P(Forms, TiffWriter, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TiffWriterRefusal, SaysWhy) {
    EXPECT_EQ(writeTiff(Rgb24{}, "/tmp/never.tif"), "image vide : rien à enregistrer");
    EXPECT_EQ(writeTiff(Rgb24{4, 4, std::vector<std::uint8_t>(10)}, "/tmp/never.tif"),
              "image incomplète : rien à enregistrer");
    const std::string error = writeTiff(Rgb24{1, 1, {1, 2, 3}}, "/no/such/folder/x.tif");
    EXPECT_EQ(error.rfind("impossible de créer le fichier /no/such/folder/x.tif", 0), 0u) << error;
}

} // namespace
