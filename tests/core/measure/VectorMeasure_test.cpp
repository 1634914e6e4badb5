#include "measure/Cap.h"
#include "measure/VectorMeasure.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "support/ScriptedInteraction.h"
#include "support/Separator.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>

using namespace tracelle;
using namespace tracelle::measure;

namespace {

class Measures : public ::testing::TestWithParam<char> {
protected:
    // Points of real (X, Y), one line each list, stored in order.
    void store(std::initializer_list<std::initializer_list<std::pair<double, double>>> lines) {
        int i = 0, L = 0;
        for (const auto& line : lines) {
            ++L;
            for (const auto& [X, Y] : line) {
                ++i;
                p.affecte_en(i, L, "", 0, X, Y, static_cast<int>(X), static_cast<int>(Y));
            }
        }
        p.setN(i);
        p.setCurrentLine(L);
    }
    std::string ds(const char* text) const {
        return tracelle::testing::withSeparator(text, GetParam());
    }

    tracelle::testing::SeparatorScope scope{GetParam()};
    tracelle::testing::ScriptedInteraction ui;
    model::Project p;
};

TRACELLE_UNDER_BOTH_SEPARATORS(Measures);

TEST_P(Measures, ThreePointLineReport) {
    store({{{0, 0}, {3, 0}, {3, 4}}});
    const LineLengths m = distance_perimetre_indice_ligne(p, 1);
    EXPECT_EQ(m.n, 3);
    EXPECT_EQ(m.D, 7);
    EXPECT_EQ(m.P, 12);
    EXPECT_EQ(surface_indice_ligne(p, 1), 6);
    Real two = -1;
    const auto lines = rapportSurface(p, 1, two);
    ASSERT_EQ(lines.size(), 6u) << "one line only: no network lines";
    EXPECT_EQ(lines[0], " Suite(1)= \t3\t points");
    EXPECT_EQ(lines[1], ds(" Surface  A = \t6.000 E+00    \t    6.000000000"));
    EXPECT_EQ(lines[4], " Indice de compacité = P/(4.pi.A)^0.5 = \t" + ds("1.38197659788534"));
    EXPECT_EQ(lines[5], ds(" Rectangle équivalent L=P/4+sqrt(P²/16-A)= \t4.73205080756888"));
}

TEST_P(Measures, AreasAndSpecialLines) {
    store({{{3, 4}, {3, 0}, {0, 0}},
           {{0, 0}, {10, 0}, {10, 10}, {0, 10}},
           {{5, 5}},
           {{0, 0}, {2, 0}}});
    EXPECT_EQ(surface_indice_ligne(p, 1), 6) << "the other direction gives the same area";
    Real two = -1;
    const auto square = rapportSurface(p, 2, two);
    EXPECT_EQ(square[1].substr(0, 26), ds(" Surface  A = \t1.000 E+02 "));
    for (const auto& line : square)
        EXPECT_EQ(line.find("Rectangle"), std::string::npos) << "A = P²/16";
    EXPECT_EQ(square.size(), 10u) << "several lines: the network lines follow";
    EXPECT_EQ(rapportSurface(p, 3, two)[4], " Indice de compacité = P/(4.pi.A)^0.5 = \t0");
    EXPECT_TRUE(rapportSurface(p, 4, two).empty()) << "two points: the scale case";
    EXPECT_EQ(two, 2);
}

TEST_P(Measures, AnInterruptedLineIsMeasuredUpToTheInterruption) {
    store({{{0, 0}, {1, 0}}, {{5, 5}}});
    p.affecte_en(4, 1, "", 0, 100, 0, 100, 0);
    p.setN(4);
    EXPECT_EQ(distance_perimetre_indice_ligne(p, 1).D, 1);
}

TEST_P(Measures, BearingsFromNorthWithTheCorrections) {
    store({{{0, 0}, {0, 10}, {10, 0}, {-10, 0}, {0, -10}}});
    const struct {
        int to;
        Real corrected, bare;
    } cases[] = {{2, 4.5L, 0}, {3, 94.5L, 90}, {4, -85.5L, -90}, {5, 184.5L, 180}, {1, 4.5L, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.to);
        EXPECT_NEAR(static_cast<double>(distance_entre_point(p, 1, c.to, {}).cap),
                    static_cast<double>(c.corrected), 1e-12);
        EXPECT_NEAR(static_cast<double>(distance_entre_point(p, 1, c.to, {0, 0}).cap),
                    static_cast<double>(c.bare), 1e-12);
    }
    EXPECT_EQ(distance_entre_point(p, 1, 2, {}).d, 10);
}

TEST_P(Measures, ReportNumberTexts) {
    const std::pair<Real, const char*> grouped[] = {
        {6, "    6.000000000"},
        {1234.5L, "   1 234.500000000"},
        {1234567, "  1 234 567.000000000"},
        {0.25L, "    0.250000000"},
        {0.0999999999L, "    0.100000000"}, // the ninth decimal rounded below 0.1 too
        {999.9999999996L, "   1 000.000000000"},
        {6e-10L, "    0.000000001"},
        {-1.23456787e-5L, "    -0.000012346"},
        {-4e-10L, "    0.000000000"}, // rounded to zero: no sign, as in the grids
    };
    for (const auto& [x, expected] : grouped) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(model::texte_groupe(x, 9), ds(expected));
    }
    // At every magnitude the digits are the C library's rounding of the value (up to the 18
    // significant digits that the texts keep).
    for (int e = -12; e <= 8; ++e) {
        const Real x = 1.2345678751L * std::pow(10.0L, e);
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.9Lf", x);
        std::string digits = model::texte_groupe(x, 9);
        std::erase(digits, ' ');
        EXPECT_EQ(digits, ds(expected)) << "10^" << e;
    }
    EXPECT_EQ(model::texte_scientifique(1234.5L, 3), ds("1.235 E+03"));
    EXPECT_EQ(model::texte_scientifique(0.5L, 3), ds("5.000 E-01"));
    EXPECT_EQ(model::texte_scientifique(0, 3), ds("0.000 E+00"));
    EXPECT_EQ(model::texte_scientifique(12345678, 4), ds("1.2346 E+07"));
}

