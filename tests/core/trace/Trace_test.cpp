#include "Drawing.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "picture/Overview.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

using namespace tracelle;
using namespace tracelle::testing;
using trace::PixelPoint;

namespace {

constexpr Rgb kRed{200, 30, 30};
constexpr Rgb kGreen{20, 150, 40};
constexpr Rgb kWhite{255, 255, 255};

TEST(Polyline, ResamplesAlongTheLengthKeepingBothEnds) {
    const std::vector<PointF> line{{0, 0}, {25, 0}, {25, 12}};
    EXPECT_EQ(trace::resample(line, 10),
              (std::vector<PixelPoint>{{0, 0}, {10, 0}, {20, 0}, {25, 5}, {25, 12}}));
    EXPECT_EQ(trace::resample({{3.4, 4.6}}, 10), (std::vector<PixelPoint>{{3, 5}}));
}

TEST(Polyline, SimplifiesToTheFewestPointsWithinTheTolerance) {
    const auto wave = sampled(
        [](double x) {
            return PointF{x, 3 * std::sin(x / 10)};
        },
        0, 100, 400);
    for (double tolerance : {0.5, 1.0, 2.0}) {
        SCOPED_TRACE(tolerance);
        const auto kept = trace::simplify(wave, tolerance);
        std::vector<PointF> keptF;
        for (const PixelPoint& p : kept)
            keptF.push_back({double(p.x), double(p.y)});
        for (const PointF& p : wave) // the rounding to whole pixels adds at most 0.71
            EXPECT_LE(distanceTo(keptF, p), tolerance + 0.71);
        EXPECT_LT(kept.size(), 40u);
    }
    const std::vector<PointF> straight{{0, 0}, {5, 0.2}, {10, 0}};
    EXPECT_EQ(trace::simplify(straight, 1), (std::vector<PixelPoint>{{0, 0}, {10, 0}}));
}

TEST(Snap, MovesAClickNearALineToItsCentreAcrossIt) {
    picture::Raster r = sheet(200, 200);
    const std::vector<PointF> upright{{100.5, 0}, {100.5, 199}};
    const std::vector<PointF> slanted{{0, 20}, {179, 199}};
    stroke(r, upright, 3, kRed);
    stroke(r, slanted, 2, kGreen);
    const picture::Layer layer = layerOf(std::move(r));
    struct Row {
        const char* name;
        PixelPoint click;
        const std::vector<PointF>* line; // none: no snap
        Rgb colour;
    };
    const Row rows[] = {
        {"on the centre", {100, 60}, &upright, kRed}, {"4 px left", {97, 80}, &upright, kRed},
        {"5 px right", {105, 70}, &upright, kRed},    {"too far", {108, 70}, nullptr, kRed},
        {"slanted line", {33, 51}, &slanted, kGreen}, {"on the paper", {150, 40}, nullptr, kRed},
    };
    for (const bool chosen : {true, false}) // the colour chosen, or the one near the click
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.name) + (chosen ? ", colour chosen" : ""));
            const auto snapped =
                chosen ? trace::snapToLine(layer, row.click, trace::LineColour(row.colour, kWhite))
                       : trace::snapToLine(layer, row.click);
            ASSERT_EQ(snapped.has_value(), row.line != nullptr);
            if (!snapped) continue;
            const PointF s{double(snapped->x), double(snapped->y)};
            EXPECT_LE(distanceTo(*row.line, s), 0.75); // the centre, to a whole pixel
            // Across the line from the click: near where the perpendicular from it meets the
            // line (whole pixels on a slanted line: within one diagonal).
            const PointF a = row.line->front(), b = row.line->back();
            const double l = std::hypot(b.x - a.x, b.y - a.y);
            const double along =
                ((row.click.x - a.x) * (b.x - a.x) + (row.click.y - a.y) * (b.y - a.y)) / l;
            const PointF foot{a.x + along * (b.x - a.x) / l, a.y + along * (b.y - a.y) / l};
            EXPECT_LE(std::hypot(s.x - foot.x, s.y - foot.y), std::sqrt(2.0));
        }
}

// A level line of any width, anti-aliased at any height or with hard edges, clicked from above
// or below up to the snapping distance off its edge: the click lands on the centre, straight
// across.
TEST(Snap, LandsOnTheCentreOfALevelLineFromEitherSide) {
    for (int width = 1; width <= 5; ++width)
        for (const double centre : {50.0, 50.25, 50.5, 50.75, -1.0}) { // -1: hard edges at 50
            picture::Raster r = sheet(200, 100);
            const double middle = centre < 0 ? 50 + (width - 1) / 2.0 : centre;
            if (centre < 0)
                for (int y = 50; y < 50 + width; ++y)
                    for (int x = 10; x <= 190; ++x)
                        r.row(y)[x] = picture::rgb555(kRed.r, kRed.g, kRed.b);
            else
                stroke(r, {{10, centre}, {190, centre}}, width, kRed);
            const picture::Layer layer = layerOf(std::move(r));
            for (const int side : {-1, 1})
                for (int off = 1; off <= trace::kSnapRadius; ++off)
                    for (const bool chosen : {true, false}) {
                        const int y = static_cast<int>(
                            std::lround(middle + side * ((width - 1) / 2.0 + off)));
                        SCOPED_TRACE(::testing::Message()
                                     << "width " << width << ", centre " << middle
                                     << ", click at y " << y << (chosen ? ", colour chosen" : ""));
                        const PixelPoint click{100, y};
                        const auto snapped =
                            chosen
                                ? trace::snapToLine(layer, click, trace::LineColour(kRed, kWhite))
                                : trace::snapToLine(layer, click);
                        ASSERT_TRUE(snapped.has_value());
                        EXPECT_EQ(snapped->x, 100);
                        EXPECT_LE(std::abs(snapped->y - middle), 0.5);
                    }
        }
}

