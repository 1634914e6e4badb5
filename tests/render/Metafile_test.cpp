#include "picture/ConversionOutput.h"
#include "picture/ConversionSize.h"
#include "picture/TiffCodec.h"
#include "render/Metafile.h"
#include "render/RgbImage.h"
#include "support/MetafileBytes.h"
#include "support/TempFiles.h"

#include <QGuiApplication>
#include <filesystem>
#include <gtest/gtest.h>

using namespace tracelle;
using namespace tracelle::testing;

namespace {

const QColor kBackground(0, 128, 255);

struct Source {
    const char* name;
    std::vector<char> bytes;
};

class MetafileZoom : public ::testing::TestWithParam<Source> {
protected:
    void TearDown() override { std::filesystem::remove_all(dir); }
    render::Metafile loaded() {
        std::filesystem::create_directories(dir);
        const std::string path = (dir / GetParam().name).string();
        writeBytes(path, GetParam().bytes);
        std::string error;
        render::Metafile m = render::Metafile::load(path, &error);
        EXPECT_FALSE(m.empty()) << error;
        return m;
    }
    const std::filesystem::path dir = tempFolder("metafile_");
};

// 500 pixels wide, brought to the 1063 pixels of 18 cm at 150 dpi: 213 %, 1065 pixels. The
// left half is red, the right half shows the background; so does the TIFF saved.
TEST_P(MetafileZoom, FillsTheTargetWidthAndIsSavedAsTiff) {
    const render::Metafile m = loaded();
    ASSERT_EQ(QSize(m.width(), m.height()), QSize(500, 250));
    const int zoom = picture::conversionZoom(picture::calc_res("18", "150").pixels, m.width());
    const QSize size(picture::zoomedSize(m.width(), zoom), picture::zoomedSize(m.height(), zoom));
    ASSERT_EQ(size, QSize(1065, 532));
    std::string error;
    const QImage image = m.render(size, kBackground, &error);
    ASSERT_EQ(image.size(), size) << error;
    const struct {
        int x, y;
        QColor colour;
    } probes[] = {{3, 3, Qt::red},         {528, 266, Qt::red},    {3, 528, Qt::red},
                  {538, 266, kBackground}, {1061, 3, kBackground}, {1061, 528, kBackground}};
    for (const auto& p : probes)
        EXPECT_EQ(image.pixelColor(p.x, p.y).name(), p.colour.name()) << p.x << "," << p.y;

    const std::string path = (dir / "out.tif").string();
    ASSERT_EQ(picture::writeConverted(render::rowsOf(image), picture::OutputFormat::Tif, path), "");
    const picture::Decoded d = picture::decodeTiff(path);
    ASSERT_TRUE(d.ok()) << d.error;
    EXPECT_EQ(d.raster.width(), 1065);
    EXPECT_EQ(d.raster.pixel(3, 3), picture::rgb555(255, 0, 0));
    EXPECT_EQ(d.raster.pixel(1061, 3), picture::rgb555(0, 128, 255));
}

EmfLayout withText() {
    EmfLayout l;
    l.text = true;
    return l;
}

INSTANTIATE_TEST_SUITE_P(Kinds, MetafileZoom,
                         ::testing::Values(Source{"plan.emf", emfBytes()},
                                           Source{"plan.wmf", wmfBytes()},
                                           Source{"text.emf", emfBytes(withText())}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             name[name.find('.')] = '_';
                             return name;
                         });

// The drawing of a placeable WMF lands where its units say, whatever mapping the file sets:
// a box of 1000 × 500 units at 100 an inch, brought to 1065 × 532 pixels, shows the rectangle
// (100, 100)–(400, 300) and the ellipse in (500, 50)–(900, 450) at 1.065 pixels a unit.
TEST(MetafileWmf, ShapesLandWhereTheirUnitsSayWhateverTheMapping) {
    const struct {
        const char* name;
        WmfLayout layout;
    } rows[] = {
        {"no mapping mode", {}},
        {"anisotropic", {.mapMode = 8}},
        {"anisotropic with a viewport", {.mapMode = 8, .viewportX = 700, .viewportY = 250}},
        {"window away from 0", {.originX = 500, .originY = 250}},
        {"anisotropic away from 0", {.originX = -300, .originY = 700, .mapMode = 8}},
    };
    // The first and last pixels more red than not along a line, from `from` to `to`.
    const auto redRun = [](const QImage& image, QPoint from, QPoint to) {
        const QPoint step((to.x() > from.x()) - (to.x() < from.x()),
                          (to.y() > from.y()) - (to.y() < from.y()));
        int first = -1, last = -1;
        for (QPoint p = from; p != to + step; p += step) {
            const QColor c = image.pixelColor(p);
            if (c.red() > 127 && c.green() < 128 && c.blue() < 128) {
                const int at = step.x() ? p.x() : p.y();
                if (first < 0) first = at;
                last = at;
            }
        }
        return std::pair{first, last};
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        WmfLayout layout = r.layout;
        layout.inch = 100;
        layout.plan = true;
        const std::vector<char> bytes = wmfBytes(layout);
        std::string error;
        const render::Metafile m = render::Metafile::fromBytes(
            {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, &error);
        ASSERT_FALSE(m.empty()) << error;
        EXPECT_EQ(QSize(m.width(), m.height()), QSize(960, 480));
        const QImage image = m.render(QSize(1065, 532), Qt::white, &error);
        ASSERT_FALSE(image.isNull()) << error;
        const double sx = 1065 / 1000.0, sy = 532 / 500.0;
        const auto x = [sx](double units) { return static_cast<int>(units * sx); };
        const auto y = [sy](double units) { return static_cast<int>(units * sy); };
        const struct {
            const char* what;
            std::pair<int, int> run;
            double from, to; // pixels
        } edges[] = {
            {"rectangle across", redRun(image, {0, y(200)}, {x(450), y(200)}), 100 * sx, 400 * sx},
            {"rectangle down", redRun(image, {x(250), 0}, {x(250), 531}), 100 * sy, 300 * sy},
            {"ellipse across", redRun(image, {x(450), y(250)}, {1064, y(250)}), 500 * sx, 900 * sx},
            {"ellipse down", redRun(image, {x(700), 0}, {x(700), 531}), 50 * sy, 450 * sy},
        };
        for (const auto& e : edges) {
            SCOPED_TRACE(e.what);
            EXPECT_NEAR(e.run.first, e.from, 1.0);
            EXPECT_NEAR(e.run.second + 1, e.to, 1.0);
        }
    }
}

// A program without windows gets its application at the first drawing, headless.
TEST(MetafileApplication, MadeOffscreenWhenMissing) {
    std::string error;
    const std::vector<char> b = emfBytes(withText());
    ASSERT_FALSE(render::Metafile::fromBytes(
                     {reinterpret_cast<const std::uint8_t*>(b.data()), b.size()}, &error)
                     .empty())
        << error;
    ASSERT_NE(qobject_cast<QGuiApplication*>(QCoreApplication::instance()), nullptr);
    EXPECT_EQ(QGuiApplication::platformName(), "offscreen");
}

TEST(MetafileDamaged, RefusedWithTheReasonAndNothingPrinted) {
    const std::vector<char> emf = emfBytes();
    std::vector<char> noisy = emf; // records whose sizes hold, whose contents do not
    for (std::size_t i = 116; i < noisy.size() - 20; ++i)
        if (i % 4 != 0 && i % 4 != 1) noisy[i] = static_cast<char>(0xFF);
    std::vector<char> cutWmf = wmfBytes();
    cutWmf.resize(50);
    const struct {
        const char* name;
        std::vector<char> bytes;
    } rows[] = {
        {"nothing", {}},
        {"png", {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'}},
        {"cut emf", std::vector<char>(emf.begin(), emf.end() - 4)},
        {"cut wmf", cutWmf},
        {"noisy emf", noisy},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        std::string error;
        ::testing::internal::CaptureStderr();
        const render::Metafile m = render::Metafile::fromBytes(
            {reinterpret_cast<const std::uint8_t*>(r.bytes.data()), r.bytes.size()}, &error);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
        if (m.empty()) {
            EXPECT_NE(error, "");
        } else { // drawn as far as it goes, without a crash
            std::string why;
            EXPECT_FALSE(m.render(QSize(100, 50), kBackground, &why).isNull()) << why;
        }
    }
    std::string error;
    EXPECT_TRUE(render::Metafile::load("/no/such/plan.emf", &error).empty());
    EXPECT_EQ(error, "impossible d'ouvrir le fichier");
}

} // namespace
