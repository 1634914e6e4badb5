#include "files/PointImport.h"
#include "model/Project.h"
#include "model/extraitUTIL.h"
#include "support/ScriptedInteraction.h"
#include "support/Separator.h"

#include <gtest/gtest.h>

using namespace tracelle;
using namespace tracelle::files;

namespace {

class Importing : public ::testing::TestWithParam<char> {
protected:
    Importing() {
        // A frame where 1 real unit is 100 pixels: image x = 100 X, y = 1000 − 100 Y.
        p.setDefaultCalibration(1001, 1001, 0, 0);
        p.calibration().setCell(1, p.indice_col_cal("Y"), "10.01");
        p.calibration().setCell(3, p.indice_col_cal("X"), "10.01");
        p.calcul_nouveaux_calage();
    }
    std::string cell(int row, const char* header) {
        return p.points().cell(row, p.indice_col(header));
    }

    tracelle::testing::SeparatorScope scope{GetParam()};
    tracelle::testing::ScriptedInteraction ui;
    model::Project p;
};

INSTANTIATE_TEST_SUITE_P(DS, Importing, ::testing::Values('.', ','),
                         [](const auto& info) { return info.param == '.' ? "point" : "virgule"; });

TEST_P(Importing, TextLinesBecomePointsOnTheirPixels) {
    const int added = ajoutePointsTexte(p, "0.23 111.5 pointA\r\n"
                                           "\n"
                                           "'a comment\n"
                                           "1,25 2 point A\n"
                                           "3\t4\tavec tab\n"
                                           "5 6 after the tab\n"
                                           "  'not a comment\n");
    EXPECT_EQ(added, 5);
    EXPECT_EQ(p.N(), 5);
    EXPECT_EQ(cell(1, "Libellé"), "pointA");
    EXPECT_EQ(model::val_entier(cell(1, "x")), 23) << "the pixel of X = 0.23";
    EXPECT_EQ(cell(2, "Libellé"), "point") << "a space ends a label";
    EXPECT_EQ(model::val_reel(cell(2, "X")), 1.25L);
    EXPECT_EQ(cell(3, "Libellé"), "avec tab");
    EXPECT_EQ(model::val_reel(cell(4, "Y")), 0) << "spaces after the switch to tabs: one field";
    EXPECT_EQ(model::val_reel(cell(5, "X")), 0) << "an apostrophe after blanks is no comment";
    p.calcul_nouveaux_calage();
    EXPECT_NEAR(static_cast<double>(model::val_reel(cell(1, "X"))), 0.23, 0.006);
    EXPECT_EQ(cell(1, "Z"), model::_format2(0, 18, 8)) << "no altitude";
}

// The rows an import adds are not recomputed again at its end: the tables must be just what
// a recomputation of every point gives, also when the calibration cells had been edited.
TEST_P(Importing, TheImportEndsAsAFullRecomputationWould) {
    const auto cells = [this] {
        std::vector<std::string> all;
        for (int r = 0; r < p.points().rowCount(); ++r)
            for (int c = 0; c < p.points().columnCount(); ++c)
                all.push_back(p.points().cell(r, c));
        return all;
    };
    p.ajoute_point(10, 20);
    p.ajoute_point(30, 40);
    p.calibration().setCell(3, p.indice_col_cal("X"), "20.02"); // not applied yet
    EXPECT_EQ(ajoutePointsTexte(p, "1.234567 2.5 a\n3,3 4 b\n-1e3 7.77777777777 c\n"), 3);
    auto imported = cells();
    p.calcul_nouveaux_calage();
    EXPECT_EQ(imported, cells()) << "edited calibration";
    EXPECT_EQ(cell(1, "X"), model::_format2(0.2L, 18, 8)) << "a clicked point follows the edit";

    EXPECT_EQ(ajoutePointsTexte(p, "5.55555 6.125 d\n"), 1);
    imported = cells();
    p.calcul_nouveaux_calage();
    EXPECT_EQ(imported, cells()) << "calibration unchanged";
}

TEST_P(Importing, WithoutCalibrationThePointsAreKept) {
    model::Project bare;
    EXPECT_EQ(ajoutePointsTexte(bare, "12.4 7.6 a\n"), 1);
    EXPECT_EQ(model::val_entier(bare.points().cell(1, bare.indice_col("x"))), 12);
    EXPECT_EQ(model::val_reel(bare.points().cell(1, bare.indice_col("X"))), 12.4L);
}

TEST_P(Importing, ClipboardCalibrationValues) {
    colleValeursCalage(p, "100 200 10\n");
    EXPECT_EQ(p.calibration().cell(1, p.indice_col_cal("X")), "100");
    EXPECT_EQ(p.calibration().cell(1, p.indice_col_cal("Z")), "10");
    EXPECT_EQ(p.record(1).X, 100);
    colleValeursCalage(p, "1  2\n3\t4\t5\n6 7\n");
    EXPECT_EQ(p.calibration().cell(1, p.indice_col_cal("Y")), "2");
    EXPECT_EQ(p.calibration().cell(1, p.indice_col_cal("Z")), "10")
        << "an empty field leaves its cell";
    EXPECT_EQ(p.calibration().cell(2, p.indice_col_cal("Z")), "5");
    EXPECT_EQ(p.calibration().cell(3, p.indice_col_cal("X")), "67")
        << "tab from then on: one field";
}

} // namespace
