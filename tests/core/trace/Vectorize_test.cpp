#include "Drawing.h"
#include "model/History.h"
#include "model/Project.h"
#include "trace/Vectorize.h"

#include <gtest/gtest.h>

using namespace tracelle;
using namespace tracelle::testing;
using trace::PixelPoint;
using trace::VectorLine;

namespace {

constexpr Rgb kBrown{150, 75, 0};
constexpr Rgb kBlue{30, 80, 200};
constexpr Rgb kBlack{0, 0, 0};
constexpr int kW = 640, kH = 520;

std::vector<PointF> bezier(PointF a, PointF c, PointF b) {
    return sampled(
        [&](double t) {
            const double u = 1 - t;
            return PointF{u * u * a.x + 2 * u * t * c.x + t * t * b.x,
                          u * u * a.y + 2 * u * t * c.y + t * t * b.y};
        },
        0, 1, 400);
}

// Radii a and b round `centre`, each moved by `wobble` at the angle.
std::vector<PointF> closedCurve(
    PointF centre, double a, double b, double (*wobble)(double) = [](double) { return 0.0; }) {
    return sampled(
        [&](double t) {
            return PointF{centre.x + (a + wobble(t)) * std::cos(t),
                          centre.y + (b + wobble(t)) * std::sin(t)};
        },
        0, 2 * M_PI, 1500);
}

struct TrueLine {
    std::vector<PointF> points;
    double width;
    bool closed;
};

struct TrueMap {
    std::vector<TrueLine> contours;                // brown
    std::vector<TrueLine> rivers;                  // blue, meeting at the junctions
    std::vector<std::pair<PointF, int>> junctions; // where, how many branches
};

// Nested ellipses and irregular closed curves 1 to 3 px wide, a river network with junctions
// of three and four branches, a black grid across both and black labels across a contour.
// The curves are moved by `shift`, the grid and the label staying: they cross at other
// fractions of a pixel.
TrueMap drawMap(picture::Raster& r, PointF shift) {
    TrueMap map;
    const PointF e{160.4 + shift.x, 160.3 + shift.y};
    for (const auto& [a, b, width] :
         {std::tuple{50.0, 30.0, 1.0}, std::tuple{90.0, 55.0, 2.0}, std::tuple{130.0, 80.0, 3.0}})
        map.contours.push_back({closedCurve(e, a, b), width, true});
    const PointF s{460.3 + shift.x, 150.6 + shift.y};
    const auto wavy = [](double t) { return 12 * std::sin(3 * t) + 6 * std::cos(5 * t + 1); };
    map.contours.push_back({closedCurve(s, 66, 66, wavy), 2, true});
    map.contours.push_back(
        {closedCurve(s, 30, 30, [](double t) { return 5 * std::sin(4 * t); }), 1.5, true});
    const PointF j1{200.3 + shift.x, 390.6 + shift.y}, j2{390.4 + shift.x, 350.2 + shift.y};
    map.rivers = {{bezier({30.5, 480.3}, {120, 460}, j1), 3, false},
                  {bezier(j1, {290, 390}, j2), 2, false},
                  {bezier(j1, {190, 330}, {230.2, 270.4}), 2, false},
                  {bezier(j2, {480, 390}, {600.6, 410.3}), 2, false},
                  {bezier(j2, {400, 420}, {440.2, 500.5}), 2, false},
                  {bezier(j2, {385, 300}, {372.7, 250.2}), 1.5, false}};
    map.junctions = {{j1, 3}, {j2, 4}};
    for (const auto* lines : {&map.contours, &map.rivers})
        for (const TrueLine& l : *lines)
            stroke(r, l.points, l.width, lines == &map.contours ? kBrown : kBlue);
    for (int x = 60; x < kW; x += 100)
        stroke(r, {{double(x), 0}, {double(x), double(kH - 1)}}, 1, kBlack);
    for (int y = 60; y < 300; y += 100)
        stroke(r, {{0, double(y)}, {double(kW - 1), double(y)}}, 1, kBlack);
    // A word of three letters N, 8 × 12 px, whose middle letter the inner ellipse crosses where
    // it runs steeply.
    const PointF c{160.4 + 50 * std::cos(200 * M_PI / 180),
                   160.3 + 30 * std::sin(200 * M_PI / 180)};
    for (int k = 0; k < 3; ++k) {
        const double lx = c.x - 16 + 12 * k, ty = c.y - 6;
        stroke(r, {{lx, ty + 12}, {lx, ty}, {lx + 8, ty + 12}, {lx + 8, ty}}, 1.5, kBlack);
    }
    return map;
}

double farthest(const std::vector<PointF>& truth, const VectorLine& line) {
    double worst = 0;
    for (const PixelPoint& p : line.points)
        worst = std::max(worst, distanceTo(truth, {double(p.x), double(p.y)}));
    return worst;
}

// Each true line found as one line lying along it, closed when it is, its points near it and
// covering it; every line found is one of them.
void expectFound(const std::vector<TrueLine>& truths, const std::vector<VectorLine>& found) {
    std::vector<int> matches(found.size(), 0);
    double sum = 0;
    std::size_t count = 0;
    for (std::size_t t = 0; t < truths.size(); ++t) {
        SCOPED_TRACE("true line " + std::to_string(t));
        const TrueLine& truth = truths[t];
        std::vector<std::size_t> along;
        for (std::size_t f = 0; f < found.size(); ++f)
            if (farthest(truth.points, found[f]) <= 1.5) along.push_back(f);
        ::testing::Message nearby;
        for (const VectorLine& f : found)
            if (const double d = farthest(truth.points, f); d < 8)
                nearby << "\n  from (" << f.points.front().x << "," << f.points.front().y
                       << ") to (" << f.points.back().x << "," << f.points.back().y
                       << ") n=" << f.points.size() << " farthest " << d;
        ASSERT_EQ(along.size(), 1u) << "lines found along it" << nearby;
        const VectorLine& line = found[along.front()];
        ++matches[along.front()];
        EXPECT_EQ(line.closed(), truth.closed);
        for (const PixelPoint& p : line.points) {
            sum += distanceTo(truth.points, {double(p.x), double(p.y)});
            ++count;
        }
        EXPECT_GE(covered(truth.points, floats(line.points)), 0.98) << "share of the line covered";
    }
    EXPECT_LE(sum / double(std::max<std::size_t>(count, 1)), 0.6) << "mean distance";
    for (std::size_t f = 0; f < found.size(); ++f)
        EXPECT_EQ(matches[f], 1) << "line " << f << " from (" << found[f].points.front().x << ", "
                                 << found[f].points.front().y << ") is no true line";
}

struct Case {
    const char* name;
    bool jpeg;
    PointF shift;
};

class VectorizeMap : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        picture::Raster r = sheet(kW, kH);
        map_ = drawMap(r, GetParam().shift);
        if (GetParam().jpeg) r = throughJpeg(r);
        layer_ = layerOf(std::move(r));
    }
    trace::Vectorized run(Rgb colour, int bandRows = kH,
                          const trace::LinesFound& found = {}) const {
        return trace::vectorize(layer_, {.colour = colour, .box = {}, .bandRows = bandRows}, {},
                                found);
    }
    TrueMap map_;
    picture::Layer layer_;
};

