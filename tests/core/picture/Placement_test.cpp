#include "picture/Placement.h"
#include "picture/Stretch.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

using namespace tracelle::picture;

namespace {

TEST(Placement, ProportionsOfTheWindowCentreThePicture) {
    const struct {
        int w, h;
        bool keep;
        int cw, ch;
        Placement expected;
    } cases[] = {
        {1000, 500, true, 1200, 800, {1000, 666, 0, 83}},
        {1000, 500, false, 1200, 800, {1000, 500, 0, 0}},
        {500, 1000, true, 1200, 800, {1500, 1000, 500, 0}},
        {1200, 800, true, 1200, 800, {1200, 800, 0, 0}}, // same proportions: no margin
        {3, 1000, true, 1000, 999, {1001, 1000, 499, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        const Placement p = placePicture(c.w, c.h, c.keep, c.cw, c.ch);
        const Placement& e = c.expected;
        EXPECT_EQ(std::tie(p.canvasWidth, p.canvasHeight, p.ox, p.oy),
                  std::tie(e.canvasWidth, e.canvasHeight, e.ox, e.oy));
    }
}

TEST(Placement, SizeTexts) {
    EXPECT_EQ(sizeText(1000, 500), "1000 x 500");
    EXPECT_EQ(LxHxC(1000, 666, 15), "1000x666x15=1219 ");
    EXPECT_EQ(LxHxC(20000, 15000, 15), "20000x15000x15=549316 ") << "no overflow on big canvases";
}

TEST(Stretch, NearestPixelsOfTheViewAndGreyOutside) {
    Raster r = Raster::create(4, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            r.row(y)[x] = static_cast<Pixel>(x + 4 * y);
    const Layer layer = Layer::over(std::make_shared<Raster>(std::move(r)), 4, 2, 0, 0, 0);
    std::vector<std::uint32_t> out(8 * 4);
    const std::uint32_t grey = 0xFF646464;
    stretchToRgb32(layer, nullptr, 0, 0, 3, 1, out.data(), 8, 8, 4, grey); // twice the size
    EXPECT_EQ(out[0], toRgb32(0));
    EXPECT_EQ(out[1], toRgb32(0));
    EXPECT_EQ(out[2], toRgb32(1));
    EXPECT_EQ(out[7 + 3 * 8], toRgb32(7));
    stretchToRgb32(layer, nullptr, -2, 0, 1, 1, out.data(), 8, 4, 2,
                   grey); // view reaching left of the picture
    EXPECT_EQ(out[0], grey);
    EXPECT_EQ(out[1], grey);
    EXPECT_EQ(out[2], toRgb32(0));
    EXPECT_EQ(toRgb32(rgb555(255, 255, 255)), 0xFFFFFFFFu);
}

} // namespace
