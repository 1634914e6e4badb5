// Fichier › "Enregistrer l'image géoréférencée" driven as the user drives it: the refusals,
// the system typed in its panel, the boxes ticked, the GeoTIFF named in the save dialog, an
// existing world file replaced only when the user agrees; GDAL reads back what was written.
#include "MapWindow.h"
#include "gis/GeoreferencedPicture.h"
#include "support/Gdal.h"
#include "ui/GeoreferencedPicturePanel.h"

#include <QCheckBox>
#include <QLabel>
#include <functional>

namespace fs = std::filesystem;
using namespace tracelle;

namespace {

constexpr const char* kCommand = "&Fichier|Enregistrer l'image géoréférencée";

class GeoreferencedPictureWindow : public tracelle::testing::MapWindow {
protected:
    GeoreferencedPictureWindow() : MapWindow("tracelle_image_geo_") {
        panel = w.findChild<ui::GeoreferencedPicturePanel*>("PanelImageGeoreferencee");
    }

    // The picture calibrated by three clicks, and a fourth control point a little off.
    void calibrate() {
        load();
        MapWindow::calibrate();
        QTest::mouseClick(w.calibrationPanel()->findChild<QPushButton*>("BoutonPointControle"),
                          Qt::LeftButton);
        click(100, 50);
        auto& p = w.project();
        p.calibration().setCell(4, p.indice_col_cal("X"), "103.5");
        p.calcul_nouveaux_calage();
        ASSERT_TRUE(p.isCalibrated());
    }
    void typeSystem(const QString& text) {
        auto* system = panel->findChild<QLineEdit*>("Systeme");
        QTest::mouseClick(system, Qt::LeftButton);
        ASSERT_EQ(QApplication::focusWidget(), system);
        QTest::keyClick(system, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(system, Qt::Key_Backspace);
        QTest::keyClicks(system, text);
    }
    void tick(const char* box, bool on) {
        auto* check = panel->findChild<QCheckBox*>(box);
        // On its box: the caption's width depends on the fonts.
        if (check->isChecked() != on)
            QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
        ASSERT_EQ(check->isChecked(), on) << box;
    }
    void save() {
        QTest::mouseClick(panel->findChild<QPushButton*>("BoutonEnregistrerImage"), Qt::LeftButton);
    }
    std::string done() const {
        return panel->findChild<QLabel*>("ImageEcrite")->text().toStdString();
    }
    // Every control point's pixel centre read back by GDAL at the value the project gives.
    void expectGdalPlacesTheControlPoints(const std::string& file) {
        SCOPED_TRACE(file);
        const auto g = tracelle::testing::gdalGeoTransform(file);
        ASSERT_TRUE(g);
        const auto& p = w.project();
        for (const model::ControlPoint& cp : p.controlPoints()) {
            // GDAL counts from the picture's corner, the project from its pixel's centre.
            const double col = static_cast<double>(cp.pixel.x) - p.picture().ox + 0.5;
            const double line = static_cast<double>(cp.pixel.y) - p.picture().oy + 0.5;
            const auto real = p.calibrationFit().toReal(cp.pixel);
            ASSERT_TRUE(real);
            EXPECT_NEAR((*g)[0] + col * (*g)[1] + line * (*g)[2], static_cast<double>(real->X),
                        1e-6);
            EXPECT_NEAR((*g)[3] + col * (*g)[4] + line * (*g)[5], static_cast<double>(real->Y),
                        1e-6);
        }
    }

    ui::GeoreferencedPicturePanel* panel = nullptr;
};

TEST_F(GeoreferencedPictureWindow, RefusalsAreToldAndNothingIsWritten) {
    const struct {
        const char* name;
        std::function<void()> setUp;
        std::string message;
    } cases[] = {
        {"no picture", [] {}, "Aucune image à géoréférencer."},
        {"calibration begun again",
         [&] {
             calibrate();
             QTest::mouseClick(w.calibrationPanel()->findChild<QPushButton*>("BoutonCalibrer"),
                               Qt::LeftButton);
         },
         "L'image n'est pas calée."},
        {"polar axes",
         [&] {
             calibrate();
             model::AxisKinds axes;
             axes.polar = true;
             ASSERT_EQ(w.project().setCalibrationModel(model::TransformMethod::Affine, axes),
                       model::FitStatus::Fitted);
         },
         "Axes logarithmiques ou polaires : l'image ne se géoréférence pas."},
        {"picture gone",
         [&] {
             calibrate();
             fs::remove(picturePath);
         },
         "Image introuvable : " + picturePath},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.setUp();
        ui.messages.clear();
        w.action(kCommand)->trigger();
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0], c.message);
        EXPECT_FALSE(panel->isVisible());
        EXPECT_FALSE(fs::exists(gis::worldFileName(picturePath)));
    }
}

TEST_F(GeoreferencedPictureWindow, WorldFileAndGeoTiffReadBackByGdal) {
    calibrate();
    w.action(kCommand)->trigger();
    ASSERT_TRUE(panel->isVisible());
    typeSystem("EPSG:2154");
    tick("CaseFichierCalage", true);
    tick("CaseGeoTiff", true);
    const std::string tiff = (home_.dir / "carte-geo").string();
    ui.answerFileName(tiff);
    save();
    ASSERT_TRUE(ui.messages.empty()) << ui.messages.front();
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs.back().title, "Enregistrer l'image géoréférencée");
    EXPECT_EQ(done(), "Écrit : carte.bpw, carte.prj, carte-geo.tif");
    expectGdalPlacesTheControlPoints(picturePath);
    expectGdalPlacesTheControlPoints(tiff + ".tif");
    const auto keys = tracelle::testing::runGdal("gdalinfo -json", "", tiff + ".tif");
    ASSERT_TRUE(keys);
    EXPECT_NE(keys->find("Lambert-93"), std::string::npos);
}

TEST_F(GeoreferencedPictureWindow, AnExistingWorldFileIsReplacedOnlyWhenTheUserAgrees) {
    calibrate();
    const std::string world = gis::worldFileName(picturePath);
    w.action(kCommand)->trigger();
    typeSystem("EPSG:2154");
    tick("CaseFichierCalage", true);
    tick("CaseGeoTiff", false);
    save();
    const auto first = tracelle::testing::bytesOf(world);
    ASSERT_FALSE(first.empty());

    auto& p = w.project();
    p.calibration().setCell(4, p.indice_col_cal("X"), "150");
    p.calcul_nouveaux_calage();
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes);
        ui.questions.clear();
        ui.answerConfirm(yes);
        save();
        ASSERT_EQ(ui.questions.size(), 1u);
        EXPECT_EQ(ui.questions[0], "« carte.bpw » et « carte.prj » existent déjà. Les remplacer ?");
        EXPECT_EQ(tracelle::testing::bytesOf(world) == first, !yes);
    }
    expectGdalPlacesTheControlPoints(picturePath);
}

} // namespace