TEST_P(VectorizeMap, FindsEveryContourClosed) {
    const trace::Vectorized v = run(kBrown);
    ASSERT_EQ(v.result, trace::VectorizeResult::Done);
    expectFound(map_.contours, v.lines);
}

TEST_P(VectorizeMap, FindsTheRiversSharingTheirJunctions) {
    const trace::Vectorized v = run(kBlue);
    ASSERT_EQ(v.result, trace::VectorizeResult::Done);
    expectFound(map_.rivers, v.lines);
    for (const auto& [at, branches] : map_.junctions) {
        SCOPED_TRACE("junction at " + std::to_string(at.x) + ", " + std::to_string(at.y));
        std::vector<PixelPoint> ends;
        for (const VectorLine& l : v.lines)
            for (const PixelPoint& p : {l.points.front(), l.points.back()})
                if (std::hypot(p.x - at.x, p.y - at.y) <= 4) ends.push_back(p);
        ASSERT_EQ(ends.size(), std::size_t(branches));
        for (const PixelPoint& p : ends) {
            EXPECT_EQ(p, ends.front()) << "shared exactly";
            EXPECT_LE(std::hypot(p.x - at.x, p.y - at.y), 1.5);
        }
    }
}

std::vector<std::vector<PixelPoint>> pointsOf(const std::vector<VectorLine>& lines) {
    std::vector<std::vector<PixelPoint>> out;
    for (const VectorLine& l : lines)
        out.push_back(l.points);
    return out;
}

