// Pictures that come with their position (MapInfo .TAB, ARC/INFO .hdr, world files, GeoTIFF
// tags), followed down to the coordinates the calibration then gives the layer's pixels.
#include "georef/GeoTiff.h"
#include "georef/Georef.h"
#include "georef/WorldFile.h"
#include "model/NumberText.h"
#include "support/GeoTiffFile.h"
#include "support/ScriptedInteraction.h"
#include "support/Separator.h"
#include "support/TempFiles.h"

#include <array>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace fs = std::filesystem;
using namespace tracelle;
using model::Real;
namespace support = tracelle::testing;

namespace {

void writeText(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    support::writeBytes(file.string(), {text.begin(), text.end()});
}

// A calibration row: X and Y as the cells hold them ("." for the separator), the picture's
// pixel before its offset.
struct Expected {
    const char* X;
    const char* Y;
    int x, y;
};

class Georef : public support::TempSuite<Georef> {
public:
    static fs::path dir() { return support::tempFolder("tracelle_georef_"); }

protected:
    static constexpr int ox = 12, oy = 7; // the picture's place in the canvas
    static constexpr int w = 12000, h = 8000;
    Georef() {
        project.picture().ox = ox;
        project.picture().oy = oy;
    }
    // The readers report through their result; none may talk to the user itself.
    void TearDown() override { EXPECT_TRUE(ui.messages.empty()) << ui.messages.front(); }

    void expectCalibration(const Expected (&rows)[3], char mark) const {
        ASSERT_EQ(project.K(), 3);
        const auto cell = [this](int k, const char* header) {
            return project.calibration().cell(k, project.indice_col_cal(header));
        };
        for (int k = 1; k <= 3; ++k) {
            SCOPED_TRACE("calibration row " + std::to_string(k));
            const Expected& e = rows[k - 1];
            EXPECT_EQ(cell(k, "X"), support::withSeparator(e.X, mark));
            EXPECT_EQ(cell(k, "Y"), support::withSeparator(e.Y, mark));
            EXPECT_EQ(cell(k, "Z"), "0");
            EXPECT_EQ(cell(k, "x"), std::to_string(ox + e.x));
            EXPECT_EQ(cell(k, "y"), std::to_string(oy + e.y));
        }
    }

    // Layer pixels over and around a w × h picture get what `expected` gives picture pixel
    // (i, j), within a millionth of the pixel size.
    using Map = std::function<std::pair<Real, Real>(Real i, Real j)>;
    void expectMapsLike(const Map& expected, Real pixelSize) const {
        for (const int i : {-40, 0, 1, 2999, 6000, 11999, w, 12345}) {
            for (const int j : {-25, 0, 1, 4000, 7999, h, 8100}) {
                Real X = 0, Y = 0;
                ASSERT_TRUE(project.repere_carte(ox + i, oy + j, X, Y));
                const auto [eX, eY] = expected(i, j);
                EXPECT_NEAR(X, eX, 1e-6 * pixelSize) << "X of pixel (" << i << ", " << j << ")";
                EXPECT_NEAR(Y, eY, 1e-6 * pixelSize) << "Y of pixel (" << i << ", " << j << ")";
            }
        }
    }

