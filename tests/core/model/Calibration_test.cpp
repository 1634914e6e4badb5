#include "ProjectFixture.h"

using namespace tracelle::model;
using tracelle::testing::ProjectTest;

namespace {

class Calibration : public ProjectTest {
protected:
    struct Row {
        const char* X;
        const char* Y;
        const char* x;
        const char* y;
    };
    void expectRows(const Row (&rows)[3]) {
        for (int k = 1; k <= 3; ++k) {
            SCOPED_TRACE("row " + std::to_string(k));
            EXPECT_EQ(val_reel(calCell(k, "X")), val_reel(rows[k - 1].X));
            EXPECT_EQ(val_reel(calCell(k, "Y")), val_reel(rows[k - 1].Y));
            EXPECT_EQ(val_entier(calCell(k, "x")), val_entier(rows[k - 1].x));
            EXPECT_EQ(val_entier(calCell(k, "y")), val_entier(rows[k - 1].y));
            EXPECT_EQ(calCell(k, "n"), std::to_string(k)) << "rows keep their own number";
            EXPECT_EQ(calCell(k, "Libellé"), "cal " + std::to_string(k));
        }
    }
};
TRACELLE_UNDER_BOTH_SEPARATORS(Calibration);

TEST_P(Calibration, ThreeClickedPointsMapImageToRealAndBack) {
    calibrate();
    EXPECT_EQ(project.K(), 3);
    EXPECT_EQ(calCell(2, "x"), "    10");
    Real X = -1, Y = -1;
    ASSERT_TRUE(project.repere_carte(60, 60, X, Y));
    EXPECT_EQ(X, 50);
    EXPECT_EQ(Y, 50);
    // Halves go to the even pixel.
    for (const auto& [rX, rY, pixel] :
         {std::tuple{50.0L, 50.0L, 60}, {0.5L, 100.5L, 10}, {1.5L, 98.5L, 12}}) {
        std::int32_t x = 0, y = 0;
        ASSERT_TRUE(project.repere_image(rX, rY, x, y));
        EXPECT_EQ(std::pair(x, y), std::pair(pixel, pixel)) << rX << ", " << rY;
    }
}

TEST_P(Calibration, RotatedAndShearedFrameRoundTripsEveryPixel) {
    project.affecte_calage(1, 0, "cal 1", 0, 4512345.5L, 712000.25L);
    project.affecte_calage(2, 0, "cal 2", 0, 4511000, 711250.75L);
    project.affecte_calage(3, 0, "cal 3", 0, 4511500.125L, 713999);
    project.valide_point_calage(137, 52);
    project.valide_point_calage(90, 1810);
    project.valide_point_calage(2400, 1700);
    for (std::int32_t x = -50; x < 3000; x += 97) {
        for (std::int32_t y = -50; y < 2500; y += 89) {
            Real X, Y;
            ASSERT_TRUE(project.repere_carte(x, y, X, Y));
            std::int32_t bx = 0, by = 0;
            ASSERT_TRUE(project.repere_image(X, Y, bx, by));
            ASSERT_EQ(bx, x);
            ASSERT_EQ(by, y);
        }
    }
}

TEST_P(Calibration, CollinearPointsDefineNoTransformAndPointsKeepTheirValues) {
    project.valide_point_calage(10, 10);
    project.valide_point_calage(20, 20);
    Real X = 7, Y = 8;
    EXPECT_FALSE(project.repere_carte(5, 5, X, Y)) << "fewer than three points";
    project.valide_point_calage(30, 30);
    EXPECT_EQ(project.K(), 3);
    EXPECT_FALSE(project.repere_carte(5, 5, X, Y));
    EXPECT_EQ(X, 7);

    project.affecte_en(1, 1, "", 0, 12.5L, 13.5L, 40, 40);
    project.calcul_nouveaux_calage();
    EXPECT_EQ(val_reel(cell(1, "X")), 12.5L);
}

TEST_P(Calibration, AClickOnAnExistingCalibrationPixelIsRefused) {
    project.setTableMode(true);
    project.valide_point_calage(10, 10);
    EXPECT_EQ(ui.beeps, 1);
    project.valide_point_calage(10, 10);
    EXPECT_EQ(project.K(), 1);
    EXPECT_EQ(ui.beeps, 2);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"select 1 1", "cross 10 10", "repaint"}));
}

TEST_P(Calibration, ObliqueModeDerivesTheRightAngleCorner) {
    project.setCalibrationMode(CalibrationMode::Oblique);
    project.valide_point_calage(100, 50);
    project.valide_point_calage(300, 250);
    EXPECT_EQ(project.K(), 3);
    expectRows({{"0", "1", "100", "50"}, {"0", "0", "100", "250"}, {"1", "0", "300", "250"}});
    EXPECT_EQ(project.record(2).x, 100);
    EXPECT_EQ(project.record(2).y, 250);
    EXPECT_EQ(project.record(1).Y, 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              "n'oubliez pas d'affecter les bonnes valeurs aux X Y des 3 points de calages !");
    Real X, Y;
    ASSERT_TRUE(project.repere_carte(200, 150, X, Y));
    EXPECT_EQ(X, 0.5L);
    EXPECT_EQ(Y, 0.5L);
}

