#include "measure/RasterSurface.h"
#include "model/Project.h"
#include "support/ScriptedInteraction.h"
#include "support/Separator.h"

#include <gtest/gtest.h>
#include <pthread.h>
#include <tuple>

using namespace tracelle;
using namespace tracelle::measure;
using picture::Layer;
using picture::Pixel;

namespace {

constexpr Rgb kFill{0, 128, 0};
constexpr Rgb kBorder{0, 255, 0};
const Pixel F = toPixel(kFill);
const Pixel B = toPixel(kBorder);
const Pixel C = toPixel(kContour);
const Pixel W = toPixel(kWhite);

std::vector<Pixel> pixels(const Layer& layer) {
    std::vector<Pixel> all;
    for (int y = 0; y < layer.height(); ++y)
        layer.runs(y, 0, layer.width(),
                   [&](int, const Pixel* p, int n) { all.insert(all.end(), p, p + n); });
    return all;
}

std::int64_t countOf(const Layer& layer, Pixel colour) {
    const auto all = pixels(layer);
    return std::count(all.begin(), all.end(), colour);
}

void rect(Layer& layer, int x0, int y0, int x1, int y1, Pixel colour) {
    for (int y = y0; y < y1; ++y)
        layer.fillSpan(y, x0, x1, colour);
}

// Runs `f` on a thread with 256 KB of stack, which a fill recursing per span would overflow.
template <class F> void onSmallStack(F f) {
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, 256 * 1024);
    pthread_t thread;
    const auto call = [](void* arg) -> void* {
        (*static_cast<F*>(arg))();
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attr, call, &f), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attr);
}

class RasterReport : public ::testing::TestWithParam<char> {
protected:
    tracelle::testing::SeparatorScope scope{GetParam()};
};
TRACELLE_UNDER_BOTH_SEPARATORS(RasterReport);

// A second area after "No" (the contour left) counts the same pixels and paints nothing more.
TEST_P(RasterReport, ASquareOfTenPixelsTwice) {
    Layer layer = Layer::blank(40, 30, W);
    rect(layer, 12, 8, 22, 18, F);
    std::vector<int> told;
    const RasterCounts counts =
        rasterArea(layer, bounds(layer, 0, 0), kFill, [&](int p) { told.push_back(p); });
    EXPECT_EQ(counts.count, 100);
    EXPECT_EQ(countOf(layer, C), 40) << "the four corners are not part of the contour";
    EXPECT_EQ(counts.s, 37);
    EXPECT_EQ(counts.d, 3);
    ASSERT_TRUE(counts.zone);
    EXPECT_EQ(std::tie(counts.zone->x0, counts.zone->y0, counts.zone->x1, counts.zone->y1),
              std::make_tuple(12, 8, 21, 17))
        << "the painted pixels' extent";
    Layer unpainted = Layer::blank(40, 30, W);
    EXPECT_FALSE(rasterArea(unpainted, bounds(unpainted, 0, 0), kFill).zone);
    const auto ds = [](const char* t) { return tracelle::testing::withSeparator(t, GetParam()); };
    EXPECT_EQ(rapportRaster(counts, 1),
              (std::vector<std::string>{ds(" Surface raster = \t1.000 E+02    \t    100.000000000"),
                                        ds(" L raster = \t4.124 E+01    \t    41.242640687")}));
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
    EXPECT_EQ(told.back(), 2 * 29 / 3 + 28 / 3) << "pass 3's last row";

    const auto withContour = pixels(layer);
    const RasterCounts again = rasterArea(layer, bounds(layer, 0, 0), normalise(kFill));
    EXPECT_EQ(std::tie(again.count, again.s, again.d), std::tie(counts.count, counts.s, counts.d));
    EXPECT_EQ(pixels(layer), withContour);
}

