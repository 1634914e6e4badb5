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
        const std::vector<PointF> keptF = floats(kept);
        for (const PointF& p : wave) // the rounding to whole pixels adds at most 0.71
            EXPECT_LE(distanceTo(keptF, p), tolerance + 0.71);
        EXPECT_LT(kept.size(), 40u);
    }
    const std::vector<PointF> straight{{0, 0}, {5, 0.2}, {10, 0}};
    EXPECT_EQ(trace::simplify(straight, 1), (std::vector<PixelPoint>{{0, 0}, {10, 0}}));
    // A hairpin lies on the line through its ends: its tip is far from the chord all the same.
    const std::vector<PointF> hairpin{{0, 0}, {5, 0}, {10, 0}, {7, 0.1}, {4, 0}};
    EXPECT_EQ(trace::simplify(hairpin, 1), (std::vector<PixelPoint>{{0, 0}, {10, 0}, {4, 0}}));
}

// The colour chosen, or the one near the click.
std::optional<PixelPoint> snap(const picture::Layer& layer, PixelPoint click, bool chosen,
                               Rgb colour) {
    return chosen ? trace::snapToLine(layer, click, trace::LineColour(colour, kWhite))
                  : trace::snapToLine(layer, click);
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
    for (const bool chosen : {true, false})
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.name) + (chosen ? ", colour chosen" : ""));
            const auto snapped = snap(layer, row.click, chosen, row.colour);
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
                        const auto snapped = snap(layer, {100, y}, chosen, kRed);
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
    // Whole pixels on a steep curve: measured across the curve rather than upright.
    const auto curveF = sampled([](double x) { return PointF{x, f(x)}; }, 0, 299);
    stroke(r, curveF, 2, kRed);
    stroke(r, sampled([](double x) { return PointF{x, f(x) + 40}; }, 0, 299), 2, kGreen);
    for (int y = 0; y < 240; ++y) // columns 100 to 139 without the curve
        for (int x = 100; x < 140; ++x)
            r.row(y)[x] = picture::rgb555(255, 255, 255);
    const picture::Layer layer = layerOf(std::move(r));
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
    // In a canvas taller than the picture, as the window lays a wide sheet out: the margins'
    // colour is the program's, no line of the picture.
    picture::Layer layer =
        picture::Layer::over(std::make_shared<const picture::Raster>(std::move(r)), 400, 480, 0, 40,
                             picture::rgb555(0, 128, 128));
    picture::Overview overview;
    overview.buildNow(layer);
    const trace::Palette palette = trace::dominantColours(overview, {0, 40, 399, 439});
    EXPECT_LE(trace::deltaE(palette.background, {250, 245, 230}), 3);
    ASSERT_EQ(palette.colours.size(), 3u);
    const Rgb expected[] = {{0, 0, 200}, kRed, kGreen};
    for (std::size_t i = 0; i < 3; ++i) // within 5 bits a channel
        EXPECT_LE(trace::deltaE(palette.colours[i], expected[i]), 6) << i;
}

// A graph drawn as a scan shows it: black axes, a blue and a red curve, anti-aliased.
constexpr Rgb kBlue{20, 60, 220};
constexpr Rgb kBlack{0, 0, 0};

std::vector<PointF> blueCurve(double x0, double x1) {
    return sampled([](double x) { return PointF{x, 300 + 150 * std::sin(x / 60)}; }, x0, x1);
}
std::vector<PointF> redCurve(double x0, double x1) {
    return sampled([](double x) { return PointF{x, 200 + 0.4 * x}; }, x0, x1);
}

picture::Raster graph(double width) {
    picture::Raster r = sheet(800, 600);
    stroke(r, {{60, 20}, {60, 560}}, 2, kBlack);
    stroke(r, {{60, 560}, {780, 560}}, 2, kBlack);
    stroke(r, blueCurve(70, 770), width, kBlue);
    stroke(r, redCurve(70, 770), width, kRed);
    return r;
}

// Each line gives one swatch, of its own colour, however many shades its edges and the
// overview's averages spread it over.
TEST(DominantColours, GiveOneSwatchALineInItsOwnColour) {
    const Rgb lines[] = {kBlack, kBlue, kRed};
    const auto oneEach = [&](const std::vector<Rgb>& colours, double within) {
        ASSERT_EQ(colours.size(), 3u);
        for (const Rgb& line : lines)
            EXPECT_EQ(std::count_if(colours.begin(), colours.end(),
                                    [&](Rgb c) { return trace::deltaE(c, line) <= within; }),
                      1)
                << int(line.r) << ',' << int(line.g) << ',' << int(line.b);
    };
    for (double width : {1.0, 2.0, 3.0}) {
        SCOPED_TRACE(width);
        picture::Raster r = graph(width);
        const trace::Palette whole = trace::dominantColours(r);
        {
            SCOPED_TRACE("every pixel");
            oneEach(whole.colours, 25);
        }
        picture::Layer layer = layerOf(std::move(r));
        const trace::Palette swatches = swatchesOf(layer);
        ASSERT_EQ(swatches.colours.size(), 3u);
        // A swatch of the overview, paler than the line where it is thin, finds the line.
        std::vector<Rgb> found;
        for (const Rgb& swatch : swatches.colours)
            if (const auto line = trace::lineOfShade(whole, swatch)) found.push_back(*line);
        SCOPED_TRACE("overview");
        oneEach(found, 25);
    }
}