TEST_P(Calibration, HorizontalModeForcesPointTwoOntoTheHorizontal) {
    project.setCalibrationMode(CalibrationMode::Horizontal);
    project.valide_point_calage(100, 200);
    project.valide_point_calage(300, 180);
    EXPECT_EQ(project.K(), 3);
    expectRows({{"0", "1", "100", "0"}, {"0", "0", "100", "200"}, {"1", "0", "300", "200"}});
    Real X, Y;
    ASSERT_TRUE(project.repere_carte(200, 100, X, Y));
    EXPECT_EQ(X, 0.5L);
    EXPECT_EQ(Y, 0.5L) << "an orthonormal frame";
}

TEST_P(Calibration, TwoPointModesRefuseASecondClickThatCannotDeriveAThirdPoint) {
    const struct {
        CalibrationMode mode;
        std::int32_t x, y;
    } cases[] = {{CalibrationMode::Horizontal, 100, 400},
                 {CalibrationMode::Oblique, 100, 400},
                 {CalibrationMode::Oblique, 300, 200}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        Project p;
        p.setCalibrationMode(c.mode);
        ui.messages.clear();
        p.valide_point_calage(100, 200);
        p.valide_point_calage(c.x, c.y);
        EXPECT_EQ(p.K(), 1);
        EXPECT_EQ(ui.messages.size(), 1u);
        p.valide_point_calage(300, 100); // another second point
        EXPECT_EQ(p.K(), 3);
    }
}

TEST_P(Calibration, EditedValuesAreTakenByTheRecomputation) {
    calibrate();
    project.ajoute_point(60, 60);
    project.calibration().setCell(1, project.indice_col_cal("Y"), "200");
    project.calibration().setCell(3, project.indice_col_cal("X"), ds("200.0"));
    project.calcul_nouveaux_calage();
    EXPECT_EQ(cell(1, "X"), ds("100.00000000"));
    EXPECT_EQ(cell(1, "Y"), ds("100.00000000"));
    project.calibration().setCell(1, project.indice_col_cal("Y"), "-");
    project.calcul_nouveaux_calage();
    EXPECT_TRUE(isUndefined(project.record(1).Y));
}

TEST_P(Calibration, ARecomputationTellsOnceOfTheCellsThatHoldNoNumber) {
    calibrate();
    for (int i = 0; i < 3; ++i)
        project.ajoute_point(60 + i, 60);
    const std::string told =
        "EConvertError\n\r'2-3' n'est pas une valeur en virgule flottante correcte";
    for (const char* header : {"X", "Y", "Z"}) {
        SCOPED_TRACE(header);
        ui.messages.clear();
        for (int i = 1; i <= 3; ++i)
            project.points().setCell(i, project.indice_col(header), "2-3");
        project.calcul_nouveaux_calage();
        EXPECT_EQ(ui.messages, std::vector<std::string>{told});
        EXPECT_EQ(cell(2, "X"), ds("51.00000000")) << "made again from the pixel";
    }
}

TEST_P(Calibration, DefaultFrameOfANewPicture) {
    project.setDefaultCalibration(1000, 500, 0, 83);
    EXPECT_EQ(project.K(), 3);
    expectRows({{"0", "499", "0", "83"}, {"0", "0", "0", "583"}, {"999", "0", "1000", "583"}});
    Real X, Y;
    ASSERT_TRUE(project.repere_carte(0, 83, X, Y));
    EXPECT_EQ(X, 0);
    EXPECT_EQ(Y, 499);
}

TEST_P(Calibration, RescalingMultipliesTheCalibrationAboutTheOrigin) {
    calibrate();
    project.ajoute_point(60, 60);
    project.setLastDistance(2);

    EXPECT_EQ(project.rescale("abc"), RescaleResult::Refused);
    EXPECT_EQ(ui.messages.back(), "valeur <abc> non numérique ou distance nulle ");

    ui.answerConfirm(false);
    EXPECT_EQ(project.rescale("10"), RescaleResult::Declined);
    EXPECT_EQ(cell(1, "X"), ds("50.00000000"));

    ui.answerConfirm(true);
    EXPECT_EQ(project.rescale(ds("10.0")), RescaleResult::Applied);
    EXPECT_EQ(ui.questions.back(), ds(" Mise à l'échelle = calcul des calibrations\n  distance "
                                      "calculée  = 2\n  distance réelle    = 10\n  facteur "
                                      "d'échelle = 5"));
    EXPECT_EQ(calCell(1, "Y"), "500");
    EXPECT_EQ(calCell(3, "X"), "500");
    EXPECT_EQ(cell(1, "X"), ds("250.00000000"));
    EXPECT_EQ(cell(1, "Y"), ds("250.00000000"));
}

TEST_P(Calibration, TableModeAnnouncesTheCalibrationClicks) {
    calibrate();
    project.ajoute_point(60, 60);
    project.setTableMode(true);
    project.mess_3_calage_svp_et_init();
    EXPECT_EQ(project.N(), 0);
    EXPECT_EQ(project.currentLine(), 1);
    EXPECT_EQ(project.K(), 3);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Les 3 premiers points cliqués sont les points "
                                                    "de calage \n\n    entrez leur coordonnée"});
}

} // namespace
