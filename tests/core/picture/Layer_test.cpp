#include "picture/BarePicture.h"
#include "picture/Layer.h"
#include "picture/Overview.h"
#include "picture/Stretch.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace tracelle::picture;

namespace {

// A 15-bit picture, or one of palette indices.
std::shared_ptr<Raster> pattern(int w, int h, bool indexed = false) {
    auto r = std::make_shared<Raster>(indexed ? Raster::createIndexed(w, h) : Raster::create(w, h));
    for (int i = 0; i < 256; ++i)
        r->palette()[static_cast<std::size_t>(i)] = static_cast<Pixel>((i * 131 + 17) & 0x7FFF);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int v = x * 31 + y * 7;
            if (indexed)
                r->indexRow(y)[x] = static_cast<std::uint8_t>(v);
            else
                r->row(y)[x] = static_cast<Pixel>(v & 0x7FFF);
        }
    return r;
}

std::vector<Pixel> pixelsOf(const Raster& r) {
    std::vector<Pixel> all;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            all.push_back(r.pixel(x, y));
    return all;
}

// What the canvas shows without drawings: the picture where it lies, the margin elsewhere.
Pixel bare(const Raster& picture, int ox, int oy, Pixel margin, int x, int y) {
    const int px = x - ox, py = y - oy;
    return px >= 0 && py >= 0 && px < picture.width() && py < picture.height()
               ? picture.pixel(px, py)
               : margin;
}

TEST(Layer, TheCanvasReadsThePictureAndOnlyDrawnTilesAreCopied) {
    const Pixel teal = rgb555(0, 128, 128);
    const struct {
        int w, h, ox, oy;
        bool indexed;
    } canvases[] = {{700, 300, 0, 0, false},     {900, 520, 137, 61, false},
                    {500, 260, -40, -15, false}, {700, 300, 0, 0, true},
                    {900, 520, 137, 61, true},   {500, 260, -40, -15, true}};
    for (const auto& c : canvases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " at " << c.ox << ", " << c.oy
                                        << (c.indexed ? ", palette indices" : ""));
        const auto picture = pattern(700, 300, c.indexed);
        const std::vector<Pixel> before = pixelsOf(*picture);
        Layer layer = Layer::over(picture, c.w, c.h, c.ox, c.oy, teal);
        EXPECT_EQ(layer.drawnBytes(), 0u) << "not even where margin meets picture";
        // Every pixel, and every run of memory around it, as the bare canvas shows it.
        for (int y = 0; y < c.h; y += 3) {
            for (int x = 0; x < c.w; ++x) {
                ASSERT_EQ(layer.pixel(x, y), bare(*picture, c.ox, c.oy, teal, x, y));
                int before = 0, after = 0;
                Layer::Scratch scratch;
                const Pixel* p = layer.run(x, y, before, after, scratch);
                ASSERT_GE(before, 0);
                ASSERT_LE(x + after, c.w - 1);
                for (int i = -before; i <= after; ++i)
                    ASSERT_EQ(p[i], bare(*picture, c.ox, c.oy, teal, x + i, y))
                        << x << ", " << y << " + " << i;
            }
        }
        layer.takeChanged();

        layer.setPixel(300, 150, 0x7FFF);
        layer.writable(10, 10, 20, 12, [](const Layer::Piece& piece) {
            for (int y = 10; y < 12; ++y)
                for (int x = 10; x < 20; ++x)
                    piece.data[(y - piece.y) * piece.stride + (x - piece.x)] = 0x001F;
        });
        EXPECT_EQ(layer.pixel(300, 150), 0x7FFF);
        EXPECT_EQ(layer.pixel(15, 11), 0x001F);
        EXPECT_LE(layer.drawnBytes(), std::size_t{Layer::kTile} * Layer::kTile * 2 * 2)
            << "two tiles drawn into, at most";
        EXPECT_EQ(layer.takeChanged().size(), 2u);
        EXPECT_EQ(pixelsOf(*picture), before) << "the picture is never drawn into";

        const RowSource rows = layer.rows();
        layer.clear();
        EXPECT_EQ(layer.drawnBytes(), 0u);
        for (int y = 0; y < c.h; y += 7) {
            const Pixel* row = rows.row(y);
            for (int x = 0; x < c.w; ++x)
                ASSERT_EQ(row[x], bare(*picture, c.ox, c.oy, teal, x, y)) << x << ", " << y;
        }
    }
}