// Bands of rows thinned and traced one after the other give the lines of the whole sheet at
// once, junctions and closed contours across their borders included; the lines shown while
// the bands go are among them.
TEST_P(VectorizeMap, BandsGiveTheLinesOfTheWholeSheet) {
    for (const Rgb colour : {kBrown, kBlue}) {
        const auto whole = pointsOf(run(colour).lines);
        for (const int rows : {3, 37, 160}) {
            SCOPED_TRACE(std::to_string(rows) + " rows a band");
            std::vector<VectorLine> shown;
            const auto banded = pointsOf(run(colour, rows, [&](std::vector<VectorLine> lines) {
                                             shown.insert(shown.end(), lines.begin(), lines.end());
                                         }).lines);
            EXPECT_EQ(banded, whole);
            for (const auto& line : pointsOf(shown))
                EXPECT_NE(std::find(whole.begin(), whole.end(), line), whole.end())
                    << "a line shown is kept";
            if (rows == 160) {
                EXPECT_FALSE(shown.empty()) << "lines shown before the end";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Maps, VectorizeMap,
                         ::testing::Values(Case{"clean", false, {0, 0}}, Case{"jpeg", true, {0, 0}},
                                           Case{"clean_shifted", false, {0.75, 0.8}},
                                           Case{"jpeg_shifted", true, {0.75, 0.8}},
                                           Case{"jpeg_shifted_far", true, {1.3, 2.6}},
                                           // A thin contour faded by JPEG where it turns
                                           // tightest, and bending on under the label.
                                           Case{"jpeg_faded_bend", true, {0.2, 0}},
                                           Case{"jpeg_bend_under_label", true, {0.1, 0.4}}),
                         [](const auto& info) { return std::string(info.param.name); });

// Specks and letters shorter than the minimum length are left out; gaps up to the gap length
// only are bridged.
TEST(Vectorize, KeepsLinesByTheMinimumLengthAndBridgesByTheGapLength) {
    picture::Raster specks = sheet(200, 120), gap = sheet(240, 60);
    stroke(specks, {{20, 60.4}, {180, 60.4}}, 2, kBrown);
    stroke(specks, {{30, 20}, {30, 32}, {38, 20}, {38, 32}}, 1.5, kBrown); // a letter N
    stroke(specks, {{100, 95}, {101, 96}}, 2, kBrown);                     // a speck
    stroke(gap, {{10, 30.4}, {110, 30.4}}, 2, kBrown);
    stroke(gap, {{120, 30.4}, {230, 30.4}}, 2, kBrown); // 8 px between the round caps
    const picture::Layer withSpecks = layerOf(std::move(specks)), withGap = layerOf(std::move(gap));
    const struct {
        const picture::Layer& layer;
        double minLength;
        int gap;
        std::size_t count;
    } rows[] = {{withSpecks, 20, trace::kDefaultGap, 1},
                {withSpecks, 5, trace::kDefaultGap, 2},
                {withGap, trace::kDefaultMinLength, 4, 2},
                {withGap, trace::kDefaultMinLength, 12, 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "min length " << row.minLength << ", gap " << row.gap);
        const trace::VectorizeSettings s{
            .colour = kBrown, .box = {}, .gap = row.gap, .minLength = row.minLength};
        EXPECT_EQ(trace::vectorize(row.layer, s).lines.size(), row.count);
    }
}

// A wide band comes back as its centreline, a wide ring as its middle circle, closed.
TEST(Vectorize, ThinsWideShapesToTheirCentre) {
    picture::Raster r = sheet(300, 300);
    const std::vector<PointF> band{{20, 40.5}, {280, 40.5}};
    stroke(r, band, 15, kBrown);
    const auto ring = closedCurve({150.5, 180.5}, 80, 80);
    stroke(r, ring, 9, kBrown);
    const picture::Layer layer = layerOf(std::move(r));
    const trace::VectorizeSettings s{.colour = kBrown, .box = {}};
    const trace::Vectorized v = trace::vectorize(layer, s);
    ASSERT_EQ(v.result, trace::VectorizeResult::Done);
    expectFound({{band, 15, false}, {ring, 9, true}}, v.lines);
}

// Every point as near the true centre as whole pixels allow, whatever the width and the
// position of the line between pixels.
TEST(Vectorize, KeepsToTheCentreOfLinesOfAnyWidth) {
    for (const double width : {1.0, 2.0, 3.0, 4.0})
        for (double offset = 0; offset < 1; offset += 0.25) {
            SCOPED_TRACE("width " + std::to_string(width) + ", offset " + std::to_string(offset));
            picture::Raster r = sheet(240, 100);
            const auto wave = sampled(
                [offset](double x) {
                    return PointF{x, 50 + offset + 20 * std::sin(x / 30)};
                },
                10, 230);
            stroke(r, wave, width, kBrown);
            const trace::VectorizeSettings s{
                .colour = kBrown, .box = {}, .simplify = 0.01}; // every pixel
            const trace::Vectorized v = trace::vectorize(layerOf(std::move(r)), s);
            ASSERT_EQ(v.lines.size(), 1u);
            double sum = 0;
            for (const PixelPoint& p : v.lines[0].points)
                sum += distanceTo(wave, {double(p.x), double(p.y)});
            EXPECT_LE(sum / double(v.lines[0].points.size()), 0.3);
        }
}

// A road crossed at a slant hides the line over more than the gap length: beneath its ink the
// line runs on; across paper it does not.
TEST(Vectorize, BridgesFartherBeneathInkOfAnotherColour) {
    picture::Raster r = sheet(240, 120);
    const std::vector<PointF> contour{{10, 20.4}, {230, 100.4}}; // 20° from the road
    stroke(r, contour, 2, kBrown);
    stroke(r, {{10, 60.5}, {230, 60.5}}, 3, kBlack);
    const picture::Layer layer = layerOf(std::move(r));
    const trace::VectorizeSettings s{.colour = kBrown, .box = {}};
    const trace::Vectorized v = trace::vectorize(layer, s);
    expectFound({{contour, 2, false}}, v.lines);

    picture::Raster paper = sheet(240, 120);
    stroke(paper, {{10, 20.4}, {110, 56.8}}, 2, kBrown);
    stroke(paper, {{124, 61.9}, {230, 100.4}}, 2, kBrown); // the same gap, on paper
    EXPECT_EQ(trace::vectorize(layerOf(std::move(paper)), s).lines.size(), 2u);
}

TEST(Vectorize, KeepsToTheBoxAndOrdersLinesByTheirFirstPoint) {
    picture::Raster r = sheet(200, 200);
    stroke(r, {{150, 40.4}, {20, 40.4}}, 2, kBrown);
    stroke(r, {{40.3, 180}, {40.3, 100}}, 2, kBrown);
    stroke(r, {{150.5, 150}, {190.5, 60}}, 2, kBrown); // outside the box
    const picture::Layer layer = layerOf(std::move(r));
    const trace::VectorizeSettings s{.colour = kBrown, .box = trace::Box{130, 190, 0, 0}};
    const trace::Vectorized v = trace::vectorize(layer, s);
    ASSERT_EQ(v.lines.size(), 2u);
    EXPECT_NEAR(v.lines[0].points.front().y, 40.4, 1);
    EXPECT_LE(v.lines[0].points.front().x, v.lines[0].points.back().x);
    EXPECT_LE(v.lines[0].points.back().x, 130);
    EXPECT_EQ(v.lines[1].points.front().x, 40);
    EXPECT_LT(v.lines[1].points.front().y, v.lines[1].points.back().y);
}

TEST(Vectorize, SaysWhyNothingWasFound) {
    picture::Raster r = sheet(100, 100);
    stroke(r, {{10, 50}, {90, 50}}, 2, kBrown);
    const picture::Layer layer = layerOf(std::move(r));
    trace::VectorizeSettings s;
    s.colour = kBlue;
    EXPECT_EQ(trace::vectorize(layer, s).result, trace::VectorizeResult::NoColour);
    s.colour = {250, 250, 250};
    EXPECT_EQ(trace::vectorize(layer, s).result, trace::VectorizeResult::NoContrast);
    s.colour = kBrown;
    int calls = 0;
    const trace::Vectorized stopped = trace::vectorize(layer, s, [&](double done) {
        EXPECT_GE(done, 0);
        EXPECT_LE(done, 1);
        return ++calls < 2;
    });
    EXPECT_EQ(stopped.result, trace::VectorizeResult::Cancelled);
    EXPECT_TRUE(stopped.lines.empty());
    for (const auto result : {trace::VectorizeResult::NoColour, trace::VectorizeResult::NoContrast,
                              trace::VectorizeResult::Cancelled})
        EXPECT_FALSE(trace::message(result).empty());
}

TEST(Vectorize, AppendsTheLinesInOneUndoStep) {
    model::Project project;
    const std::vector<VectorLine> lines{{{{1, 2}, {3, 4}}}, {{{5, 6}, {7, 8}, {9, 6}, {5, 6}}}};
    trace::appendLines(project, lines);
    EXPECT_EQ(project.N(), 6);
    EXPECT_EQ(project.currentLine(), 2);
    ASSERT_TRUE(project.history().canUndo());
    EXPECT_EQ(project.history().undoName(), "la vectorisation");
    project.history().undo();
    EXPECT_EQ(project.N(), 0);
}

} // namespace
