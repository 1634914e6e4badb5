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
    m.covered = covered(truth, tracedF);
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
    std::string name;
    double width;
    bool jpeg;
    bool cluttered;
    double dash;
};

// Every width plain, through JPEG, among clutter or both; and dashed lines.
std::vector<Case> pictures() {
    std::vector<Case> all{{"w1_dashed", 1, false, false, 20},
                          {"w3_dashed", 3, false, false, 20},
                          {"w2_dashed_jpeg", 2, true, false, 20}};
    for (const bool cluttered : {false, true})
        for (const bool jpeg : {false, true})
            for (const int width : {1, 2, 3, 5}) {
                std::string name = std::to_string(width) + (cluttered ? "_clutter" : "");
                all.push_back(
                    {'w' + name + (jpeg ? "_jpeg" : ""), double(width), jpeg, cluttered, 0});
            }
    return all;
}

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

INSTANTIATE_TEST_SUITE_P(Pictures, FollowLine, ::testing::ValuesIn(pictures()),
                         [](const auto& info) { return info.param.name; });

TEST(FollowLineStops, AtAGapLongerThanTheGapLength) {
    picture::Raster r = sheet(200, 60);
    stroke(r, {{10, 30.4}, {90, 30.4}}, 2, kRed);
    stroke(r, {{102, 30.4}, {190, 30.4}}, 2, kRed); // 10 px apart at the ends' edges
    const picture::Layer layer = layerOf(std::move(r));
    for (const auto& [gap, farthest] : {std::pair{6, 90.0}, std::pair{12, 190.0}}) {
        SCOPED_TRACE(gap);
        const trace::Trace t = trace::followLine(layer, {50, 30}, {.colour = {}, .gap = gap});
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

// Straight on across a line of its own colour, round a closed loop, and round a loop once
// from its tail, where going straight on at the join enters the loop again: the whole line,
// taken once.
TEST(FollowLineStops, TakesTheWholeLineOnce) {
    const auto circle = [](PointF c, double radius, bool upright) {
        return sampled(
            [=](double a) {
                const double u = radius * std::cos(a), v = radius * std::sin(a);
                return upright ? PointF{c.x + v, c.y + u} : PointF{c.x + u, c.y + v};
            },
            0, 2 * M_PI);
    };
    std::vector<PointF> tailed{{20, 150.5}, {120.5, 150.5}};
    const auto loop = circle({120.5, 100.5}, 50, true);
    tailed.insert(tailed.end(), loop.begin(), loop.end());
    const struct {
        const char* name;
        std::vector<PointF> line, crossing;
        PixelPoint click;
        double covered;
    } rows[] = {
        {"across its own colour",
         {{20, 30.5}, {180, 170.5}},
         {{20, 150.2}, {180, 60.2}},
         {40, 48},
         0.98},
        {"closed loop", circle({100.3, 100.6}, 60, false), {}, {160, 101}, 0.98},
        {"loop from its tail", tailed, {}, {40, 150}, 0.9},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        picture::Raster r = sheet(240, 200);
        stroke(r, row.line, 2, kRed);
        if (!row.crossing.empty()) stroke(r, row.crossing, 2, kRed);
        const trace::Trace t = trace::followLine(layerOf(std::move(r)), row.click);
        ASSERT_EQ(t.result, trace::TraceResult::Followed);
        const Measure m = measure(row.line, trace::resample(t.centreline, 1));
        EXPECT_LE(m.worst, 1.5);
        EXPECT_GE(m.covered, row.covered);
        EXPECT_LT(arcLength(t.centreline), 1.1 * arcLength(row.line));
    }
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