// A click adds the step to its own point, whatever the moves before it (a jump onto a point,
// a tablet, a script).
TEST_P(Measures, CapSumsTheStepsToTheClickedPointsAndRearmsWhenPressed) {
    store({{{0, 0}, {0, 10}, {10, 10}}});
    CapState cap;
    EXPECT_EQ(cap.move(p, 2, {}), "") << "nothing before a start";
    EXPECT_EQ(cap.click(p, 1, {}), " distance cumulée à partir de (1)... ");
    EXPECT_EQ(cap.click(p, 2, {}),
              ds(" distance cumulée +(1 à 2) = 10.0000   1/2=> D=10.0000 cap=    4.50"))
        << "a click without a move before it";
    EXPECT_EQ(cap.click(p, 2, {}).substr(0, 38), ds(" distance cumulée +(2 à 2) = 10.0000"))
        << "clicking again adds 0";
    EXPECT_EQ(cap.move(p, 1, {}), ds("2/1=> D=10.0000 cap=184.50"));
    cap.click(p, 3, {});
    EXPECT_EQ(cap.cumulative(), 20) << "the step to the point clicked, not to the one moved over";
    cap.CapClick();
    EXPECT_TRUE(cap.startPending()) << "pressing the button starts a new sequence";
    EXPECT_EQ(cap.cumulative(), 0);
}

TEST(MeasuresLarge, AReportOnALineOfAHundredThousandPoints) {
    tracelle::testing::ScriptedInteraction ui;
    model::Project p;
    {
        model::TextTable::Bulk bulk(p.points());
        for (int i = 1; i <= 100000; ++i)
            p.affecte_en(i, 1, "", 0, i % 2 ? i : i - 1, i % 2 ? 0 : 1, 0, 0);
    }
    p.setN(100000);
    p.setCurrentLine(1);
    Real two = 0;
    const auto report = rapportSurface(p, 1, two);
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report[0], " Suite(1)= \t100000\t points");
    EXPECT_GT(distance_perimetre_indice_ligne(p, 1).D, 99999);
}

} // namespace
