// The world file and .prj written beside a calibrated picture, read back by GDAL: every
// control point's pixel centre gets the real value the project gives it.
#include "gis/GeoTiffExport.h"
#include "gis/GeoreferencedPicture.h"
#include "model/Project.h"
#include "picture/BmpCodec.h"
#include "support/Gdal.h"
#include "support/TempFiles.h"

#include <cmath>
#include <gtest/gtest.h>

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
        // GDAL's picture drivers leave a .prj aside: GDAL reads it as a system of its own.
        const auto system = support::runGdal("gdalsrsinfo -o wkt1", "", written.written.back());
        ASSERT_TRUE(system);
        EXPECT_NE(system->find("Lambert-93"), std::string::npos) << *system;
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
        EXPECT_EQ(gis::ecritGeoTiff(p, r.system, tiff), written.error);
        EXPECT_FALSE(fs::exists(tiff));
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