double f(double x) {
    return 120 + 60 * std::sin(x / 30.0);
}

TEST(XStep, TakesOnePointPerStepOnTheCurve) {
    picture::Raster r = sheet(300, 240);
    stroke(r, sampled([](double x) { return PointF{x, f(x)}; }, 0, 299), 2, kRed);
    stroke(r, sampled([](double x) { return PointF{x, f(x) + 40}; }, 0, 299), 2, kGreen);
    for (int y = 0; y < 240; ++y) // columns 100 to 139 without the curve
        for (int x = 100; x < 140; ++x)
            r.row(y)[x] = picture::rgb555(255, 255, 255);
    const picture::Layer layer = layerOf(std::move(r));
    // Whole pixels on a steep curve: measured across the curve rather than upright.
    const auto curveF = sampled([](double x) { return PointF{x, f(x)}; }, 0, 299);
    for (int step : {1, 5, 12}) {
        SCOPED_TRACE(step);
        const auto points =
            trace::curveByXStep(layer, {280, 0, 20, 239}, trace::LineColour(kRed, kWhite), step);
        EXPECT_NEAR(double(points.size()), 221.0 / step, 2);
        for (const PixelPoint& p : points) {
            EXPECT_TRUE(p.x >= 20 && p.x <= 280 && (p.x < 100 || p.x >= 140)) << p.x;
            EXPECT_LE(distanceTo(curveF, {double(p.x), double(p.y)}), 1.0) << p.x << ',' << p.y;
        }
    }
    EXPECT_TRUE(
        trace::curveByXStep(layer, {0, 0, 299, 239}, trace::LineColour({20, 20, 230}, kWhite))
            .empty());
}

TEST(XStep, KeepsToTheRunNearestThePreviousPoint) {
    picture::Raster r = sheet(300, 200);
    // Two curves of one colour that come within 30 px: the points stay on the heavier, first one.
    stroke(r, sampled([](double x) { return PointF{x, 40 + 0.3 * x}; }, 0, 299), 3, kRed);
    stroke(r, sampled([](double x) { return PointF{x, 160 - 0.3 * x}; }, 0, 150), 1, kRed);
    const picture::Layer layer = layerOf(std::move(r));
    const auto points =
        trace::curveByXStep(layer, {0, 0, 299, 199}, trace::LineColour(kRed, kWhite), 5);
    for (const PixelPoint& p : points)
        EXPECT_LE(std::abs(p.y - (40 + 0.3 * p.x)), 1.0) << p.x << ',' << p.y;
}

TEST(DominantColours, AreTheMostFrequentBesideTheBackground) {
    picture::Raster r = sheet(400, 400, {250, 245, 230});
    const auto block = [&r](int y0, int y1, Rgb c) {
        for (int y = y0; y < y1; ++y)
            for (int x = 0; x < 400; ++x)
                r.row(y)[x] = picture::rgb555(c.r, c.g, c.b);
    };
    block(0, 60, {0, 0, 200});        // blue, the most
    block(100, 140, kRed);            // red
    block(200, 220, kGreen);          // green, the least
    block(300, 304, {248, 243, 232}); // a shade of the paper
    picture::Layer layer = layerOf(std::move(r));
    picture::Overview overview;
    overview.buildNow(layer);
    const trace::Palette palette = trace::dominantColours(overview);
    EXPECT_LE(trace::deltaE(palette.background, {250, 245, 230}), 3);
    ASSERT_EQ(palette.colours.size(), 3u);
    const Rgb expected[] = {{0, 0, 200}, kRed, kGreen};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_LE(trace::deltaE(palette.colours[std::size_t(i)], expected[i]),
                  6); // 5 bits a channel
    }
}

TEST(AppendTrace, StartsANewLineUnlessTheCurrentOneIsEmpty) {
    ScriptedInteraction ui;
    model::Project project;
    ui.answerColour(std::nullopt); // the new line's colour, as the second trace asks
    trace::appendTrace(project, {{10, 20}, {30, 40}});
    EXPECT_EQ(project.N(), 2);
    EXPECT_EQ(project.history().undoName(), "le tracé");
    trace::appendTrace(project, {{50, 60}});
    EXPECT_EQ(project.N(), 3);
    const int L = project.indice_col("L"), x = project.indice_col("x");
    EXPECT_EQ(model::val_entier(project.points().cell(1, L)), 1);
    EXPECT_EQ(model::val_entier(project.points().cell(3, L)), 2);
    EXPECT_EQ(model::val_entier(project.points().cell(3, x)), 50);
    project.history().undo();
    EXPECT_EQ(project.N(), 2);
}

} // namespace