TEST(RasterArea, TheOutermostRowsAndColumnsAreCountedWithoutAContourOutside) {
    // Bounds 2 .. 13 × 1 .. 10 of a 16 × 12 layer: their outer ring painted, and a pixel in
    // the margin.
    Layer layer = Layer::blank(16, 12, W);
    rect(layer, 2, 1, 14, 11, F);
    rect(layer, 3, 2, 13, 10, W);
    layer.setPixel(0, 0, F);
    EXPECT_EQ(rasterArea(layer, bounds(layer, 2, 1), kFill).count, 40);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool inner = x >= 3 && x <= 12 && y >= 2 && y <= 9;
            const bool ring = inner && (x == 3 || x == 12 || y == 2 || y == 9);
            EXPECT_EQ(layer.pixel(x, y) == C, ring) << x << ", " << y;
        }
}

TEST(RasterArea, TheScaleComesFromTheCalibrationTriangle) {
    tracelle::testing::ScriptedInteraction ui;
    tracelle::testing::SeparatorScope dot('.');
    const struct {
        int x3, y3;
        const char* side; // of the real triangle, whose image side is 100 pixels
        long double k;
    } cases[] = {{110, 110, "100", 1}, {110, 110, "200", 4}, {10, 210, "200", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.k);
        model::Project p;
        p.valide_point_calage(10, 10);
        p.valide_point_calage(10, 110);
        p.valide_point_calage(c.x3, c.y3); // (10, 210): collinear, the area in pixels
        const std::pair<int, const char*> cells[] = {{1, "Y"}, {3, "X"}};
        for (const auto& [row, column] : cells)
            p.calibration().setCell(row, p.indice_col_cal(column), c.side);
        p.calcul_nouveaux_calage();
        EXPECT_EQ(echelleRaster(p), c.k);
    }
    const auto lines = rapportRaster({10, 3, 1, {}}, 4);
    EXPECT_EQ(lines[0].substr(0, 24), " Surface raster = \t4.000");
    EXPECT_EQ(lines[1].substr(0, 18), " L raster = \t8.828") << "2 × (3 + √2)";
}

TEST(Threshold, TheThreeTextsGiveTheSameBlackAndWhite) {
    EXPECT_EQ(seuil("abc"), std::nullopt);
    EXPECT_EQ(seuil(""), std::nullopt);
    EXPECT_EQ(seuil("2.5e-6"), 2) << "a half goes to the even neighbour";
    const auto grey = [](int g) { return picture::rgb555(g, g, g); };
    for (const char* text : {"10", "10,0", "10.0"}) {
        SCOPED_TRACE(text);
        ASSERT_EQ(seuil(text), 10000000);
        // Margins of one pixel; black is the border colour: pass 2 takes off the isolated
        // pixel (4, 2) and keeps the pair of row 5.
        Layer layer = Layer::blank(12, 9, grey(200));
        for (const auto& [x, y] : {std::pair{4, 2}, {4, 5}, {5, 5}, {0, 2}})
            layer.setPixel(x, y, grey(151));
        layer.setPixel(8, 2, grey(152));
        threshold(layer, bounds(layer, 1, 1), *seuil(text), kBlack);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 12; ++x) {
                const bool margin = x == 0 || y == 0 || x == 11 || y == 8;
                const Pixel expected = margin ? (x == 0 && y == 2 ? grey(151) : grey(200))
                                       : y == 5 && (x == 4 || x == 5) ? 0
                                                                      : W;
                EXPECT_EQ(layer.pixel(x, y), expected) << x << ", " << y;
            }
    }
}

TEST(Fill, ASecondClickTakesThePaintOff) {
    Layer layer = Layer::blank(20, 20, W);
    rect(layer, 2, 2, 18, 18, 0);
    rect(layer, 3, 3, 17, 17, W);
    const auto before = pixels(layer);
    EXPECT_EQ(fillClick(layer, 8, 8, FillMode::Surface, kBorder, kFill), 14 * 14);
    EXPECT_EQ(countOf(layer, F), 14 * 14) << "within the black frame";
    EXPECT_EQ(fillClick(layer, 16, 3, FillMode::Surface, kBorder, kFill), 14 * 14);
    EXPECT_EQ(pixels(layer), before);
    EXPECT_EQ(fillClick(layer, 20, 3, FillMode::Surface, kBorder, kFill), 0) << "outside";
}

