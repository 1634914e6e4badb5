#include "files/Export.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "support/ScriptedInteraction.h"
#include "support/Separator.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace tracelle;
using namespace tracelle::files;

namespace {

class Exporting : public ::testing::TestWithParam<char> {
protected:
    // Points of real (X, Y) stored in `line`.
    void add(int line, double X, double Y) {
        const int i = p.N() + 1;
        p.affecte_en(i, line, "", 0, X, Y, 0, 0);
        p.setN(i);
        if (line >= p.lines().rowCount()) {
            p.lines().setRowCount(line + 1);
            for (int c = 0; c < 4; ++c)
                p.lines().setCell(line, c, c == 3 ? "x" : "1");
        }
        p.setCurrentLine(line);
    }
    std::string ds(const char* text) const {
        return tracelle::testing::withSeparator(text, GetParam());
    }

    tracelle::testing::SeparatorScope scope{GetParam()};
    tracelle::testing::ScriptedInteraction ui;
    model::Project p;
};

TRACELLE_UNDER_BOTH_SEPARATORS(Exporting);

TEST_P(Exporting, InitialChoicesGiveTheCountThenXAndY) {
    add(1, 243.197, 286.047);
    add(1, 1, 2);
    add(2, 5, 6);
    p.lines().setCell(2, 3, ""); // line 2 hidden
    const ExportResult r = exporte(p, ExportChoices{});
    EXPECT_EQ(r.text, "3\t0\r\n243.19700000\t286.04700000\r\n1.00000000\t2.00000000\r\n")
        << "the first line counts every point; the hidden line is not exported";
    EXPECT_EQ(r.xMaxRead, 243.197L);
    const ExportChoices comma{.interDistance = true, .decimalComma = true, .firstLine = false};
    EXPECT_EQ(exporte(p, comma).text.rfind("243,19700000\t286,04700000\t0\r\n1,0", 0), 0u);
}

// The grid holds its reals with the regional mark; the export writes the mark chosen, in X, Y
// and Z alike.
TEST_P(Exporting, EveryRealColumnTakesTheChosenMark) {
    add(1, 1.5, 2.75);
    p.points().setCell(1, p.indice_col("Z"), ds("3.25000000"));
    ExportChoices c{.Z = true, .firstLine = false};
    for (const bool comma : {false, true}) {
        SCOPED_TRACE(comma ? "virgule" : "point");
        c.decimalComma = comma;
        std::string expected = "1.50000000\t2.75000000\t3.25000000\r\n";
        if (comma) std::replace(expected.begin(), expected.end(), '.', ',');
        EXPECT_EQ(exporte(p, c).text, expected);
    }
}

TEST_P(Exporting, DistancesRestartOnEachLine) {
    add(1, 0, 0);
    add(1, 3, 4);
    add(1, 6, 8);
    add(2, 100, 100);
    ExportChoices c{.X = false, .Y = false, .interDistance = true, .cumulative = true};
    c.separator = " ; ";
    c.firstLine = false;
    EXPECT_EQ(exporte(p, c).text, "0 ; 0\r\n5 ; 5\r\n5 ; 10\r\n0 ; 0\r\n")
        << "the whole separator is removed";
}

TEST_P(Exporting, NormalizedExportResamplesAtTheStep) {
    add(1, 0, 0);
    add(1, 2, 4);
    ExportChoices c{.normalized = true, .step = "0.3"};
    EXPECT_EQ(exporte(p, c).text,
              "EXPORT normalisé\r\n0\t0\r\n0.3\t0.6\r\n0.6\t1.2\r\n0.9\t1.8\r\n");
    c.step = "0.05";
    const std::string fine = exporte(p, c).text;
    EXPECT_EQ(std::count(fine.begin(), fine.end(), '\n'), 22);
    c.xMin = "-1";
    c.xMax = "3";
    c.step = "1";
    EXPECT_EQ(exporte(p, c).text, "EXPORT normalisé\r\n-1\t0\r\n0\t0\r\n1\t2\r\n2\t4\r\n3\t4\r\n");
    c.regression = false;
    c.xMin = "0.9";
    c.xMax = "1";
    c.step = "0.1";
    EXPECT_EQ(exporte(p, c).text, "EXPORT normalisé\r\n0.9\t0\r\n1\t4\r\n")
        << "a tie goes to the later point";
}

// More than ten million steps is refused before anything is resampled, with or without points;
// ten million is not (without points, only the title is written).
TEST_P(Exporting, NormalizedExportOfTooManyStepsIsRefused) {
    ExportChoices c{.normalized = true, .step = "1", .xMax = "9999999"};
    EXPECT_EQ(exporte(p, c).text, "EXPORT normalisé\r\n");
    add(1, 0, 0);
    add(1, 2, 4);
    const struct {
        const char *step, *xMax;
    } refused[] = {{"1", "10000000"}, {"0.00001", "1000"}, {"0.000001", "11"}};
    for (const auto& r : refused) {
        SCOPED_TRACE(r.step);
        c.step = r.step;
        c.xMax = r.xMax;
        const ExportResult result = exporte(p, c);
        EXPECT_EQ(result.error, "l'export normalisé demande plus de 10 000 000 pas : augmentez "
                                "le pas ou réduisez l'intervalle de X");
        EXPECT_EQ(result.text, "");
    }
}

TEST_P(Exporting, NamesAndUnreadableCells) {
    EXPECT_EQ(nomExport("/data/plan", "dat"), "/data/plan.dat");
    EXPECT_EQ(nomExport("/data/plan", ".dat"), "/data/plan.dat");
    add(1, 1, 2);
    p.points().setCell(1, p.indice_col("X"), "1.2.3");
    const ExportResult r = exporte(p, ExportChoices{});
    EXPECT_NE(r.error, "");
}

} // namespace