    support::ScriptedInteraction ui;
    model::Project project;
};

class GeorefDS : public Georef, public ::testing::WithParamInterface<char> {
protected:
    support::SeparatorScope scope{GetParam()};
};
TRACELLE_UNDER_BOTH_SEPARATORS(GeorefDS);

std::string tabText(const std::string& file, const std::string& points) {
    return "!table\r\n!version 300\r\n\r\nDefinition Table\r\n" + file + "  Type \"RASTER\"\r\n" +
           points + "  CoordSys Earth Projection 8, 104, \"m\", 3, 0, 0.9996, 500000, 0\r\n";
}
const std::string kP1 = "  (600000.5,2000000) (0,0) Label \"Pt 1\",\r\n";
const std::string kP2 = "  (610000.5, 2000000) (1000,0) Label \"Pt 2\",\r\n";
const std::string kP3 = "  (600000.5,1990000) (0,1000) Label \"Pt 3\"\r\n";
const std::string kHdr = "xdim 1\nydim -1\nncols 4\nnrows 3\nulxmap 0\nulymap 0\n";

TEST_P(GeorefDS, TabPointsAreTakenAtTheCornerOfTheirPixel) {
    // MapInfo names the picture relative to the .TAB, with Windows separators and without
    // regard to case. Its pixel (0, 0) is the picture's corner: the calibration names pixel
    // centres, half a pixel further in.
    writeText(path("images/CARTE.BMP"), "BM");
    writeText(path("carte.tab"), tabText("  File \"images\\carte.bmp\"\r\n", kP1 + kP2 + kP3));
    const georef::Calage c = georef::lit_tab(path("carte.tab"));
    ASSERT_TRUE(c.ok()) << c.error;
    EXPECT_EQ(c.picture, path("images/CARTE.BMP"));
    EXPECT_EQ(c.source, "carte.tab");
    EXPECT_EQ(georef::sizeMismatch(c, 1, 1), "") << "a .TAB does not tell the picture's size";
    georef::appliqueCalage(project, c);
    expectCalibration({{"600005.5", "1999995", 0, 0},
                       {"610005.5", "1999995", 1000, 0},
                       {"600005.5", "1989995", 0, 1000}},
                      GetParam());
    expectMapsLike(
        [](Real i, Real j) {
            return std::pair{600000.5L + 10 * (i + 0.5L), 2e6L - 10 * (j + 0.5L)};
        },
        10);
}

TEST_F(Georef, TabNamesItsPictureInsideItsOwnFolder) {
    // A path from the root, Unix or Windows, still starts in the descriptor's folder: a
    // picture elsewhere with the same name would be another map.
    const fs::path elsewhere = dir() / "ailleurs";
    writeText(elsewhere / "carte.bmp", "BM");
    writeText(path("ici/carte.bmp"), "BM");
    const std::tuple<std::string, std::string, std::string> rows[] = {
        {"unix path elsewhere", (elsewhere / "carte.bmp").string(), ""},
        {"windows root", "\\carte.bmp", path("ici/carte.bmp")},
        {"unix root", "/carte.bmp", path("ici/carte.bmp")},
    };
    for (const auto& [name, file, found] : rows) {
        SCOPED_TRACE(name);
        writeText(path("ici/carte.tab"), tabText("  File \"" + file + "\"\r\n", kP1 + kP2 + kP3));
        const georef::Calage c = georef::lit_tab(path("ici/carte.tab"));
        if (found.empty()) {
            EXPECT_EQ(c.error, "<" + path("ici") + file + "> impossible à ouvrir");
        } else {
            EXPECT_TRUE(c.ok()) << c.error;
            EXPECT_EQ(c.picture, found);
        }
    }
}

TEST_P(GeorefDS, HdrReadsAsGisToolsWriteIt) {
    // Keys in any case and order; the upper-left pixel's centre or the lower-left corner or
    // centre; rows run southwards whatever the sign of YDIM. All name the same grid.
    const std::pair<const char*, const char*> rows[] = {
        {"lower case, negative ydim",
         "xdim 10\nydim -10\nncols 1000\nnrows 500\nulxmap 600000\nulymap 2000000\n"},
        {"no line feed at the end",
         "xdim 10\nydim -10\nncols 1000\nnrows 500\nulxmap 600000\nulymap 2000000"},
        {"as GDAL writes it",
         "BYTEORDER      I\r\nLAYOUT         BIL\r\nNROWS          500\r\n"
         "NCOLS          1000\r\nNBANDS         3\r\nNBITS          8\r\n"
         "ULXMAP         600000\r\nULYMAP         2000000\r\nXDIM           10\r\n"
         "YDIM           10\r\n"},
        {"mixed case, tabs", "Ncols\t1000\nNRows\t500\nXDim\t10\nYDim\t-10\nUlxMap\t600000\n"
                             "UlyMap\t2000000"},
        {"lower-left corner",
         "ncols 1000\nnrows 500\nxllcorner 599995\nyllcorner 1995005\ncellsize 10\n"},
        {"lower-left centre",
         "NCOLS 1000\nNROWS 500\nXLLCENTER 600000\nYLLCENTER 1995010\nCELLSIZE 10\n"},
    };
    writeText(path("carte.bmp"), "BM");
    for (const auto& [name, text] : rows) {
        SCOPED_TRACE(name);
        writeText(path("carte.hdr"), text);
        const georef::Calage c = georef::lit_hdr(path("carte.hdr"));
        ASSERT_TRUE(c.ok()) << c.error;
        EXPECT_EQ(c.picture, path("carte.bmp"));
        EXPECT_EQ(georef::sizeMismatch(c, 1000, 500), "");
        EXPECT_EQ(georef::sizeMismatch(c, 1000, 1000),
                  "<carte.hdr> décrit une image de 1000 x 500 pixels, <carte.bmp> en a 1000 x "
                  "1000 : ce calage ne lui correspond pas");
        georef::appliqueCalage(project, c);
        expectCalibration({{"600000", "2000000", 0, 0},
                           {"600000", "1995000", 0, 500},
                           {"610000", "1995000", 1000, 500}},
                          GetParam());
    }
}

TEST_F(Georef, HdrTakesTheBmpThenTheJpgThenTheTifWhateverTheCase) {
    struct Row {
        const char* descriptor;
        std::vector<const char*> pictures;
        const char* found; // nothing: none
    };
    const Row rows[] = {
        {"carte.hdr", {"carte.bmp"}, "carte.bmp"},
        {"carte.hdr", {"carte.tif", "CARTE.JPG"}, "CARTE.JPG"},
        {"carte.hdr", {"carte.Tif", "carte.png"}, "carte.Tif"},
        {"carte.hdr", {"carte.jpg", "carte.bmp"}, "carte.bmp"},
        {"Carte.HDR", {"carte.bmp"}, "carte.bmp"},
        {"carte.hdr", {"carte.png", "carte.tiff"}, nullptr},
    };
    int n = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.descriptor + std::string(" with ") + row.pictures.front());
        const fs::path folder = dir() / ("hdr" + std::to_string(++n));
        writeText(folder / row.descriptor, kHdr);
        for (const char* picture : row.pictures)
            writeText(folder / picture, "BM");
        const georef::Calage c = georef::lit_hdr((folder / row.descriptor).string());
        if (row.found) {
            EXPECT_TRUE(c.ok()) << c.error;
            EXPECT_EQ(c.picture, (folder / row.found).string());
        } else {
            const fs::path tif = fs::path(folder / row.descriptor).replace_extension(".TIF");
            EXPECT_EQ(c.error, tif.string() + " impossible à ouvrir");
        }
    }
}

