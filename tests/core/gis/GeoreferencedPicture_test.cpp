// The world file and .prj written beside a calibrated picture, read back by GDAL: every
// control point's pixel centre gets the real value the project gives it.
#include "gis/GeoTiffExport.h"
#include "gis/GeoreferencedPicture.h"
#include "model/Project.h"
#include "picture/BmpCodec.h"
#include "picture/Decoder.h"
#include "support/Gdal.h"
#include "support/TempFiles.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;
using namespace tracelle;
namespace support = tracelle::testing;

namespace {

constexpr int w = 40, h = 30, ox = 3, oy = 5;

struct Extra {
    int x, y;
    double X, Y; // the true map's value, give or take a surveyor's error
};

struct Case {
    const char* name;
    model::TransformMethod method;
    std::vector<Extra> extra;
};

class GeoreferencedPicture : public support::TempSuite<GeoreferencedPicture> {
public:
    static fs::path dir() { return support::tempFolder("tracelle_georefpic_"); }

protected:
    // A picture placed at (ox, oy) in its canvas, calibrated in Lambert-93 metres, rotated.
    void project(model::Project& p, const std::string& name, const Case& c) {
        const std::string file = path(name);
        picture::Raster r = picture::Raster::create(w, h);
        r.fill(0);
        EXPECT_EQ(picture::writeBmp(r, file), "");
        p.picture() = {file, w + 10, h + 10, ox, oy};
        p.setCalibration({model::CalibrationPoint{"700000", "6600000", ox, oy},
                          model::CalibrationPoint{"700100", "6600010", ox + 40, oy},
                          model::CalibrationPoint{"700008", "6599920", ox, oy + 30}});
        for (const Extra& e : c.extra)
            EXPECT_EQ(p.addControlPoint(e.x, e.y, e.X, e.Y, 0), model::FitStatus::Fitted);
        EXPECT_EQ(p.setCalibrationModel(c.method, {}), model::FitStatus::Fitted);
    }
};

// A GIS program shows the bands as the picture's colours only when they say so.
void expectRgbBands(const std::string& gdalinfoJson, bool alpha = false) {
    const auto bands = nlohmann::json::parse(gdalinfoJson)["bands"];
    ASSERT_EQ(bands.size(), alpha ? 4U : 3U);
    const char* colours[4] = {"Red", "Green", "Blue", "Alpha"};
    for (std::size_t b = 0; b < bands.size(); ++b)
        EXPECT_EQ(bands[b]["colorInterpretation"], std::string(colours[b])) << "band " << b + 1;
}

TEST_F(GeoreferencedPicture, GdalGivesEveryControlPointItsFittedValue) {
    const std::vector<Case> cases = {
        {"affine_three", model::TransformMethod::Affine, {}},
        {"affine_noisy",
         model::TransformMethod::Affine,
         {{23, 20, 700051.3, 6599957.9},
          {40, 33, 700094.1, 6599936.2},
          {10, 30, 700019.8, 6599935}}},
        {"helmert_noisy",
         model::TransformMethod::Helmert,
         {{23, 20, 700051.3, 6599957.9}, {40, 33, 700094.1, 6599936.2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        model::Project p;
        project(p, std::string(c.name) + ".bmp", c);
        const gis::GeoreferencedPicture written = gis::ecritCalageImage(p, "EPSG:2154");
        ASSERT_EQ(written.error, "");
        EXPECT_EQ(written.written.size(), 2U);
        const std::string tiff = path(std::string(c.name) + ".tif");
        ASSERT_EQ(gis::ecritGeoTiff(p, "EPSG:2154", tiff), "");
        for (const std::string& file : {p.picture().file, tiff}) {
            SCOPED_TRACE(file);
            const auto g = support::gdalGeoTransform(file);
            ASSERT_TRUE(g);
            for (const model::ControlPoint& cp : p.controlPoints()) {
                // GDAL counts from the picture's corner, the project from its pixel's centre.
                const double col = static_cast<double>(cp.pixel.x) - ox + 0.5;
                const double line = static_cast<double>(cp.pixel.y) - oy + 0.5;
                const auto real = p.calibrationFit().toReal(cp.pixel);
                ASSERT_TRUE(real);
                EXPECT_NEAR((*g)[0] + col * (*g)[1] + line * (*g)[2], static_cast<double>(real->X),
                            1e-6);
                EXPECT_NEAR((*g)[3] + col * (*g)[4] + line * (*g)[5], static_cast<double>(real->Y),
                            1e-6);
            }
        }
        const auto keys = support::runGdal("gdalinfo -json", "", tiff);
        ASSERT_TRUE(keys);
        EXPECT_NE(keys->find("Lambert-93"), std::string::npos);
        expectRgbBands(*keys);
        // GDAL's picture drivers leave a .prj aside: GDAL reads it as a system of its own.
        const auto system = support::runGdal("gdalsrsinfo -o wkt1", "", written.written.back());
        ASSERT_TRUE(system);
        EXPECT_NE(system->find("Lambert-93"), std::string::npos) << *system;
    }
}

// A white mark on each control point: in the north-up picture its centre lies where GDAL
// places the point's real value, within half a pixel; from a colour picture, and from a grey
// one (kept a byte a pixel).
TEST_F(GeoreferencedPicture, ResampledPictureKeepsEveryControlPointInPlace) {
    const std::vector<std::pair<int, int>> pixels = {{5, 7},   {38, 8},  {6, 30},
                                                     {37, 31}, {20, 18}, {12, 25}};
    for (const auto& [method, grey] : {std::pair{model::TransformMethod::Projective, false},
                                       {model::TransformMethod::Polynomial2, true}}) {
        SCOPED_TRACE(static_cast<int>(method));
        picture::Raster r = picture::Raster::create(w, h);
        r.fill(0);
        for (const auto& [x, y] : pixels)
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    r.row(y - oy + dy)[x - ox + dx] = picture::rgb555(255, 255, 255);
        const std::string bmp = path("photo.bmp"), tiff = path("photo.tif");
        ASSERT_EQ(picture::writeBmp(r, bmp), "");
        const std::string file = grey ? path("grey.tif") : bmp;
        if (grey) {
            ASSERT_TRUE(support::runGdal("gdal_translate -q -b 1 '" + bmp + "'", "", file));
            ASSERT_TRUE(picture::decodeFile(file).raster.indexed());
        }
        model::Project p;
        p.picture() = {file, w + 10, h + 10, ox, oy};
        // A photographed map: the scale grows across the picture.
        const auto real = [](int x, int y) {
            return std::pair{1000 + 2.0 * x + 0.3 * y + 0.01 * x * y, 5000 - 2.0 * y + 0.1 * x};
        };
        std::array<model::CalibrationPoint, 3> first;
        for (std::size_t i = 0; i < 3; ++i) {
            const auto [x, y] = pixels[i];
            first[i] = {std::to_string(real(x, y).first), std::to_string(real(x, y).second), x, y};
        }
        p.setCalibration(first);
        for (std::size_t i = 3; i < pixels.size(); ++i) {
            const auto [x, y] = pixels[i];
            ASSERT_EQ(p.addControlPoint(x, y, real(x, y).first, real(x, y).second, 0),
                      model::FitStatus::Fitted);
        }
        ASSERT_EQ(p.setCalibrationModel(method, {}), model::FitStatus::Fitted);
        ASSERT_EQ(gis::ecritGeoTiff(p, "EPSG:2154", tiff), "");

        const auto g = support::gdalGeoTransform(tiff);
        ASSERT_TRUE(g);
        EXPECT_EQ((*g)[2], 0);
        EXPECT_EQ((*g)[4], 0);
        const auto info = support::runGdal("gdalinfo -json", "", tiff);
        ASSERT_TRUE(info);
        expectRgbBands(*info, true);
        const auto size = nlohmann::json::parse(*info)["size"].get<std::array<int, 2>>();
        // The grid's north-west corner lies beyond the sheared picture, the marks within it.
        std::ostringstream opacityAt;
        opacityAt << "0 0\n";
        for (const model::ControlPoint& cp : p.controlPoints()) {
            const auto value = p.calibrationFit().toReal(cp.pixel);
            ASSERT_TRUE(value);
            opacityAt << static_cast<int>((static_cast<double>(value->X) - (*g)[0]) / (*g)[1])
                      << ' '
                      << static_cast<int>((static_cast<double>(value->Y) - (*g)[3]) / (*g)[5])
                      << '\n';
        }
        const auto opacity =
            support::runGdal("gdallocationinfo -valonly -b 4", opacityAt.str(), tiff);
        ASSERT_TRUE(opacity);
        std::istringstream opacities(*opacity);
        int alpha = -1;
        ASSERT_TRUE(opacities >> alpha);
        EXPECT_EQ(alpha, 0) << "transparent beyond the picture";
        while (opacities >> alpha)
            EXPECT_EQ(alpha, 255) << "opaque on the picture";
        for (const model::ControlPoint& cp : p.controlPoints()) {
            const auto value = p.calibrationFit().toReal(cp.pixel);
            ASSERT_TRUE(value);
            const double col = (static_cast<double>(value->X) - (*g)[0]) / (*g)[1];
            const double line = (static_cast<double>(value->Y) - (*g)[3]) / (*g)[5];
            // The brightness-weighted centre of the mark, read by GDAL.
            std::vector<std::pair<int, int>> cells;
            std::ostringstream around;
            for (int l = static_cast<int>(line) - 4; l <= static_cast<int>(line) + 4; ++l)
                for (int c = static_cast<int>(col) - 4; c <= static_cast<int>(col) + 4; ++c)
                    if (c >= 0 && l >= 0 && c < size[0] && l < size[1]) {
                        cells.emplace_back(c, l);
                        around << c << ' ' << l << '\n';
                    }
            const auto values =
                support::runGdal("gdallocationinfo -valonly -b 1", around.str(), tiff);
            ASSERT_TRUE(values);
            std::istringstream in(*values);
            double sum = 0, sc = 0, sl = 0, v = 0;
            for (const auto& [c, l] : cells) {
                ASSERT_TRUE(in >> v);
                sum += v;
                sc += v * (c + 0.5);
                sl += v * (l + 0.5);
            }
            ASSERT_GT(sum, 0);
            EXPECT_NEAR(sc / sum, col, 0.5);
            EXPECT_NEAR(sl / sum, line, 0.5);
        }
    }
}

TEST_F(GeoreferencedPicture, RefusedWithoutWritingAnything) {
    struct Refusal {
        const char* name;
        model::TransformMethod method;
        model::AxisKinds axes;
        const char* system;
        const char* error;
    };
    model::AxisKinds logX;
    logX.x = model::AxisScale::Log10;
    const Extra fourth{40, 33, 700094.1, 6599936.2};
    const std::vector<Refusal> refusals = {
        {"projective",
         model::TransformMethod::Projective,
         {},
         "EPSG:2154",
         "Un calage projectif ou polynomial ne tient pas dans un fichier de calage."},
        {"log", model::TransformMethod::Affine, logX, "EPSG:2154",
         "Axes logarithmiques ou polaires : l'image ne se géoréférence pas."},
        {"system", model::TransformMethod::Affine, {}, "EPSG:999999", nullptr},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.name);
        model::Project p;
        project(p, std::string(r.name) + ".bmp",
                {r.name, model::TransformMethod::Affine, {fourth}});
        ASSERT_EQ(p.setCalibrationModel(r.method, r.axes), model::FitStatus::Fitted);
        const gis::GeoreferencedPicture written = gis::ecritCalageImage(p, r.system);
        if (r.error)
            EXPECT_EQ(written.error, r.error);
        else
            EXPECT_FALSE(written.error.empty());
        EXPECT_TRUE(written.written.empty());
        const std::string tiff = path(std::string(r.name) + ".tif");
        if (r.method == model::TransformMethod::Affine) {
            EXPECT_EQ(gis::ecritGeoTiff(p, r.system, tiff), written.error);
            EXPECT_FALSE(fs::exists(tiff));
        }
        EXPECT_FALSE(fs::exists(gis::worldFileName(p.picture().file)));
        EXPECT_FALSE(fs::exists(path(std::string(r.name) + ".prj")));
    }
}

TEST_F(GeoreferencedPicture, RefusedWhenThePictureIsGone) {
    model::Project p;
    project(p, "gone.bmp", {"gone", model::TransformMethod::Affine, {}});
    fs::remove(p.picture().file);
    const gis::GeoreferencedPicture written = gis::ecritCalageImage(p, "EPSG:2154");
    EXPECT_EQ(written.error, "Image introuvable : " + p.picture().file);
    EXPECT_FALSE(fs::exists(path("gone.bpw")) || fs::exists(path("gone.prj")));
}

TEST(WorldFileName, AfterThePicturesExtension) {
    for (const auto& [picture, world] : {std::pair{"a/plan.jpg", "a/plan.jgw"},
                                         {"plan.tif", "plan.tfw"},
                                         {"plan.PNG", "plan.PGw"},
                                         {"plan.jpeg", "plan.jgw"},
                                         {"plan", "plan.wld"}}) {
        SCOPED_TRACE(picture);
        EXPECT_EQ(gis::worldFileName(picture), world);
    }
}

} // namespace