TEST(Fill, ABorderedFillCrossesThePaintColourButNotTheBorder) {
    Layer layer = Layer::blank(300, 280, W);
    rect(layer, 10, 10, 290, 270, B);
    rect(layer, 11, 11, 289, 269, W);
    rect(layer, 150, 11, 152, 269, F); // splits the white in two
    rect(layer, 60, 60, 70, 70, B);    // an island of border
    const std::int64_t inside = 278 * 258 - 100;
    EXPECT_EQ(fillClick(layer, 10, 10, FillMode::Bordered, kBorder, kFill), 0) << "on the border";
    EXPECT_EQ(fillClick(layer, 20, 20, FillMode::Bordered, kBorder, kFill), inside);
    EXPECT_EQ(countOf(layer, F), inside);
    EXPECT_EQ(fillClick(layer, 200, 200, FillMode::Bordered, kBorder, kFill), inside);
    EXPECT_EQ(countOf(layer, W), 300 * 280 - countOf(layer, B)) << "taken off, no mark left";
}

TEST(Fill, AMazeOfOnePixelCorridorsFillsOnASmallStack) {
    // Corridors in the even columns joined alternately at the bottom and the top: one path
    // of 8 million one-pixel spans, with pixels of the paint colour along it.
    const int n = 4000;
    auto maze = std::make_shared<picture::Raster>(picture::Raster::create(n, n));
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            maze->row(y)[x] = x % 2 == 0 ? (y % 7 == 0 && x == 2 * (y % 50) ? F : W)
                              : y == ((x / 2) % 2 == 0 ? n - 1 : 0) ? W
                                                                    : B;
    Layer layer = Layer::over(maze, n, n, 0, 0, W);
    const std::int64_t open = std::int64_t{n} * n - countOf(layer, B);
    std::int64_t painted = 0;
    onSmallStack(
        [&] { painted = fillClick(layer, n - 2, n / 2, FillMode::Bordered, kBorder, kFill); });
    EXPECT_EQ(painted, open);
    EXPECT_EQ(countOf(layer, F), open);
}

TEST(Fill, AnOpenRegionWithMarginsStaysInTheLayerAndUndoGivesItBackTwice) {
    auto picture = std::make_shared<picture::Raster>(picture::Raster::create(1000, 700));
    picture->fill(W);
    Layer layer = Layer::over(picture, 1300, 900, 150, 100, W);
    const auto before = pixels(layer);
    const auto undo = layer.record();
    std::int64_t painted = 0;
    onSmallStack([&] { painted = fillClick(layer, 600, 400, FillMode::Surface, kBorder, kFill); });
    EXPECT_EQ(painted, 1300 * 900);
    EXPECT_EQ(countOf(layer, F), 1300 * 900);
    EXPECT_EQ(picture->pixel(0, 0), W) << "the picture is never drawn into";
    layer.giveBack(*undo);
    EXPECT_EQ(pixels(layer), before);
    fillClick(layer, 5, 5, FillMode::Bordered, kBorder, kFill);
    layer.giveBack(*undo);
    EXPECT_EQ(pixels(layer), before) << "one level: the same layer again";
}

TEST(Stamps, BrushAndEraserAreClippedAtTheEdges) {
    Layer layer = Layer::blank(10, 10, W);
    eraserClick(layer, 1, 1, kFill);
    EXPECT_EQ(countOf(layer, F), 9) << "x − 2 .. x + 1 from −1: three columns";
    eraserDrag(layer, 9, 9, kFill);
    EXPECT_EQ(countOf(layer, F), 9 + 25);
    brushClick(layer, 5, 5, kBorder);
    EXPECT_EQ(layer.pixel(4, 4), B);
    brushClick(layer, 5, 5, kBorder);
    EXPECT_EQ(layer.pixel(4, 4), W);
    brushDrag(layer, 0, 0, kBorder);
    brushClick(layer, 11, 3, kBorder);
    brushDrag(layer, 3, 10, kBorder);
    EXPECT_EQ(countOf(layer, B), 1);
    EXPECT_EQ(normalise(kFill), (Rgb{0, 131, 0}));
    EXPECT_EQ(normalise(normalise(kFill)), normalise(kFill));
}

} // namespace
