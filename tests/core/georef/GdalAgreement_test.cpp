// The same files read by Tracelle and by GDAL: a MapInfo .TAB, ARC/INFO headers as people and
// GIS tools write them, a world file and GeoTIFF tags. Every pixel centre gets GDAL's
// coordinates, and every ground point falls in GDAL's pixel.
#include "georef/Georef.h"
#include "picture/BmpCodec.h"
#include "support/Gdal.h"
#include "support/GeoTiffFile.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFiles.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace tracelle;
using model::Real;
namespace support = tracelle::testing;

namespace {

constexpr int w = 40, h = 30;

void writeText(const std::string& file, const std::string& text) {
    support::writeBytes(file, {text.begin(), text.end()});
}

// A grey picture without any position of its own.
void writePlainTiff(const std::string& file) {
    TIFF* tif = TIFFOpen(file.c_str(), "w");
    ASSERT_NE(tif, nullptr);
    for (const auto& [tag, value] : {std::pair{TIFFTAG_IMAGEWIDTH, w},
                                     {TIFFTAG_IMAGELENGTH, h},
                                     {TIFFTAG_BITSPERSAMPLE, 8},
                                     {TIFFTAG_SAMPLESPERPIXEL, 1},
                                     {TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK},
                                     {TIFFTAG_ROWSPERSTRIP, h}})
        TIFFSetField(tif, tag, value);
    unsigned char row[w] = {};
    for (int y = 0; y < h; ++y)
        ASSERT_EQ(TIFFWriteScanline(tif, row, static_cast<std::uint32_t>(y), 0), 1);
    TIFFClose(tif);
}

void writeBmp(const std::string& file) {
    picture::Raster r = picture::Raster::create(w, h);
    r.fill(0);
    ASSERT_EQ(picture::writeBmp(r, file), "");
}

// An ARC/INFO header over raw bytes, which GDAL opens, and over a BMP, which Tracelle opens.
void writeHeader(const std::string& stem, const std::string& header) {
    writeText(stem + ".hdr", header);
    writeText(stem + ".bil", std::string(w * h, '\0'));
    writeBmp(stem + ".bmp");
}

class GdalAgreement : public support::TempSuite<GdalAgreement> {
public:
    static fs::path dir() { return support::tempFolder("tracelle_gdal_"); }

protected:
    static constexpr int ox = 12, oy = 7;
    GdalAgreement() {
        project.picture().ox = ox;
        project.picture().oy = oy;
    }

    // Tracelle's calibration from `calage` against GDAL's reading of `gdalFile`.
    void expectAgreement(const georef::Calage& calage, const std::string& gdalFile) {
        ASSERT_TRUE(calage.ok()) << calage.error;
        georef::appliqueCalage(project, calage);
        const auto g = support::gdalGeoTransform(gdalFile);
        ASSERT_TRUE(g) << "GDAL finds no position in " << gdalFile;
        const auto gdal = [&g](double c, double l) {
            return std::pair{(*g)[0] + c * (*g)[1] + l * (*g)[2],
                             (*g)[3] + c * (*g)[4] + l * (*g)[5]};
        };
        const double pixel = std::hypot((*g)[1], (*g)[4]);
        std::vector<std::pair<double, double>> ground;
        std::vector<std::pair<int, int>> expected;
        for (const int i : {0, 1, 17, w - 1}) {
            for (const int j : {0, 1, 11, h - 1}) {
                Real X = 0, Y = 0;
                ASSERT_TRUE(project.repere_carte(ox + i, oy + j, X, Y));
                const auto [gX, gY] = gdal(i + 0.5, j + 0.5);
                EXPECT_NEAR(X, gX, 1e-6 * pixel) << "X of pixel (" << i << ", " << j << ")";
                EXPECT_NEAR(Y, gY, 1e-6 * pixel) << "Y of pixel (" << i << ", " << j << ")";
                // Inside the pixel, away from its edges, where both must name it.
                ground.push_back(gdal(i + 0.8, j + 0.25));
                expected.emplace_back(i, j);
            }
        }
        const auto pixels = support::gdalPixels(gdalFile, ground);
        ASSERT_EQ(pixels.size(), ground.size()) << "gdallocationinfo's reports";
        for (std::size_t k = 0; k < ground.size(); ++k) {
            std::int32_t x = 0, y = 0;
            ASSERT_TRUE(project.repere_image(ground[k].first, ground[k].second, x, y));
            EXPECT_EQ(std::pair(x - ox, y - oy), pixels[k])
                << "pixel of (" << ground[k].first << ", " << ground[k].second << ")";
            EXPECT_EQ(pixels[k], expected[k]);
        }
    }