TEST_F(Georef, DescriptorThatCannotBeUsedGivesAnError) {
    writeText(path("carte.bmp"), "BM");
    const std::string file = "  File \"carte.bmp\"\r\n", all = kP1 + kP2 + kP3;
    const std::string hdrTail = "ncols 4\nnrows 3\nulxmap 0\nulymap 0\n";
    const std::tuple<const char*, std::string, std::string> rows[] = {
        {"carte.tab", tabText("  File \"C:\\cartes\\carte.bmp\"\r\n", all),
         "<" + (dir() / "C:/cartes/carte.bmp").string() + "> impossible à ouvrir"},
        {"carte.tab", tabText("  File \"absente.bmp\"\r\n", all),
         "<" + path("absente.bmp") + "> impossible à ouvrir"},
        {"carte.tab", tabText("", all), "impossible à ouvrir"},
        {"carte.tab", tabText("  File carte.bmp\r\n", all), "impossible à ouvrir"},
        {"carte.tab", tabText(file, kP1 + kP2), "(point de calage 3 de carte.tab)"},
        {"carte.tab", tabText(file, kP1 + "  (610000,2000000) (1000.5,0)\r\n" + kP3),
         "<1000.5> n'est pas une valeur entière"},
        {"carte.tab", tabText(file, "  (6OOOOO,2000000) (0,0)\r\n" + kP2 + kP3),
         "'6OOOOO' n'est pas une valeur en virgule flottante correcte"},
        {"carte.tab", tabText(file, kP1 + kP2 + "  (600000,1990000) (2000,0)\r\n"), "alignés"},
        {"carte.tab", tabText(file, kP1 + kP2 + "  (620000.5,2000000) (0,1000)\r\n"), "alignés"},
        {"carte.tab", "", "est vide"},
        {"carte.hdr", "xdim 1\n" + hdrTail, "« ydim »"},
        {"carte.hdr", "ydim 1\n" + hdrTail, "« xdim »"},
        {"carte.hdr", "xdim 1\nydim -1\nncols 4\nulxmap 0\nulymap 0\n", "« nrows »"},
        {"carte.hdr", "xdim 1\nydim -1\nncols 4\nnrows 3\nulxmap 0\n", "« ulymap »"},
        {"carte.hdr", "xdim 1\nydim -1\nncols 4\nnrows 3\nxllcorner 0\n", "« yllcorner »"},
        {"carte.hdr", "cellsize 1\nncols 4\nnrows 3\n", "« ulxmap »"},
        {"carte.hdr", "xdim 1\nydim -1\nncols 4.5\nnrows 3\nulxmap 0\nulymap 0\n",
         "n'est pas une valeur entière"},
        {"carte.hdr", "xdim ten\nydim -1\n" + hdrTail, "n'est pas une valeur en virgule"},
        {"carte.hdr", "xdim 1\nydim 0\n" + hdrTail, "alignés"},
        {"carte.hdr", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 18), "« ncols »"},
        {"carte.hdr", "", "est vide"},
    };
    for (const auto& [name, text, part] : rows) {
        SCOPED_TRACE(text);
        writeText(path(name), text);
        const auto read = fs::path(name).extension() == ".tab" ? georef::lit_tab : georef::lit_hdr;
        georef::Calage c;
        EXPECT_NO_THROW(c = read(path(name)));
        EXPECT_NE(c.error.find(part), std::string::npos) << c.error;
        EXPECT_LT(c.error.size(), 200u) << "a short message, not the file";
    }
}