TEST(Layer, ARecordingGivesBackTheLayerAsItWas) {
    const auto picture = pattern(600, 600);
    Layer layer = Layer::over(picture, 600, 600, 0, 0, 0);
    const auto state = [&layer] {
        std::vector<Pixel> all;
        for (int y = 0; y < layer.height(); ++y)
            for (int x = 0; x < layer.width(); ++x)
                all.push_back(layer.pixel(x, y));
        return all;
    };
    layer.fillSpan(10, 0, 600, 1); // drawn before: kept as a copy
    const auto before = state();
    const auto undo = layer.record();
    EXPECT_EQ(undo->bytes(), 0u);
    layer.fillSpan(10, 100, 400, 2);
    layer.fillSpan(500, 0, 600, 3);
    const auto contour = layer.record(); // a second one at the same time
    layer.setPixel(599, 599, 4);
    layer.clear(); // "Redessiner" after the fill
    layer.giveBack(*undo);
    EXPECT_EQ(state(), before);
    EXPECT_EQ(undo->bytes(), std::size_t{Layer::kTile} * Layer::kTile * 2 * 3)
        << "only the tiles of row 10 were drawn: the others are the picture again";
    layer.setPixel(5, 5, 7);
    layer.giveBack(*undo);
    EXPECT_EQ(state(), before) << "given back twice, the same state";
    Layer other = Layer::over(picture, 600, 600, 0, 0, 0);
    other.setPixel(1, 1, 9);
    other.giveBack(*undo); // a recording of another layer changes nothing
    EXPECT_EQ(other.pixel(1, 1), 9);
    layer = Layer::over(picture, 600, 600, 0, 0, 0); // a picture opened again in its place
    layer.giveBack(*undo);
    EXPECT_EQ(layer.pixel(0, 10), picture->pixel(0, 10));
}

// Tiles given up by an ended recording and by "Redessiner" are drawn into again: each shows
// the picture and the new drawing only.
TEST(Layer, TileMemoryGivenUpServesAgainWithoutItsOldPixels) {
    const auto picture = pattern(600, 500, true);
    Layer layer = Layer::over(picture, 700, 520, 30, 10, 5);
    for (int round = 1; round <= 2; ++round) {
        auto undo = layer.record();
        for (int y = 0; y < 520; y += 3)
            layer.fillSpan(y, 0, 700, static_cast<Pixel>(round));
        undo.reset();
        layer.clear();
        layer.setPixel(699, 519, 9);
        for (int y = 0; y < 520; ++y)
            for (int x = 0; x < 699; ++x)
                ASSERT_EQ(layer.pixel(x, y), bare(*picture, 30, 10, 5, x, y)) << x << ", " << y;
        EXPECT_EQ(layer.pixel(699, 519), 9);
    }
}

// The bare picture follows the layer's picture and canvas, never what is drawn on the layer.
TEST(BarePicture, ShowsThePictureWithoutTheDrawingsOfItsLayer) {
    const Pixel teal = rgb555(0, 128, 128), red = rgb555(255, 0, 0);
    const auto first = pattern(300, 200), second = pattern(120, 90);
    BarePicture barePicture;
    struct {
        const char* name;
        Layer layer;
        const Raster* picture; // none: a blank sheet
        int ox, oy;
    } rows[] = {
        {"picture in a margin", Layer::over(first, 400, 260, 30, 20, teal), first.get(), 30, 20},
        {"same picture moved", Layer::over(first, 400, 260, 0, 0, teal), first.get(), 0, 0},
        {"another picture", Layer::over(second, 400, 260, 0, 0, teal), second.get(), 0, 0},
        {"blank sheet", Layer::blank(150, 100, teal), nullptr, 0, 0},
    };
    for (auto& row : rows) {
        SCOPED_TRACE(row.name);
        for (int i = 0; i < 40; ++i)
            row.layer.setPixel(20 + i, 30 + i / 2, red);
        const Layer& seen = barePicture.of(row.layer);
        ASSERT_EQ(seen.width(), row.layer.width());
        ASSERT_EQ(seen.height(), row.layer.height());
        for (int y = 0; y < seen.height(); ++y)
            for (int x = 0; x < seen.width(); ++x) {
                const Pixel expected =
                    row.picture ? bare(*row.picture, row.ox, row.oy, teal, x, y) : teal;
                ASSERT_EQ(seen.pixel(x, y), expected) << x << ", " << y;
            }
    }
}

