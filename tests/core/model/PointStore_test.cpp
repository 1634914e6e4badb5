#include "ProjectFixture.h"

using namespace tracelle::model;
using tracelle::testing::ProjectTest;

namespace {

class PointStore : public ProjectTest {};
TRACELLE_UNDER_BOTH_SEPARATORS(PointStore);

TEST_P(PointStore, ANewProjectHasItsThreeTables) {
    const std::vector<std::string> headers = {"n", "L", "Libellé", "X", "Y", "Z", "x", "y", "z"};
    for (int c = 0; c < 9; ++c) {
        EXPECT_EQ(project.points().cell(0, c), headers[c]);
        EXPECT_EQ(project.calibration().cell(0, c), headers[c]);
    }
    EXPECT_EQ(project.points().rowCount(), 1);
    EXPECT_EQ(project.calibration().rowCount(), 4);
    EXPECT_EQ(calCell(1, "n"), "1");
    EXPECT_EQ(calCell(1, "L"), "0");
    EXPECT_EQ(calCell(2, "Libellé"), "cal 2");
    EXPECT_EQ(calCell(1, "Y"), std::string(12, ' ') + ds("1.0000"));
    EXPECT_EQ(calCell(3, "X"), std::string(12, ' ') + ds("1.0000"));
    EXPECT_EQ(calCell(3, "Z"), std::string(12, ' ') + ds("0.0000"));
    EXPECT_EQ(calCell(3, "x"), "");
    const std::vector<std::string> line1 = {"1", "4", "255", "x"};
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(project.lines().cell(1, c), line1[c]);
    EXPECT_EQ(project.lines().cell(0, 1), "épaisseur");
    EXPECT_EQ(project.N(), 0);
    EXPECT_EQ(project.currentLine(), 1);
    EXPECT_TRUE(project.lineBreakPending());
}

TEST_P(PointStore, RowsHoldTheFormattedTextAndReadBack) {
    project.setDecimalsText("3");
    project.affecte_en(1, 100, "puits", kUndefinedReal, 1234.56789L, -2, 12345, 7);
    const std::pair<const char*, std::string> cells[] = {
        {"n", "    1"},      {"L", "100"},       {"Libellé", "puits"}, {"X", ds("1234.568")},
        {"Y", ds("-2.000")}, {"Z", ds("0.000")}, {"x", "12345"},       {"y", "      7"}};
    for (const auto& [header, text] : cells)
        EXPECT_EQ(cell(1, header), text) << header;

    PointRow row;
    ASSERT_TRUE(project.liste_extrait_Lxy(1, row));
    EXPECT_EQ(row.L, 100);
    EXPECT_EQ(row.x, 12345);
    EXPECT_EQ(row.y, 7);
    EXPECT_EQ(row.X, 1234.568L);
    EXPECT_EQ(row.Z, 0);
    PointRow untouched;
    untouched.L = 42;
    EXPECT_FALSE(project.liste_extrait_Lxy(2, untouched));
    EXPECT_EQ(untouched.L, 42);
    EXPECT_EQ(project.extrait_xy(1).x, 12345);
    EXPECT_EQ(project.extrait_xr_yr(1)->X, 1234.568L);

    project.points().setCell(1, project.indice_col("X"), "12.5abc");
    EXPECT_FALSE(project.extrait_xr_yr(1)) << "the strict reader refuses trailing text";
}

TEST_P(PointStore, AClickStoresTheNextPointOfTheCurrentLine) {
    calibrate();
    project.setTableMode(true);
    project.ajoute_point(60, 60);
    EXPECT_EQ(project.N(), 1);
    EXPECT_EQ(cell(1, "X"), ds("50.00000000"));
    EXPECT_EQ(cell(1, "Y"), ds("50.00000000"));
    EXPECT_EQ(cell(1, "Z"), ds("0.00000000"));
    EXPECT_EQ(view.status[1], "Suite 1  point 1 ");
    EXPECT_EQ(view.calls, (std::vector<std::string>{"select 0 1", "draw 1", "repaint"}));
    EXPECT_EQ(project.mousePosition().x, 60);
    EXPECT_FALSE(project.saved());
    EXPECT_EQ(ui.beeps, 1) << "table mode confirms every stored point";
}

TEST_P(PointStore, NewLineFollowsTheLineOfTheLastPoint) {
    project.Nouvelle_suite_de_points();
    EXPECT_EQ(ui.beeps, 0) << "no point: nothing happens";
    EXPECT_EQ(project.currentLine(), 1);

    calibrate();
    project.ajoute_point(20, 20);
    project.setLineBreakPending(false);
    ui.answerColour(std::nullopt);
    ui.answerColour(0xFF0000);
    project.Nouvelle_suite_de_points();
    project.Nouvelle_suite_de_points(); // twice without a point: still line 2
    EXPECT_EQ(project.currentLine(), 2);
    EXPECT_TRUE(project.lineBreakPending());
    EXPECT_EQ(ui.beeps, 2);
    EXPECT_EQ(view.status[1], "Suite 2  point ... ");
    EXPECT_EQ(project.lines().rowCount(), 3);
    const std::vector<std::string> line2 = {"2", "4", "16711680", "x"};
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(project.lines().cell(2, c), line2[c]);

    project.ajoute_point(30, 30);
    EXPECT_EQ(cell(2, "L"), "  2");
}

TEST_P(PointStore, DeletingPointsRenumbersAndKeepsLines) {
    calibrate();
    project.ajoute_point(20, 20);
    EXPECT_EQ(project.N(), 1);
    project.devalide_point();
    EXPECT_EQ(project.N(), 0);
    EXPECT_EQ(project.currentLine(), 1);
    EXPECT_EQ(project.points().rowCount(), 1);
    EXPECT_EQ(view.count, 0);
    project.devalide_point(); // nothing left: nothing changes
    EXPECT_EQ(project.N(), 0);

    ui.answerColour(std::nullopt);
    project.ajoute_point(20, 20);
    project.ajoute_point(30, 20);
    project.ajoute_point(40, 20);
    project.Nouvelle_suite_de_points();
    project.ajoute_point(50, 20);
    view.calls.clear();
    view.activeRow = 2; // chosen in the points table
    project.devalide_point();
    EXPECT_EQ(project.N(), 3);
    EXPECT_EQ(view.status[1], "Suite 2  point 3 ") << "the count drops with the point";
    EXPECT_EQ(cell(2, "n"), "    2");
    EXPECT_EQ(cell(2, "x"), "    40");
    EXPECT_EQ(cell(3, "L"), "  2");
    EXPECT_EQ(cell(3, "n"), "    3");
    EXPECT_EQ(project.currentLine(), 2);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"overlay", "erase band", "restore selection 2",
                                                    "redraw", "mouse move"}));
}