TEST_F(Georef, DegenerateOrInfiniteCalibrationIsRefusedFromEverySource) {
    // Numbers that read, but whose three points, as the calibration cells hold them, do not
    // span a triangle or are not finite.
    const std::string grid = "ncols 1000\nnrows 500\n";
    const std::tuple<const char*, const char*, std::string, const char*> rows[] = {
        {"world A = 1e-400", "plan.bpw", "1e-400\n0\n0\n-0.5\n600000\n5000000\n", "alignés"},
        {"world C = 1e400", "plan.bpw", "0.5\n0\n0\n-0.5\n1e400\n5000000\n", "alignés"},
        {"world A = 1e4931", "plan.bpw", "1e4931\n0\n0\n-0.5\n600000\n5000000\n", "finis"},
        {"hdr xdim 1e-400", "plan.hdr", grid + "xdim 1e-400\nydim 1\nulxmap 6e5\nulymap 0\n",
         "alignés"},
        {"hdr ulymap 1e400", "plan.hdr", grid + "xdim 1\nydim 1\nulxmap 0\nulymap 1e400\n",
         "alignés"},
        {"hdr xdim 1e4931", "plan.hdr", grid + "xdim 1e4931\nydim 1\nulxmap 0\nulymap 0\n",
         "finis"},
        {"tab 1e-400 apart", "plan.tab",
         tabText("  File \"plan.bmp\"\r\n", "  (600000,0) (0,0)\r\n  (600000.0000000000000001,0) "
                                            "(1000,0)\r\n  (600000,1) (0,1000)\r\n"),
         "alignés"},
    };
    writeText(path("plan.bmp"), "BM");
    for (const auto& [name, file, text, part] : rows) {
        SCOPED_TRACE(name);
        writeText(path(file), text);
        const std::string e = fs::path(file).extension().string();
        const auto c = e == ".tab"   ? georef::lit_tab(path(file))
                       : e == ".hdr" ? georef::lit_hdr(path(file))
                                     : *georef::calagePropre(path("plan.bmp"), 1000, 500);
        EXPECT_NE(c.error.find(part), std::string::npos) << c.error;
        fs::remove(path(file));
    }
    // Tags hold doubles: an infinity or a NaN arrives as such.
    for (const double bad : {std::nan(""), HUGE_VAL}) {
        ASSERT_TRUE(support::writeGeoTiff(
            path("infini.tif"), {.tiePoint = {0, 0, 0, 6e5, 5e6, 0}, .scale = {bad, 0.5, 0}}));
        const auto c = georef::calagePropre(path("infini.tif"), 40, 30);
        ASSERT_TRUE(c);
        EXPECT_NE(c->error.find("finis"), std::string::npos) << c->error;
    }
}

