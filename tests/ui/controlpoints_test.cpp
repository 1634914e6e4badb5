// Control points beyond the three calibration points, driven by real mouse and key events:
// added by clicks, their residuals in the calibration grid, one left out of the fit.
#include "MapWindow.h"
#include "measure/VectorMeasure.h"
#include "model/NumberText.h"
#include "ui/TextPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <algorithm>
#include <functional>

using namespace tracelle;

namespace {

class ControlPoints : public tracelle::testing::MapWindow {
protected:
    ControlPoints() : MapWindow("tracelle_controle_") {
        load();
        table.show();
        calibrate();
    }

    void panelButton(const char* name) {
        QTest::mouseClick(w.calibrationPanel()->findChild<QPushButton*>(name), Qt::LeftButton);
    }
    void addByClick(int x, int y) {
        panelButton("BoutonPointControle");
        click(x, y);
    }
    QAbstractItemModel* grid() { return table.calibrationGrid()->model(); }
    int residualColumn(const QString& header) {
        for (int c = 0; c < grid()->columnCount(); ++c)
            if (grid()->headerData(c, Qt::Horizontal, Qt::DisplayRole) == header) return c;
        ADD_FAILURE() << header.toStdString();
        return 0;
    }
    QString shown(int row, const QString& header, int role = Qt::DisplayRole) {
        return grid()->index(row - 1, residualColumn(header)).data(role).toString();
    }
    // Two digitized points, and a positive frame, so that a logarithmic X axis fits.
    void pointsOnAPositiveFrame() {
        auto& p = w.project();
        for (const auto& [x, y] : {std::pair{50, 50}, {70, 60}})
            click(x, y);
        for (int row = 1; row <= 3; ++row)
            p.calibration().setCell(row, p.indice_col_cal("X"), row == 3 ? "100" : "1");
        p.calcul_nouveaux_calage();
        ASSERT_TRUE(p.isCalibrated());
    }
    void logarithmicX() {
        w.calibrationPanel()->show();
        QTest::mouseClick(w.calibrationPanel()->findChild<QCheckBox*>("CaseLogX"), Qt::LeftButton);
        ASSERT_EQ(w.project().axisKinds().x, model::AxisScale::Log10);
        panelButton("BoutonRetour"); // the panel off the picture
    }
    model::Real calibrationValue(int row, const char* header) {
        return model::val_reel(
            w.project().calibration().cell(row, w.project().indice_col_cal(header)));
    }
};

TEST_F(ControlPoints, AClickAddsARowWithItsPixel) {
    auto& p = w.project();
    ASSERT_TRUE(p.isCalibrated());
    addByClick(100, 50);
    EXPECT_EQ(p.controlPointCount(), 4);
    EXPECT_EQ(p.N(), 0) << "the click is not a point of a line";
    EXPECT_EQ(grid()->rowCount(), 5) << "and the row to type into";
    EXPECT_EQ(p.calibration().cell(4, p.indice_col_cal("x")), model::_format(100, 4, 0));
    EXPECT_EQ(p.calibration().cell(4, p.indice_col_cal("y")), model::_format(50, 4, 0));
    EXPECT_EQ(table.calibrationGrid()->currentIndex().row(), 3) << "the row to type into";
    click(60, 50);
    EXPECT_EQ(p.N(), 1) << "the next click digitizes again";
    EXPECT_EQ(p.controlPointCount(), 4);
}

TEST_F(ControlPoints, ModelsWithoutEnoughPointsAreGreyedWithTheNumberNeeded) {
    auto* models = w.calibrationPanel()->findChild<QComboBox*>("ComboModele");
    addByClick(100, 50);
    const auto* items = static_cast<const QStandardItemModel*>(models->model());
    const struct {
        int index;
        const char* text;
        bool enabled;
    } cases[] = {{0, "affine", true},
                 {1, "Helmert", true},
                 {2, "projective", true},
                 {3, "polynomial 2 (6 points)", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(models->itemText(c.index), QString::fromUtf8(c.text));
        EXPECT_EQ(items->item(c.index)->isEnabled(), c.enabled);
    }
}

TEST_F(ControlPoints, ResidualColumnsAndTheRms) {
    auto& p = w.project();
    addByClick(100, 50);
    // The fourth point's X typed 6 units off what the first three give.
    typeCalibration(4, "X", model::_format2(calibrationValue(4, "X") + 6, 18, 3));
    ASSERT_EQ(p.calibrationFit().residuals().size(), 4u);
    for (int row = 1; row <= 4; ++row) {
        SCOPED_TRACE(row);
        const model::Residual& r = p.calibrationFit().residuals()[std::size_t(row - 1)];
        EXPECT_NE(r.distance, 0) << "four points spread the error over all";
        EXPECT_EQ(shown(row, "dX").toStdString(), model::texte_general(r.dX, 3));
        EXPECT_EQ(shown(row, "distance").toStdString(), model::texte_general(r.distance, 3));
        EXPECT_FALSE(shown(row, "dist. pixels").isEmpty());
    }
    const QString rms = QString::fromStdString(
        model::enleve_blancs(model::_format2(p.calibrationFit().rms(), 18, p.D())));
    EXPECT_EQ(w.calibrationPanel()->findChild<QLabel*>("LabelRMS")->text(), "RMS = " + rms);
    EXPECT_TRUE(w.statusText(1).endsWith("RMS = " + rms)) << w.statusText(1).toStdString();
}

TEST_F(ControlPoints, AResidualAboveThreeRmsIsRed) {
    auto& p = w.project();
    // A grid of exact points and one at the centre off by 20 units.
    for (int x = 40; x <= 160; x += 40)
        for (int y = 25; y <= 75; y += 25)
            addByClick(x, y);
    addByClick(100, 50);
    const int outlier = p.controlPointCount();
    typeCalibration(outlier, "Y", model::_format2(calibrationValue(outlier, "Y") + 20, 18, 3));
    EXPECT_EQ(grid()->index(outlier - 1, residualColumn("distance")).data(Qt::ForegroundRole),
              QVariant(QColor(Qt::red)));
    EXPECT_FALSE(grid()->index(4, residualColumn("distance")).data(Qt::ForegroundRole).isValid());
}

TEST_F(ControlPoints, APointLeftOutKeepsItsResidualAndLeavesTheFit) {
    auto& p = w.project();
    addByClick(100, 50);
    addByClick(150, 30);
    typeCalibration(5, "X", model::_format2(calibrationValue(5, "X") + 6, 18, 3));
    ASSERT_NE(p.calibrationFit().rms(), 0);

    QTableView* view = table.calibrationGrid();
    view->setCurrentIndex(grid()->index(4, residualColumn("utilisé")));
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_FALSE(p.controlPointUsed(5));
    EXPECT_EQ(shown(5, "utilisé", Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_EQ(p.controlPointCount(), 5) << "kept in the table";
    EXPECT_NEAR(static_cast<double>(p.calibrationFit().rms()), 0, 1e-9)
        << "the four others agree exactly";
    EXPECT_NEAR(model::val_reel(shown(5, "dX").toStdString()), -6, 1e-2)
        << "its residual still shown";

    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_TRUE(p.controlPointUsed(5));
    EXPECT_NE(p.calibrationFit().rms(), 0);
}

// A model chosen on the panel and a point left out in the grid are each one step of the Edition
// menu: Ctrl+Z gives back the fit, the panel, the grid and every point's real values, Ctrl+Y the
// change again.
TEST_F(ControlPoints, CtrlZTakesBackTheModelAndAPointLeftOut) {
    auto& p = w.project();
    click(60, 50);
    addByClick(100, 50);
    addByClick(150, 30);
    typeCalibration(5, "X", model::_format2(calibrationValue(5, "X") + 6, 18, 3));
    const auto pointX = [&] { return p.points().cell(1, p.indice_col("X")); };
    auto* models = w.calibrationPanel()->findChild<QComboBox*>("ComboModele");
    QTableView* view = table.calibrationGrid();
    const struct {
        const char* caption;
        std::function<void()> change;
        std::function<bool()> changed; // as the project and the windows show it
    } cases[] = {
        {"Annuler le changement de modèle de calage",
         [&] {
             w.calibrationPanel()->show();
             QTest::keyClick(models, Qt::Key_Down);
         },
         [&] {
             EXPECT_EQ(models->currentIndex() == 1,
                       p.calibrationMethod() == model::TransformMethod::Helmert);
             return p.calibrationMethod() == model::TransformMethod::Helmert;
         }},
        {"Annuler le retrait du point de contrôle 5",
         [&] {
             view->setCurrentIndex(grid()->index(4, residualColumn("utilisé")));
             QTest::keyClick(view, Qt::Key_Space);
         },
         [&] {
             EXPECT_EQ(shown(5, "utilisé", Qt::CheckStateRole).toInt() == Qt::Unchecked,
                       !p.controlPointUsed(5));
             return !p.controlPointUsed(5);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        const std::string before(pointX());
        const model::Real rms = p.calibrationFit().rms();
        c.change();
        ASSERT_TRUE(c.changed());
        const std::string after(pointX());
        EXPECT_NE(after, before) << "the points were made again";
        EXPECT_EQ(undoCaption(), c.caption);
        w.activateWindow();
        QSignalSpy shown(grid(), &QAbstractItemModel::dataChanged);
        key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_FALSE(c.changed());
        EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [&](const QList<QVariant>& signal) {
            return signal[1].toModelIndex().column() >= residualColumn("distance");
        })) << "the grid shows the residuals of the fit put back";
        EXPECT_EQ(pointX(), before);
        EXPECT_EQ(p.calibrationFit().rms(), rms) << "fitted again";
        key(Qt::Key_Y, Qt::ControlModifier);
        EXPECT_TRUE(c.changed());
        EXPECT_EQ(pointX(), after);
    }
}

// Lengths, bearings and areas have no meaning on logarithmic axes: every measuring click refuses
// with the one sentence and measures nothing; on linear axes each measures as ever.
class MeasuresOnAxes : public ControlPoints, public ::testing::WithParamInterface<bool> {};

TEST_P(MeasuresOnAxes, AreRefusedOnLogarithmicAxesOnly) {
    const bool logarithmic = GetParam();
    auto& p = w.project();
    ASSERT_NO_FATAL_FAILURE(pointsOnAPositiveFrame());
    if (logarithmic) {
        ASSERT_NO_FATAL_FAILURE(logarithmicX());
    }
    const auto report = [this](const char* text) {
        return w.textPanel()->memo()->toPlainText().contains(QString::fromUtf8(text));
    };
    const picture::Pixel green = picture::rgb555(0, 128, 0);
    const struct {
        const char* button;
        std::function<void()> use; // after the button
        std::function<bool()> measured;
        bool asks; // the contour question that ends a raster area
    } cases[] = {
        // "Cap et angle" last of the clicks: the text panel it opens lies over the left of the
        // picture.
        {"Surface", [&] { click(60, 55); }, [&] { return !w.scalePanel()->isHidden(); }, false},
        {"Colorer la surface", [&] { click(100, 50); },
         [&] { return w.layer().pixel(100, 50) == green; }, false},
        {"Cap et angle",
         [&] {
             click(50, 50);
             QTest::mouseMove(area, at(150, 50)); // right of the text panel the mode opens
         },
         [&] {
             return report("distance cumulée à partir de (1)") ||
                    w.statusText(2).contains(QStringLiteral("Distance="));
         },
         false},
        {"-> Calcul Surf colorée", [] {}, [&] { return report(" Surface raster = "); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        ui.messages.clear();
        if (c.asks && !logarithmic) ui.answerConfirm(true);
        QTest::mouseClick(button(QString::fromUtf8(c.button)), Qt::LeftButton);
        c.use();
        if (logarithmic) {
            EXPECT_EQ(ui.messages, std::vector{*measure::mesureSansSens(p)});
            EXPECT_FALSE(c.measured());
        } else {
            EXPECT_EQ(ui.messages, std::vector<std::string>{});
            EXPECT_TRUE(c.measured());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Axes, MeasuresOnAxes, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& axes) {
                             return axes.param ? "Logarithmic" : "Linear";
                         });

// A sequence begun on linear axes shows no distance to the mouse once they turn logarithmic.
TEST_F(ControlPoints, CapShowsNoDistanceOnceTheAxesTurnLogarithmic) {
    ASSERT_NO_FATAL_FAILURE(pointsOnAPositiveFrame());
    QTest::mouseClick(button("Cap et angle"), Qt::LeftButton);
    click(50, 50);
    // Right of the text panel, which the mode opens over the left of the picture.
    QTest::mouseMove(area, at(150, 50));
    ASSERT_TRUE(w.statusText(2).contains(QStringLiteral("Distance=")));
    ASSERT_NO_FATAL_FAILURE(logarithmicX());
    QTest::mouseMove(area, at(160, 60));
    EXPECT_FALSE(w.statusText(2).contains(QStringLiteral("Distance=")))
        << w.statusText(2).toStdString();
}

// A radar plot: its centre, clicked as the second point, is at r = -20; the third is 0 dB east.
TEST_F(ControlPoints, APolarCentreIsChosenAmongTheControlPoints) {
    auto& p = w.project();
    const char* values[3][2] = {{"0", "90"}, {"-20", "0"}, {"0", "0"}};
    for (int row = 1; row <= 3; ++row)
        for (int c = 0; c < 2; ++c)
            p.calibration().setCell(row, p.indice_col_cal(c == 0 ? "X" : "Y"), values[row - 1][c]);
    p.calcul_nouveaux_calage();
    w.calibrationPanel()->show();
    // The centre first: with r = 0 there, the radius of -20 would refuse the polar axes.
    auto* origin = w.calibrationPanel()->findChild<QComboBox*>("ComboOrigine");
    EXPECT_EQ(origin->currentText(), "centre en r = 0");
    ASSERT_EQ(origin->count(), 4);
    origin->setFocus();
    for (int step = 0; step < 2; ++step)
        QTest::keyClick(origin, Qt::Key_Down);
    EXPECT_EQ(origin->currentText(), "centre au point 2");
    EXPECT_FALSE(p.axisKinds().polar);
    // On its box: the caption's width depends on the fonts.
    auto* polar = w.calibrationPanel()->findChild<QCheckBox*>("CasePolaire");
    QTest::mouseClick(polar, Qt::LeftButton, {}, QPoint(8, polar->height() / 2));
    ASSERT_TRUE(p.axisKinds().polar) << (ui.messages.empty() ? "" : ui.messages.back());
    EXPECT_EQ(p.axisKinds().origin, 2);
    model::Real r = 0, theta = 0;
    ASSERT_TRUE(p.repere_carte(20, 80, r, theta));
    EXPECT_NEAR(static_cast<double>(r), -20, 1e-9) << "the centre's own radius";
    ASSERT_TRUE(p.repere_carte(100, 80, r, theta));
    EXPECT_NEAR(static_cast<double>(r), -10, 1e-9);
    EXPECT_NEAR(static_cast<double>(theta), 0, 1e-9);
}

} // namespace