// Black one-pixel lines every 40 pixels on white: each still shows, darker than the paper,
// whatever the factor of the view.
TEST(Overview, ThinLinesShowAtEveryFactor) {
    const int w = 6400, h = 4000;
    auto picture = std::make_shared<Raster>(Raster::create(w, h));
    picture->fill(rgb555(255, 255, 255));
    for (int y = 0; y < h; ++y)
        for (int x = 13; x < w; x += 40)
            picture->row(y)[x] = 0;
    const Layer layer = Layer::over(picture, w, h, 0, 0, 0);
    Overview overview;
    overview.buildNow(layer);
    ASSERT_TRUE(overview.ready());
    for (const int areaW : {3200, 1600, 800, 400}) {
        SCOPED_TRACE(areaW);
        std::vector<std::uint32_t> area(static_cast<std::size_t>(areaW) * 10);
        stretchToRgb32(layer, &overview, 0, 0, w - 1, w / areaW * 10 - 1, area.data(), areaW, areaW,
                       10, 0);
        int lines = 0;
        for (int i = 0; i < areaW; ++i) {
            const bool dark = (area[static_cast<std::size_t>(5 * areaW + i)] & 0xFF) < 0xF8;
            const bool before =
                i > 0 && (area[static_cast<std::size_t>(5 * areaW + i - 1)] & 0xFF) < 0xF8;
            lines += dark && !before;
        }
        EXPECT_EQ(lines, w / 40);
    }
}

// Each level pixel is the rounded average of the pixels its box covers, boxes cut by the edges
// included, over pictures with margins on every side.
TEST(Overview, LevelsAverageTheirBoxesUpToTheEdges) {
    const struct {
        int w, h, ox, oy;
        bool indexed;
    } cases[] = {{1031, 517, 0, 0, false},
                 {1030, 519, 3, 5, false},
                 {700, 1029, -2, 7, false},
                 {1030, 519, 3, 5, true}};
    const auto boxAverage = [](int x0, int y0, int side, int w, int h, auto&& at) {
        unsigned r = 0, g = 0, b = 0, n = 0;
        for (int y = y0; y < std::min(h, y0 + side); ++y)
            for (int x = x0; x < std::min(w, x0 + side); ++x, ++n) {
                const Pixel p = at(x, y);
                r += (p >> 10) & 31u, g += (p >> 5) & 31u, b += p & 31u;
            }
        return static_cast<Pixel>((r + n / 2) / n << 10 | (g + n / 2) / n << 5 | (b + n / 2) / n);
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " at " << c.ox << ", " << c.oy
                                        << (c.indexed ? ", palette indices" : ""));
        const Layer layer =
            Layer::over(pattern(1024, 512, c.indexed), c.w, c.h, c.ox, c.oy, 0x1234);
        Overview overview;
        overview.buildNow(layer);
        // Each level averages the one below it, the first the layer itself.
        std::function<Pixel(int, int)> below = [&](int u, int v) { return layer.pixel(u, v); };
        int w = c.w, h = c.h, k = 0;
        for (const auto& [factor, side] : {std::pair{4.0, 4}, std::pair{8.0, 2}}) {
            const Raster* level = overview.levelFor(factor, &k);
            ASSERT_TRUE(level);
            for (int y = 0; y < level->height(); ++y)
                for (int x = 0; x < level->width(); ++x)
                    ASSERT_EQ(level->pixel(x, y), boxAverage(side * x, side * y, side, w, h, below))
                        << factor << ": " << x << ", " << y;
            below = [level](int u, int v) { return level->pixel(u, v); };
            w = level->width(), h = level->height();
        }
    }
}

TEST(Overview, DrawingsReachTheOverviewAndANewPictureRebuildsIt) {
    auto grey = std::make_shared<Raster>(Raster::create(2048, 1024));
    grey->fill(rgb555(128, 128, 128));
    Layer layer = Layer::over(grey, 2048, 1024, 0, 0, 0);
    Overview overview;
    overview.buildNow(layer);
    for (int x = 0; x < 2048; ++x)
        layer.setPixel(x, 500, rgb555(255, 0, 0));
    overview.update(layer);
    int k = 0;
    const Raster* level = overview.levelFor(16, &k);
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(k, 4);
    EXPECT_GT(red8(level->pixel(10, 500 >> 4)), red8(level->pixel(10, 10)))
        << "the red line shows in the average";

    auto white = std::make_shared<Raster>(Raster::create(512, 512));
    white->fill(rgb555(255, 255, 255));
    layer = Layer::over(white, 512, 512, 0, 0, 0);
    overview.build(layer, {});
    overview.reset(); // a build dropped halfway leaves no level behind
    EXPECT_EQ(overview.levelFor(8, &k), nullptr);
    overview.buildNow(layer);
    EXPECT_EQ(overview.levelFor(8, &k)->pixel(3, 3), rgb555(255, 255, 255));
}

} // namespace