    support::ScriptedInteraction ui;
    model::Project project;
};

TEST_F(GdalAgreement, MapInfoTab) {
    // Turned and sheared, so that a half pixel in either direction shows in both coordinates.
    writePlainTiff(path("tab.tif"));
    writeText(path("tab.tab"), "!table\n!version 300\n\nDefinition Table\n  File \"tab.tif\"\n"
                               "  Type \"RASTER\"\n"
                               "  (600000,2000000) (0,0) Label \"Pt 1\",\n"
                               "  (610000,2001000) (1000,0) Label \"Pt 2\",\n"
                               "  (599500,1990000) (0,1000) Label \"Pt 3\"\n");
    expectAgreement(georef::lit_tab(path("tab.tab")), path("tab.tif"));
}

TEST_F(GdalAgreement, WorldFile) {
    writeBmp(path("monde.bmp"));
    writeText(path("monde.bpw"), "0.4\n0.3\n0.36\n-0.48\n600000.25\n5000000.75\n");
    const auto calage = georef::calagePropre(path("monde.bmp"), w, h);
    ASSERT_TRUE(calage);
    expectAgreement(*calage, path("monde.bmp"));
}

TEST_F(GdalAgreement, GeoTiffTags) {
    const std::array<double, 16> m = {0.4, 0.36, 0, 600000.25, 0.3, -0.48, 0, 5000000.75,
                                      0,   0,    1, 0,         0,   0,     0, 1};
    const std::tuple<const char*, bool, bool> rows[] = {
        {"tie-area.tif", false, false},
        {"tie-point.tif", false, true},
        {"matrix-area.tif", true, false},
        {"matrix-point.tif", true, true},
    };
    for (const auto& [name, matrix, pixelIsPoint] : rows) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(support::writeGeoTiff(
            path(name), {.width = w,
                         .height = h,
                         .tiePoint = {10, 20, 0, 600000.25, 5000000.75, 0},
                         .scale = {0.5, 0.75, 0},
                         .transformation = matrix ? std::optional(m) : std::nullopt,
                         .pixelIsPoint = pixelIsPoint,
                         .epsg = 32631}));
        const auto calage = georef::calagePropre(path(name), w, h);
        ASSERT_TRUE(calage);
        expectAgreement(*calage, path(name));
    }
}

TEST_F(GdalAgreement, ArcInfoHeaders) {
    const std::pair<const char*, const char*> rows[] = {
        {"gis-order", "BYTEORDER      I\nLAYOUT         BIL\nNROWS          30\n"
                      "NCOLS          40\nNBANDS         1\nNBITS          8\n"
                      "ULXMAP         600005\nULYMAP         1999995\nXDIM           10\n"
                      "YDIM           10\n"},
        {"lower-case", "xdim 0.5\r\nydim 0.25\r\nncols 40\r\nnrows 30\r\nulxmap 600000.25\r\n"
                       "ulymap 5000000.75\r\n"},
        {"lower-left-corner",
         "ncols 40\nnrows 30\nxllcorner 600000\nyllcorner 2000000\ncellsize 10\n"},
        {"lower-left-centre",
         "NCOLS 40\nNROWS 30\nXLLCENTER 600000\nYLLCENTER 2000000\nCELLSIZE 2.5\n"},
    };
    for (const auto& [name, header] : rows) {
        SCOPED_TRACE(name);
        writeHeader(path(name), header);
        expectAgreement(georef::lit_hdr(path(name) + ".hdr"), path(name) + ".bil");
    }
}

TEST_F(GdalAgreement, ArcInfoHeaderThatGdalWrites) {
    ASSERT_TRUE(
        support::writeGeoTiff(path("source.tif"), {.width = w,
                                                   .height = h,
                                                   .tiePoint = {0, 0, 0, 600000.25, 5000000.75, 0},
                                                   .scale = {0.5, 0.75, 0},
                                                   .epsg = 32631}));
    const std::string command = "gdal_translate -q -of EHdr '" + path("source.tif") + "' '" +
                                path("translated.bil") + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    writeBmp(path("translated.bmp"));
    expectAgreement(georef::lit_hdr(path("translated.hdr")), path("translated.bil"));
}

} // namespace