TEST_F(Georef, WorldFilesAreFoundBesideTheirPictureAndBack) {
    const fs::path folder = dir() / "world-names";
    const std::pair<const char*, const char*> rows[] = {
        {"a.tif", "a.tfw"}, {"b.tif", "b.tifw"}, {"c.TIF", "c.TFW"}, {"d.tiff", "d.tfw"},
        {"g.JPG", "g.Jgw"}, {"j.bmp", "j.bpw"},  {"l.gif", "l.gfw"}, {"n.png", "n.WLD"},
    };
    for (const auto& [picture, world] : rows) {
        SCOPED_TRACE(world);
        writeText(folder / picture, "");
        writeText(folder / world, "");
        EXPECT_EQ(georef::worldFileFor((folder / picture).string()), (folder / world).string());
        EXPECT_EQ(georef::pictureForWorldFile((folder / world).string()),
                  (folder / picture).string());
        EXPECT_TRUE(georef::estFichierMonde(world));
    }
    writeText(folder / "seule.png", "");
    writeText(folder / "seule.tfw", "");
    EXPECT_EQ(georef::worldFileFor((folder / "seule.png").string()), "") << "a TIFF's name";
    EXPECT_EQ(georef::pictureForWorldFile((folder / "seule.tfw").string()), "");
    for (const char* name : {"a.tif", "a.hdr", "a.tab", "a.txt", "a"})
        EXPECT_FALSE(georef::estFichierMonde(name)) << name;
}

TEST_P(GeorefDS, WorldFileHoldsSixNumbersOneALine) {
    const Real map[6] = {0.5L, -0.125L, 0.25L, -0.5L, 600000.25L, 5000000.75L};
    for (const char* text : {
             "0.5\n-0.125\n0.25\n-0.5\n600000.25\n5000000.75\n",
             "\r\n  0.5 \r\n\t-0.125\r\n\r\n0.25\r\n-0.5\r\n 600000.25\r\n5000000.75",
             "5E-1\n-1.25e-1\n2.5E-01\n-0.5\n6.0000025E5\n5000000.75\n",
         }) {
        SCOPED_TRACE(text);
        writeText(path("lu.tfw"), text);
        const georef::WorldRead r = georef::lit_world(path("lu.tfw"));
        ASSERT_EQ(r.error, "");
        const Real got[6] = {r.map.A, r.map.D, r.map.B, r.map.E, r.map.C, r.map.F};
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(got[k], map[k]) << "number " << k + 1;
    }
}