TEST(DominantColours, InABoxAreThoseOfTheCurvesInIt) {
    const picture::Layer layer = layerOf(graph(2));
    // Between the axes: the blue curve, longer than the red one, first.
    const trace::Palette inBox = trace::dominantColours(layer, {640, 555, 100, 140});
    ASSERT_EQ(inBox.colours.size(), 2u);
    EXPECT_LE(trace::deltaE(inBox.colours[0], kBlue), 25);
    EXPECT_LE(trace::deltaE(inBox.colours[1], kRed), 25);
    EXPECT_LE(trace::deltaE(inBox.background, kWhite), 3);
    EXPECT_TRUE(trace::dominantColours(layer, {300, 500, 400, 550}).colours.empty());
}

// The window's X step: the colour a swatch of the overview, or none, and the curve of the
// blue or the red line within 1 px of its points.
TEST(CurveInBox, FindsTheCurvesColourInTheBox) {
    for (double width : {1.0, 2.0, 3.0}) {
        SCOPED_TRACE(width);
        picture::Layer layer = layerOf(graph(width));
        const trace::Palette swatches = swatchesOf(layer);
        const auto swatchOf = [&](Rgb line) -> std::optional<Rgb> {
            for (const Rgb& s : swatches.colours)
                if (trace::lineOfShade({kWhite, {line}}, s)) return s;
            ADD_FAILURE() << "no swatch for the line";
            return std::nullopt;
        };
        // Beyond the ends drawn too: the round ends of a stroke are its curve's.
        const auto blue = blueCurve(0, 800), red = redCurve(0, 800);
        struct Row {
            const char* name;
            trace::Box box;
            std::optional<Rgb> colour;
            trace::TraceResult result;
            const std::vector<PointF>* curve;
        };
        const trace::Box between{640, 555, 100, 140};
        const Row rows[] = {
            {"no colour: the longest curve", between, {}, trace::TraceResult::Followed, &blue},
            {"the red swatch", between, swatchOf(kRed), trace::TraceResult::Followed, &red},
            {"over the axes, the blue swatch",
             {40, 570, 700, 100},
             swatchOf(kBlue),
             trace::TraceResult::Followed,
             &blue},
            {"a colour absent", between, Rgb{20, 150, 40}, trace::TraceResult::NoColour, nullptr},
            {"the paper", {300, 500, 400, 550}, {}, trace::TraceResult::Background, nullptr},
        };
        for (const Row& row : rows) {
            SCOPED_TRACE(row.name);
            const trace::BoxCurve c = trace::curveInBox(layer, row.box, row.colour);
            ASSERT_EQ(c.result, row.result);
            EXPECT_EQ(c.points.empty(), row.curve == nullptr);
            if (row.curve) {
                EXPECT_GE(c.points.size(), 500u / trace::kDefaultXStep);
            }
            for (const PixelPoint& p : c.points)
                EXPECT_LE(distanceTo(*row.curve, {double(p.x), double(p.y)}), 1.0)
                    << p.x << ',' << p.y;
        }
    }
    EXPECT_EQ(trace::boxMessage(trace::TraceResult::NoColour),
              "La couleur choisie n'est pas dans le cadre");
}

// A swatch of the overview, paler than a thin line, still follows the whole line from a click.
TEST(LineColourNear, LetsASwatchFollowTheWholeLine) {
    for (double width : {1.0, 1.5, 2.0, 3.0}) {
        SCOPED_TRACE(width);
        picture::Layer layer = layerOf(graph(width));
        const trace::Palette swatches = swatchesOf(layer);
        struct Row {
            const char* name;
            Rgb line;
            PixelPoint click;
            double length; // of the curve drawn, from x = 70 to 770
        };
        const Row rows[] = {
            {"blue",
             kBlue,
             {600, int(std::lround(blueCurve(600, 600)[0].y))},
             arcLength(blueCurve(70, 770))},
            {"red", kRed, {600, 440}, arcLength(redCurve(70, 770))},
        };
        for (const Row& row : rows) {
            SCOPED_TRACE(row.name);
            const auto swatch =
                std::find_if(swatches.colours.begin(), swatches.colours.end(), [&](Rgb s) {
                    return trace::lineOfShade({kWhite, {row.line}}, s).has_value();
                });
            ASSERT_NE(swatch, swatches.colours.end());
            const trace::Trace t = trace::followLine(
                layer, row.click, {.colour = trace::lineColourNear(layer, row.click, *swatch)});
            ASSERT_EQ(t.result, trace::TraceResult::Followed);
            EXPECT_GE(arcLength(t.centreline), 0.95 * row.length);
        }
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
