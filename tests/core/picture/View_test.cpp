#include "picture/View.h"

#include <gtest/gtest.h>

using namespace tracelle::picture;

namespace {

TEST(View, ZoomStepsByTheirRatioAndStopsAtItsLimits) {
    const ViewRect hundred{0, 0, 99, 99};
    const ZoomAnchor middle = anchorUnder(50, 50, hundred, 100, 100, 1000, 1000);
    const ViewChange in = zoomIn(hundred, middle, 100, 100);
    EXPECT_FALSE(in.beep);
    EXPECT_EQ(in.view.width(), 95);
    EXPECT_EQ(zoomOut(in.view, middle, 100, 100).view.width(), 99);

    const ViewRect tiny{10, 10, 13, 13};
    const ViewChange refused = zoomIn(tiny, anchorUnder(1, 1, tiny, 4, 4, 100, 100), 4, 4);
    EXPECT_TRUE(refused.beep) << "4 pixels wide cannot shrink";
    EXPECT_EQ(refused.view, tiny);
    const ViewRect wide{0, 0, 19999, 999};
    EXPECT_TRUE(zoomOut(wide, anchorUnder(0, 0, wide, 2000, 100, 20000, 1000), 2000, 100).beep)
        << "no view wider than 20000 pixels";
}

// Deep zooms in and out with the mouse still, wherever it is over a window of another shape
// than the view's: the point first under the mouse stays under it to within a pixel.
TEST(View, ZoomStepsKeepThePointUnderTheMouse) {
    const int wa = 1000, ha = 600, W = 4000, H = 3000;
    for (const auto& [sx, sy] : {std::pair{3, 300}, {250, 17}, {500, 599}, {777, 444}, {996, 5}}) {
        SCOPED_TRACE(testing::Message() << sx << ", " << sy);
        ViewRect v{1000, 1000, 2999, 2999};
        const ZoomAnchor a = anchorUnder(sx, sy, v, wa, ha, W, H);
        for (int step = 0; step < 120; ++step) {
            const ViewChange c = step < 80 ? zoomIn(v, a, wa, ha) : zoomOut(v, a, wa, ha);
            if (c.beep) break;
            v = c.view;
            const ViewRect s = squarePixels(v, wa, ha);
            ASSERT_NEAR(s.x1 + (sx + 0.5) * s.width() / wa, a.x, 0.5) << "step " << step;
            ASSERT_NEAR(s.y1 + (sy + 0.5) * s.height() / ha, a.y, 0.5) << "step " << step;
        }
    }
}

TEST(View, PanningStopsAtTheEdgesWithABeep) {
    const int W = 1000, H = 800;
    ViewRect v{0, 0, 199, 99};
    const ViewChange right = pan(v, W, H, Move::Right);
    EXPECT_FALSE(right.beep);
    EXPECT_EQ(right.view.x1, 9); // a twentieth of x2 − x1
    EXPECT_EQ(right.view.width(), 200);
    const ViewChange left = pan(v, W, H, Move::Left);
    EXPECT_TRUE(left.beep);
    EXPECT_EQ(left.view.x1, 0);
    const ViewChange end = pan(v, W, H, Move::End);
    EXPECT_EQ(end.view, (ViewRect{800, 700, 999, 799}));
    const ViewChange atEdge = pan(end.view, W, H, Move::Right);
    EXPECT_TRUE(atEdge.beep);
    EXPECT_EQ(atEdge.view, end.view);
    EXPECT_EQ(pan(end.view, W, H, Move::Home).view, v);
    EXPECT_EQ(pan({0, 0, 9, 9}, W, H, Move::Down).view.y1, 1) << "the step is at least one pixel";
}

TEST(View, ScreenPositionsMapToLayerPixels) {
    int bx = -1, by = -1;
    repere_image_bitmap(0, 0, {100, 200, 199, 299}, 400, 400, bx, by);
    EXPECT_EQ(bx, 100);
    EXPECT_EQ(by, 200);
    // Four screen pixels a layer pixel: screen pixels 4 to 7 all show layer pixel 1.
    for (const int s : {4, 5, 6, 7}) {
        repere_image_bitmap(s, s + 8, {0, 0, 99, 99}, 400, 400, bx, by);
        EXPECT_EQ(bx, 1) << s;
        EXPECT_EQ(by, 3) << s;
    }
    // Reduced five times: the pixel under the screen pixel's centre.
    repere_image_bitmap(399, 199, {0, 0, 1999, 999}, 400, 200, bx, by);
    EXPECT_EQ(bx, 1997);
    EXPECT_EQ(by, 997);
    repere_image_bitmap(0, 0, {-30, -20, 69, 79}, 100, 100, bx, by);
    EXPECT_EQ(bx, -30) << "left of the layer";
    EXPECT_EQ(by, -20);
}

TEST(View, TheShownRectangleKeepsScreenPixelsSquare) {
    struct Case {
        ViewRect view;
        int wa, ha;
        ViewRect shown;
    };
    const Case cases[] = {
        {{0, 0, 1999, 1499}, 1600, 1200, {0, 0, 1999, 1499}},         // same proportions: as it is
        {{0, 0, 1999, 1499}, 1600, 600, {-1000, 0, 2999, 1499}},      // wide window: side margins
        {{0, 0, 1999, 1499}, 800, 1200, {0, -750, 1999, 2249}},       // tall window: top and bottom
        {{100, 50, 104, 54}, 333, 111, {95, 50, 109, 54}},            // deep zoom
        {{0, 0, 19999, 9999}, 3840, 100, {-182000, 0, 201999, 9999}}, // no overflow
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.wa << " x " << c.ha);
        const ViewRect s = squarePixels(c.view, c.wa, c.ha);
        EXPECT_EQ(s, c.shown);
        EXPECT_NEAR(static_cast<double>(s.width()) / c.wa, static_cast<double>(s.height()) / c.ha,
                    1.0 / c.ha)
            << "one layer pixel covers as many screen pixels across as down";
    }
}

} // namespace
