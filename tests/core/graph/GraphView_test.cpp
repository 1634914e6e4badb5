// The graph's extents, projection and segments, and what each command changes.
#include "graph/GraphView.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "support/ScriptedInteraction.h"
#include "support/Separator.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <memory>

using namespace tracelle;
using graph::Command;
using graph::GraphView;
using graph::Pixel;
using graph::Segment;

namespace {

struct P {
    const char *x, *y, *z;
    int line;
};

class Graph : public ::testing::Test {
protected:
    // Calibration points at (0, 100), (0, 0), (100, 0) unless given; the points on the given
    // lines, each new line started in turn.
    void make(const std::vector<P>& points,
              std::array<std::pair<const char*, const char*>, 3> calage = {
                  {{"0", "100"}, {"0", "0"}, {"100", "0"}}}) {
        project = std::make_unique<model::Project>();
        model::Project& p = *project;
        p.setDefaultCalibration(101, 101, 0, 0);
        for (int k = 1; k <= 3; ++k) {
            p.calibration().setCell(k, p.indice_col_cal("X"), calage[k - 1].first);
            p.calibration().setCell(k, p.indice_col_cal("Y"), calage[k - 1].second);
        }
        int line = 1;
        for (const P& point : points) {
            while (line < point.line) {
                ui.answerColour(0x00FF00);
                p.Nouvelle_suite_de_points();
                ++line;
            }
            p.ajoute_point(1, 1);
            const int row = p.N();
            p.points().setCell(row, p.indice_col("X"), point.x);
            p.points().setCell(row, p.indice_col("Y"), point.y);
            p.points().setCell(row, p.indice_col("Z"), point.z);
        }
        g.init_variables_book(p, 401, 301);
    }
    void colourLine(int line, std::uint32_t colour) {
        project->lines().setCell(line, model::indice_col_grille(project->lines(), "couleur"),
                                 std::to_string(colour));
        g.init_variables_book(*project, 401, 301);
    }
    std::vector<Segment> of(std::uint32_t colour, int width) {
        std::vector<Segment> found;
        for (const Segment& s : g.dessine_graphe())
            if (s.colour == colour && s.width == width) found.push_back(s);
        return found;
    }