TEST_P(PointStore, DeletingTheLastPointContinuesTheLineOfTheNewLastPoint) {
    calibrate();
    ui.answerColour(std::nullopt);
    project.ajoute_point(20, 20);
    project.Nouvelle_suite_de_points();
    project.ajoute_point(30, 20);
    project.ajoute_point(40, 20);
    project.devalide_point();
    EXPECT_EQ(project.currentLine(), 2);
    project.ajoute_point(45, 20);
    EXPECT_EQ(cell(3, "L"), "  2");
}

TEST_P(PointStore, NearestShownPoint) {
    calibrate();
    ui.answerColour(std::nullopt);
    project.ajoute_point(20, 20);
    project.ajoute_point(30, 20);
    project.Nouvelle_suite_de_points();
    project.ajoute_point(40, 20);

    NearestPoint found;
    project.setMousePosition({25, 20});
    ASSERT_TRUE(project.cherche_proche_indice_ligne_point(found));
    EXPECT_EQ(found.point, 1) << "equal distances: the lower point number";
    EXPECT_EQ(found.line, 1);

    project.lines().setCell(1, 3, "");
    ASSERT_TRUE(project.cherche_proche_indice_ligne_point(found));
    EXPECT_EQ(found.point, 3);
    EXPECT_EQ(found.line, 2);

    project.lines().setCell(2, 3, "X"); // only "x" shows a line
    NearestPoint preset{7, 9};
    EXPECT_FALSE(project.cherche_proche_indice_ligne_point(preset));
    EXPECT_EQ(preset.line, 7);
    EXPECT_EQ(preset.point, 9);

    project.lines().setCell(1, 3, "x");
    project.points().setCell(1, project.indice_col("n"), "");
    ASSERT_TRUE(project.cherche_proche_indice_ligne_point(found));
    EXPECT_EQ(found.point, 2) << "a row without a number is not a point";
    EXPECT_EQ(project.N(), 3);
    EXPECT_EQ(project.currentLine(), 2);
}

TEST_P(PointStore, UndefinedAltitudeIsWrittenAsZeroAndReadAsZero) {
    calibrate();
    project.ajoute_point(20, 20);
    project.ajoute_point(30, 20);
    project.points().setCell(2, project.indice_col("Z"), ds("12.5"));
    project.setDecimalsText("2");
    project.calcul_nouveaux_calage();
    EXPECT_EQ(cell(1, "Z"), ds("0.00"));
    EXPECT_EQ(cell(2, "Z"), ds("12.50"));
    EXPECT_EQ(cell(2, "X"), ds("20.00"));
}

TEST_P(PointStore, UnreadableDecimalsFallBackToEightOnce) {
    calibrate();
    project.setDecimalsText("abc");
    project.ajoute_point(20, 20);
    project.ajoute_point(30, 20);
    EXPECT_EQ(project.D(), 8);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(
        ui.messages[0],
        "le nombre de décimale est illisible =<abc>\n on affecte donc 8 décimales par défaut");
    project.setDecimalsText("25");
    EXPECT_EQ(project.D(), 20);
    project.setDecimalsText("0");
    EXPECT_EQ(project.D(), 0);
}

TEST_P(PointStore, CalibrationValuesText) {
    calibrate();
    EXPECT_EQ(project.val_calage(), ds("(0.000   100.000)   (0.000   0.000)  (100.000   0.000) "));
}

} // namespace