TEST_P(GeorefDS, OwnCalibrationMapsEveryLayerPixel) {
    // Turned, with pixels 0.5 m wide and 0.6 m high, so that a term in the wrong place shows.
    const double a = 0.4, b = 0.36, c = 600000.25, d = 0.3, e = -0.48, f = 5000000.75;
    const std::array<double, 16> m = {a, b, 0, c, d, e, 0, f, 0, 0, 1, 0, 0, 0, 0, 1};
    const std::array<double, 6> tie = {10, 20, 0, c, f, 0};
    // Pixel (i, j) is taken at its centre, half a pixel in, unless the picture says it is a
    // point; a world file counts from the centre already.
    const auto matrix = [&](Real r) -> Map {
        return [&, r](Real i, Real j) {
            return std::pair{a * (i + r) + b * (j + r) + c, d * (i + r) + e * (j + r) + f};
        };
    };
    const auto tiePoint = [&](Real r) -> Map {
        return [&, r](Real i, Real j) {
            return std::pair{c + (i + r - tie[0]) * 0.5L, f - (j + r - tie[1]) * 0.5L};
        };
    };
    // The last: the file's mode, as libtiff's "w", "wb" (big-endian) and "w8" (BigTIFF).
    const std::tuple<const char*, bool, bool, Map, const char*> rows[] = {
        {"tourne.bmp", false, false, matrix(0), ""},
        {"tie-area.tif", false, false, tiePoint(0.5L), "w"},
        {"tie-point.tif", false, true, tiePoint(0), "w"},
        {"matrix-area.tif", true, false, matrix(0.5L), "w"},
        {"matrix-point.tif", true, true, matrix(0), "w"},
        {"tie-big-endian.tif", false, false, tiePoint(0.5L), "wb"},
        {"matrix-bigtiff.tif", true, false, matrix(0.5L), "w8"},
        {"tie-bigtiff-big-endian.tif", false, true, tiePoint(0), "w8b"},
    };
    writeText(path("tourne.bpw"), "0.4\n0.3\n0.36\n-0.48\n600000.25\n5000000.75\n");
    writeText(path("tourne.bmp"), "BM");
    for (const auto& [picture, transformation, pixelIsPoint, expected, mode] : rows) {
        SCOPED_TRACE(picture);
        const bool tiff = fs::path(picture).extension() == ".tif";
        if (tiff) {
            ASSERT_TRUE(support::writeGeoTiff(
                path(picture), {.tiePoint = tie,
                                .scale = {0.5, 0.5, 0},
                                .transformation = transformation ? std::optional(m) : std::nullopt,
                                .pixelIsPoint = pixelIsPoint,
                                .epsg = 32631,
                                .mode = mode}));
        }
        const auto calage = georef::calagePropre(path(picture), w, h);
        ASSERT_TRUE(calage && calage->ok()) << (calage ? calage->error : "no calibration");
        EXPECT_EQ(calage->picture, path(picture));
        EXPECT_EQ(calage->source, tiff ? "GeoTIFF" : "tourne.bpw");
        if (tiff) {
            EXPECT_EQ(calage->crs.rfind("EPSG:32631", 0), 0u) << calage->crs;
        }
        georef::appliqueCalage(project, *calage);
        expectMapsLike(expected, 0.5L);
    }
}

TEST_F(Georef, PictureWithoutUsablePositionGivesNothingOrAnError) {
    TIFF* tif = TIFFOpen(path("simple.tif").c_str(), "w");
    ASSERT_NE(tif, nullptr);
    for (const auto& [tag, value] : {std::pair{TIFFTAG_IMAGEWIDTH, 4},
                                     {TIFFTAG_IMAGELENGTH, 1},
                                     {TIFFTAG_BITSPERSAMPLE, 8},
                                     {TIFFTAG_SAMPLESPERPIXEL, 1}})
        TIFFSetField(tif, tag, value);
    unsigned char pixels[4] = {};
    ASSERT_EQ(TIFFWriteScanline(tif, pixels, 0, 0), 1);
    TIFFClose(tif);
    writeText(path("simple.bmp"), "BM");
    writeText(path("texte.jpg"), "pas une image\n");
    // Picture, world file beside it and its text, part of the error; no error: no calibration.
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"simple.tif", nullptr, nullptr, nullptr},
        {"simple.bmp", nullptr, nullptr, nullptr},
        {"texte.jpg", nullptr, nullptr, nullptr},
        {"plat.png", "plat.pgw", "1\n2\n2\n4\n600000\n5000000\n", "alignés"}, // A·E = B·D
        {"court.gif", "court.gfw", "0.5\n0\n0\n-0.5\n600000\n", "en a 5"},
        {"mot.jpg", "mot.jgw", "0.5\n0\nzéro\n-0.5\n600000\n5000000\n", "ligne 3 : <zéro>"},
        {"vide.bmp", "vide.bpw", "", "est vide"},
    };
    for (const auto& [picture, world, text, error] : rows) {
        SCOPED_TRACE(picture);
        if (world) {
            writeText(path(picture), "");
            writeText(path(world), text);
        }
        const auto c = georef::calagePropre(path(picture), w, h);
        ASSERT_EQ(c.has_value(), error != nullptr);
        if (c) {
            EXPECT_NE(c->error.find(error), std::string::npos) << c->error;
            EXPECT_EQ(c->source, world);
        }
    }
    // A TIFF without a position is not handed to the tags' reader, which may have to open the
    // GIS libraries first.
    static int read = 0;
    const georef::GeoTiffReader counting = [](const std::string& file) {
        ++read;
        return georef::lit_geotiff(file);
    };
    EXPECT_FALSE(georef::calagePropre(path("simple.tif"), w, h, counting));
    EXPECT_EQ(read, 0);
}

} // namespace