    tracelle::testing::SeparatorScope scope{'.'};
    tracelle::testing::ScriptedInteraction ui;
    std::unique_ptr<model::Project> project;
    GraphView g{7};
};

TEST_F(Graph, InitialViewProjectsAsComputedByHand) {
    make({{"100", "100", "0", 1}, {"50", "50", "0", 1}});
    const graph::View& v = g.view();
    EXPECT_EQ(v.cx, 50) << "the middle of X from 0 to 100 (calibration points included)";
    EXPECT_EQ(v.cy, 50);
    EXPECT_EQ(v.sx, 100) << "the larger side of the extent";
    EXPECT_EQ(v.sy, 100);
    EXPECT_EQ(v.dp, 1800);
    EXPECT_EQ(g.extents().zmax, 1) << "all Z 0";
    g.calcul_cos_sin();
    // x = y = 0.5, z = 0: xe = 0.183013, ye = -0.261378, ze = 29.368979; Xs = 11.216695,
    // Ys = -16.019616; px = round(11.216695 / 100 * 400) + 200, py = 150 - round(-16.019616 /
    // 100 * 300).
    EXPECT_EQ(g.rotation(100, 100, 0), (Pixel{245, 198}));
    EXPECT_EQ(g.rotation(50, 50, 0), (Pixel{200, 150})) << "the middle of the data at the centre";

    const auto segments = g.dessine_graphe();
    ASSERT_EQ(segments.size(), 12u + 3 + 3);
    EXPECT_TRUE(std::all_of(segments.begin(), segments.begin() + 12,
                            [](const Segment& s) { return s.colour == graph::kAxes; }));
    EXPECT_EQ(segments[12], (Segment{g.rotation(0, 100, 0), g.rotation(0, 100, 0), graph::kCalage,
                                     graph::kDotWidth}));
    EXPECT_TRUE(of(graph::kDropLine, 1).empty()) << "no drop lines in the plane z = 0";
}

TEST_F(Graph, DropLinesLinesAndTheirColours) {
    make({{"10", "10", "5", 1}, {"20", "10", "0", 1}, {"30", "10", "5", 1}, {"40", "40", "7", 2}});
    g.calcul_cos_sin();
    const auto drops = of(graph::kDropLine, 1);
    ASSERT_EQ(drops.size(), 1u) << "not the first point of a line, not a Z of 0";
    EXPECT_EQ(drops[0], (Segment{g.rotation(30, 10, 5), g.rotation(30, 10, 0), graph::kDropLine}));
    constexpr std::uint32_t first = 0x00FFFF;
    colourLine(1, first);
    EXPECT_EQ(of(first, 1).size(), 2u) << "line 1: two segments";
    EXPECT_EQ(of(first, graph::kDotWidth).size(), 3u);
    EXPECT_EQ(of(0x00FF00, graph::kDotWidth).size(), 1u) << "line 2 in its own colour";
    EXPECT_TRUE(of(0x00FF00, 1).empty()) << "a line of one point is a dot";
}

TEST_F(Graph, AMissingHeightIsDrawnAtRandomWithinItsRange) {
    make({{"10", "10", "0", 1}, {"20", "30", "-", 1}});
    colourLine(1, 0x00FFFF);
    g.calcul_cos_sin();
    const int low = g.rotation(20, 30, -0.255L).y, high = g.rotation(20, 30, 0.2499L).y;
    std::vector<int> seen;
    for (int k = 0; k < 200; ++k) {
        const auto dots = of(0x00FFFF, graph::kDotWidth);
        ASSERT_EQ(dots.size(), 2u);
        seen.push_back(dots[1].from.y);
    }
    const auto [min, max] = std::minmax_element(seen.begin(), seen.end());
    EXPECT_LT(*min, *max) << "drawn anew at every drawing";
    EXPECT_GE(*min, std::min(low, high));
    EXPECT_LE(*max, std::max(low, high));
}

// Wherever the points lie and whatever their size, the initial view and "initialisation"
// frame their own extent: every point inside the buffer, spread over a good part of it.
TEST_F(Graph, AnyProjectFillsTheView) {
    const struct {
        const char* name;
        std::vector<P> points;
        std::array<std::pair<const char*, const char*>, 3> calage;
    } cases[] = {
        {"near the origin",
         {{"10", "10", "0", 1}, {"90", "20", "5", 1}, {"50", "95", "2", 1}},
         {{{"0", "100"}, {"0", "0"}, {"100", "0"}}}},
        {"UTM metres",
         {{"500000", "5000000", "120", 1},
          {"510000", "5004000", "180", 1},
          {"505000", "5010000", "150", 1}},
         {{{"500000", "5010000"}, {"500000", "5000000"}, {"510000", "5000000"}}}},
        {"Lambert, fifty metres wide",
         {{"652000", "6862000", "35", 1},
          {"652050", "6862020", "40", 1},
          {"652025", "6862050", "38", 1}},
         {{{"652000", "6862050"}, {"652000", "6862000"}, {"652050", "6862000"}}}},
        {"all negative",
         {{"-9000", "-4000", "0", 1}, {"-8000", "-3500", "0", 1}, {"-8500", "-3000", "0", 1}},
         {{{"-9000", "-3000"}, {"-9000", "-4000"}, {"-8000", "-4000"}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        make(c.points, c.calage);
        for (const bool again : {false, true}) {
            if (again) {
                g.apply(Command::DecaleHaut);
                g.apply(Command::Rapprocher);
                g.apply(Command::Initialisation);
            }
            g.calcul_cos_sin();
            int left = 400, right = 0, top = 300, bottom = 0;
            for (const P& p : c.points) {
                const Pixel at = g.rotation(model::val_reel(p.x), model::val_reel(p.y), 0);
                left = std::min(left, at.x);
                right = std::max(right, at.x);
                top = std::min(top, at.y);
                bottom = std::max(bottom, at.y);
            }
            EXPECT_GE(left, 0);
            EXPECT_LE(right, 400);
            EXPECT_GE(top, 0);
            EXPECT_LE(bottom, 300);
            EXPECT_GE(right - left, 400 / 3) << "spread across the view";
        }
    }
}

TEST_F(Graph, EveryCommandChangesItsParameter) {
    make({{"100", "100", "0", 1}});
    const graph::View start = g.view();
    const struct {
        Command command;
        graph::Real graph::View::*field;
        graph::Real expected;
    } cases[] = {
        {Command::Eloigner, &graph::View::rho, start.rho * 1.3L},
        {Command::Rapprocher, &graph::View::rho, start.rho / 1.3L},
        {Command::Agrandir, &graph::View::dp, start.dp * 1.3L},
        {Command::Reduire, &graph::View::dp, start.dp / 1.3L},
        {Command::TourneGauche, &graph::View::theta, start.theta + start.step},
        {Command::TourneDroite, &graph::View::theta, start.theta - start.step},
        {Command::TourneHaut, &graph::View::phi, start.phi - start.step},
        {Command::TourneBas, &graph::View::phi, start.phi + start.step},
        {Command::DecaleGauche, &graph::View::cy, start.cy + start.ty},
        {Command::DecaleDroite, &graph::View::cy, start.cy - start.ty},
        {Command::DecaleHaut, &graph::View::cx, start.cx + start.tx},
        {Command::DecaleBas, &graph::View::cx, start.cx - start.tx},
    };
    for (const auto& c : cases) {
        g.apply(Command::Initialisation);
        g.apply(c.command);
        EXPECT_EQ(g.view().*c.field, c.expected) << static_cast<int>(c.command);
    }
    g.turn(2, -0.5L);
    EXPECT_EQ(g.view().theta, start.theta + 2 * start.step);
    EXPECT_EQ(g.view().phi, start.phi - 0.5L * start.step);
}

// Each graph is the current project's: a project with fewer than three calibration points
// shows only those, never the previous project's.
TEST_F(Graph, CalibrationPointsAreTheCurrentProjectsOnly) {
    make({{"100", "100", "0", 1}, {"50", "50", "0", 1}},
         {{{"1000", "2000"}, {"1000", "1000"}, {"2000", "1000"}}});
    colourLine(1, 0x00FFFF);
    ASSERT_EQ(of(graph::kCalage, graph::kDotWidth).size(), 3u);
    model::Project next;
    next.ajoute_point(1, 1);
    next.points().setCell(1, next.indice_col("X"), "10");
    next.points().setCell(1, next.indice_col("Y"), "20");
    next.lines().setCell(1, model::indice_col_grille(next.lines(), "couleur"), "65535");
    ASSERT_LT(next.K(), 3);
    g.init_variables_book(next, 401, 301);
    EXPECT_TRUE(of(graph::kCalage, graph::kDotWidth).empty());
    EXPECT_EQ(g.extents().xmax, 10) << "the extents are the points'";
    EXPECT_EQ(g.extents().ymin, 20);
}

// Maxima of 0, one point, equal points, the eye on the data: something finite is drawn.
TEST_F(Graph, DegenerateDataStillDrawInsideTheRange) {
    const struct {
        std::vector<P> points;
        std::array<std::pair<const char*, const char*>, 3> calage;
    } cases[] = {
        {{{"0", "0", "0", 1}}, {{{"0", "0"}, {"0", "0"}, {"0", "0"}}}},
        {{{"-5", "-5", "-1", 1}, {"-5", "-5", "-1", 1}},
         {{{"-5", "-5"}, {"-1", "-8"}, {"-2", "-3"}}}},
        {{{"3", "3", "3", 1}, {"3", "3", "3", 1}}, {{{"3", "3"}, {"3", "3"}, {"3", "3"}}}},
    };
    for (const auto& c : cases) {
        make(c.points, c.calage);
        for (int zoom = 0; zoom < 60; ++zoom) {
            for (const Segment& s : g.dessine_graphe())
                for (const Pixel& at : {s.from, s.to}) {
                    ASSERT_LE(std::abs(at.x), 1'000'000 + 200);
                    ASSERT_LE(std::abs(at.y), 1'000'000 + 150);
                }
            g.apply(Command::Rapprocher); // the eye passes through the data
        }
        EXPECT_GT(g.view().sx, 0);
        EXPECT_GT(g.view().sy, 0);
    }
}

} // namespace
