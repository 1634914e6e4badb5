#include "Drawing.h"
#include "Lettering.h"

#include <gtest/gtest.h>

using namespace tracelle;
using namespace tracelle::testing;
using trace::PixelPoint;

namespace {

constexpr Rgb kRed{200, 30, 30};
constexpr Rgb kBlue{20, 60, 220};
constexpr Rgb kBlack{0, 0, 0};
constexpr int kW = 420, kH = 320;

// A contour-like curve with slopes up to about 50°, at fractional positions.
PointF curve(double x) {
    return {x, 160.3 + 70 * std::sin(x / 45.0) + 0.15 * x};
}

struct Measure {
    double worst = 0, mean = 0, covered = 0;
};

// Traced points against the true centreline; the share of the true line within 1.5 px of the
// trace.
Measure measure(const std::vector<PointF>& truth, const std::vector<PixelPoint>& traced) {
    Measure m;
    const std::vector<PointF> tracedF = floats(traced);
    for (const PointF& p : tracedF) {
        const double d = distanceTo(truth, p);
        m.worst = std::max(m.worst, d);
        m.mean += d / double(traced.size());
    }
    const auto dense = sampled(
        [&](double s) {
            const std::size_t i = std::min(truth.size() - 2, std::size_t(s));
            const double t = s - double(i);
            return PointF{truth[i].x + t * (truth[i + 1].x - truth[i].x),
                          truth[i].y + t * (truth[i + 1].y - truth[i].y)};
        },
        0, double(truth.size() - 1), 4000);
    int near = 0;
    for (const PointF& p : dense)
        near += tracedF.size() > 1 && distanceTo(tracedF, p) <= 1.5;
    m.covered = double(near) / double(dense.size());
    return m;
}

// A black grid every 50 px, black labels across the curve (letters of a font, and strokes
// shaped as letters where the curve is level), and a blue curve crossing it.
void clutter(picture::Raster& r) {
    for (int x = 0; x < kW; x += 50)
        stroke(r, {{double(x), 0}, {double(x), double(kH - 1)}}, 1, kBlack);
    for (int y = 0; y < kH; y += 50)
        stroke(r, {{0, double(y)}, {double(kW - 1), double(y)}}, 1, kBlack);
    for (double x : {70.0, 225.0}) {
        const PointF c = curve(x);
        for (int k = 0; k < 3; ++k) { // three letters N of 8 × 12 px
            const double lx = c.x - 14 + 10 * k, ty = c.y - 6;
            stroke(r, {{lx, ty + 12}, {lx, ty}, {lx + 8, ty + 12}, {lx + 8, ty}}, 1.5, kBlack);
        }
    }
    letter(r, "Le Moulin", curve(150), 14, kBlack);
    letter(r, "Bois", curve(300), 14, kBlack);
    stroke(r,
           sampled(
               [](double t) {
                   return PointF{100 + 220 * t, 10 + 300 * t};
               },
               0, 1),
           3, kBlue);
}

struct Case {
    const char* name;
    double width;
    bool jpeg;
    bool cluttered;
    double dash;
};

class FollowLine : public ::testing::TestWithParam<Case> {};

TEST_P(FollowLine, TracesTheCentrelineFromEndToEnd) {
    const Case c = GetParam();
    const auto truth = sampled(curve, 30, 390, 1500);
    picture::Raster r = sheet(kW, kH);
    stroke(r, truth, c.width, kRed, c.dash, c.dash > 0 ? 6 : 0);
    if (c.cluttered) clutter(r);
    if (c.jpeg) r = throughJpeg(r);
    const picture::Layer layer = layerOf(std::move(r));
    const PointF click = curve(c.dash > 0 ? 32 : 160);
    const trace::Trace t =
        trace::followLine(layer, {int(std::lround(click.x)), int(std::lround(click.y))});
    ASSERT_EQ(t.result, trace::TraceResult::Followed);
    for (const auto& [name, points] : {std::pair{"every pixel", trace::resample(t.centreline, 1)},
                                       std::pair{"spacing 10", trace::resample(t.centreline)}}) {
        SCOPED_TRACE(name);
        const Measure m = measure(truth, points);
        EXPECT_LE(m.worst, 1.5);
        EXPECT_LE(m.mean, 0.6);
        if (std::string(name) == "every pixel") {
            EXPECT_GE(m.covered, 0.98);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, FollowLine,
    ::testing::Values(
        Case{"w1", 1, false, false, 0}, Case{"w2", 2, false, false, 0},
        Case{"w3", 3, false, false, 0}, Case{"w5", 5, false, false, 0},
        Case{"w1_jpeg", 1, true, false, 0}, Case{"w2_jpeg", 2, true, false, 0},
        Case{"w3_jpeg", 3, true, false, 0}, Case{"w5_jpeg", 5, true, false, 0},
        Case{"w1_clutter", 1, false, true, 0}, Case{"w2_clutter", 2, false, true, 0},
        Case{"w3_clutter", 3, false, true, 0}, Case{"w5_clutter", 5, false, true, 0},
        Case{"w1_clutter_jpeg", 1, true, true, 0}, Case{"w2_clutter_jpeg", 2, true, true, 0},
        Case{"w3_clutter_jpeg", 3, true, true, 0}, Case{"w5_clutter_jpeg", 5, true, true, 0},
        Case{"w1_dashed", 1, false, false, 20}, Case{"w3_dashed", 3, false, false, 20},
        Case{"w2_dashed_jpeg", 2, true, false, 20}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FollowLineStops, AtAGapLongerThanTheGapLength) {
    picture::Raster r = sheet(200, 60);
    stroke(r, {{10, 30.4}, {90, 30.4}}, 2, kRed);
    stroke(r, {{102, 30.4}, {190, 30.4}}, 2, kRed); // 10 px apart at the ends' edges
    const picture::Layer layer = layerOf(std::move(r));
    for (const auto& [gap, farthest] : {std::pair{6, 90.0}, std::pair{12, 190.0}}) {
        SCOPED_TRACE(gap);
        trace::FollowSettings s;
        s.gap = gap;
        const trace::Trace t = trace::followLine(layer, {50, 30}, s);
        ASSERT_EQ(t.result, trace::TraceResult::Followed);
        const double right = std::max(t.centreline.front().x, t.centreline.back().x);
        EXPECT_NEAR(right, farthest, 1.5);
    }
}

TEST(FollowLineStops, AtThePictureEdgeWithoutLosingTheLastPixels) {
    picture::Raster r = sheet(200, 60);
    stroke(r, {{-20, 30.4}, {120, 30.4}}, 3, kRed);
    const picture::Layer layer = layerOf(std::move(r));
    const trace::Trace t = trace::followLine(layer, {60, 30});
    ASSERT_EQ(t.result, trace::TraceResult::Followed);
    const auto [left, right] = std::minmax(t.centreline.front().x, t.centreline.back().x);
    EXPECT_LE(left, 0.5);
    EXPECT_NEAR(right, 120, 1.5); // the round cap's half width taken off
}

TEST(FollowLineStops, GoesStraightOnAcrossALineOfItsOwnColour) {
    picture::Raster r = sheet(200, 200);
    const std::vector<PointF> own{{20, 30.5}, {180, 170.5}};
    stroke(r, own, 2, kRed);
    stroke(r, {{20, 150.2}, {180, 60.2}}, 2, kRed);
    const picture::Layer layer = layerOf(std::move(r));
    const trace::Trace t = trace::followLine(layer, {40, 48});
    ASSERT_EQ(t.result, trace::TraceResult::Followed);
    const Measure m = measure(own, trace::resample(t.centreline, 1));
    EXPECT_LE(m.worst, 1.5);
    EXPECT_GE(m.covered, 0.98);
}

TEST(FollowLineStops, ClosesAroundALoop) {
    picture::Raster r = sheet(200, 200);
    const auto circle = sampled(
        [](double a) {
            return PointF{100.3 + 60 * std::cos(a), 100.6 + 60 * std::sin(a)};
        },
        0, 2 * M_PI);
    stroke(r, circle, 2, kBlue);
    const picture::Layer layer = layerOf(std::move(r));
    const trace::Trace t = trace::followLine(layer, {160, 101});
    ASSERT_EQ(t.result, trace::TraceResult::Followed);
    const Measure m = measure(circle, trace::resample(t.centreline, 1));
    EXPECT_LE(m.worst, 1.5);
    EXPECT_GE(m.covered, 0.98);
    EXPECT_LT(arcLength(t.centreline), 1.1 * arcLength(circle));
}

TEST(FollowLineStops, GoesRoundALoopOnceFromItsTail) {
    picture::Raster r = sheet(240, 200);
    // A loop whose tail leaves it where it closes: going straight on at the join enters the
    // loop again.
    std::vector<PointF> shape{{20, 150.5}, {120.5, 150.5}};
    const auto loop = sampled(
        [](double a) {
            return PointF{120.5 + 50 * std::sin(a), 100.5 + 50 * std::cos(a)};
        },
        0, 2 * M_PI);
    shape.insert(shape.end(), loop.begin(), loop.end());
    stroke(r, shape, 2, kRed);
    const picture::Layer layer = layerOf(std::move(r));
    const trace::Trace t = trace::followLine(layer, {40, 150});
    ASSERT_EQ(t.result, trace::TraceResult::Followed);
    EXPECT_LT(arcLength(t.centreline), 1.1 * arcLength(shape));
    EXPECT_GE(measure(shape, trace::resample(t.centreline, 1)).covered, 0.9);
}

TEST(FollowLineStops, OnTheBackgroundOrAnAbsentColourWithAReason) {
    picture::Raster r = sheet(100, 100);
    stroke(r, {{10, 50}, {90, 50}}, 2, kRed);
    const picture::Layer layer = layerOf(std::move(r));
    EXPECT_EQ(trace::followLine(layer, {50, 20}).result, trace::TraceResult::Background);
    trace::FollowSettings blue;
    blue.colour = kBlue;
    EXPECT_EQ(trace::followLine(layer, {50, 50}, blue).result, trace::TraceResult::NoColour);
    EXPECT_FALSE(trace::message(trace::TraceResult::Background).empty());
    blue.colour = kRed;
    EXPECT_EQ(trace::followLine(layer, {50, 51}, blue).result, trace::TraceResult::Followed);
}

} // namespace
