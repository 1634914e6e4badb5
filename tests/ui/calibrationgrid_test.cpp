// The calibration grid as the user meets it: rows typed or pasted after the last control
// point, and the residual columns within the table window on a small screen.
#include "MapWindow.h"
#include "model/NumberText.h"
#include "model/transform/ModelNames.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>

using namespace tracelle;

namespace {

// What a cell keeps of its width on either side of its text.
constexpr int kCellMargins = 8;

class CalibrationGrid : public tracelle::testing::MapWindow {
protected:
    CalibrationGrid() : MapWindow("tracelle_grille_calage_") {
        load();
        table.show();
        calibrate();
    }
    QTableView* view() { return table.calibrationGrid(); }
    QAbstractItemModel* grid() { return view()->model(); }
    std::string cell(int row, const char* header) {
        return model::enleve_blancs(
            w.project().calibration().cell(row, w.project().indice_col_cal(header)));
    }
    void paste(const std::string& clipboard) {
        ui.clipboard = clipboard;
        QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);
    }
};

TEST_F(CalibrationGrid, ARowTypedUnderTheLastBecomesAControlPoint) {
    auto& p = w.project();
    ASSERT_EQ(grid()->rowCount(), 4) << "three calibration rows and the row to type into";
    const struct {
        const char* header;
        const char* text;
        int count; // control points once typed
    } steps[] = {{"x", "100", 3}, {"y", "50", 3}, {"X", "103,5", 3}, {"Y", "-7.25", 4}};
    for (const auto& s : steps) {
        SCOPED_TRACE(s.header);
        typeCalibration(4, s.header, s.text);
        EXPECT_EQ(p.controlPointCount(), s.count);
    }
    EXPECT_EQ(cell(4, "x"), "100");
    EXPECT_EQ(p.controlPoints()[3].real.X, 103.5L);
    EXPECT_EQ(p.controlPoints()[3].real.Y, -7.25L);
    EXPECT_EQ(grid()->rowCount(), 5) << "a new row to type into";
    EXPECT_EQ(grid()->index(4, p.indice_col_cal("x")).data().toString(), "");
    EXPECT_EQ(p.calibrationFit().residuals().size(), 4u);
    EXPECT_TRUE(ui.messages.empty());
}

// A value typed over a calibration point's changes the calibration: the status bar drops the
// coordinates read under the former one.
TEST_F(CalibrationGrid, ATypedValueDropsTheCoordinatesReadBefore) {
    QTest::mouseMove(area, at(100, 50));
    ASSERT_FALSE(w.statusText(0).isEmpty());
    typeCalibration(3, "X", "1000");
    EXPECT_EQ(w.statusText(0).toStdString(), "");
}

TEST_F(CalibrationGrid, PastedRowsAreControlPointsUndoneAsOne) {
    auto& p = w.project();
    paste("60\t30\t61\t72\r\n140\t30\t139,5\t70\t12,5\r\n100\t50\t100\t50\r\n");
    ASSERT_EQ(p.controlPointCount(), 6);
    EXPECT_EQ(grid()->rowCount(), 7);
    EXPECT_EQ(cell(5, "X"), "139.5");
    EXPECT_EQ(cell(5, "Z"), "12.5");
    EXPECT_EQ(p.controlPoints()[5].pixel.x, 100);
    EXPECT_EQ(view()->currentIndex().row(), 5) << "the last pasted row selected";
    EXPECT_EQ(undoCaption(), "Annuler les points de contrôle 4 à 6");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(p.controlPointCount(), 3) << "one undo takes the whole paste back";
    EXPECT_EQ(grid()->rowCount(), 4);
}

TEST_F(CalibrationGrid, ARefusedPasteAddsNothing) {
    auto& p = w.project();
    const struct {
        const char* name;
        const char* clipboard;
        std::string message;
    } cases[] = {
        {"a word", "60 30 61 72\n140 30 cent 70\n",
         "Presse-papier : ligne 2 : « x y X Y [Z] » est attendu, et non <140 30 cent 70>"},
        {"nothing", "\n", "Presse-papier : aucun point de contrôle « x y X Y [Z] » à coller."},
        {"a value <= 0 on a logarithmic axis", "60 30 61 72\n140 30 0 70\n",
         model::fitStatusMessage(model::FitStatus::NotPositiveOnLogAxis,
                                 model::TransformMethod::Affine)},
    };
    // A frame where X is positive, for the logarithmic axis.
    for (int row = 1; row <= 3; ++row)
        p.calibration().setCell(row, p.indice_col_cal("X"), row == 3 ? "100" : "1");
    p.calcul_nouveaux_calage();
    model::AxisKinds logX;
    logX.x = model::AxisScale::Log10;
    ASSERT_EQ(p.setCalibrationModel(model::TransformMethod::Affine, logX),
              model::FitStatus::Fitted);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ui.messages.clear();
        paste(c.clipboard);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0], c.message);
        EXPECT_EQ(p.controlPointCount(), 3);
    }
    // Calibration begun again: the three calibration points come first.
    QTest::mouseClick(w.calibrationPanel()->findChild<QPushButton*>("BoutonCalibrer"),
                      Qt::LeftButton);
    ui.messages.clear();
    paste("60 30 61 72\n");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              "Les points de contrôle s'ajoutent aux trois points de calage : calez d'abord "
              "l'image.");
    EXPECT_EQ(p.controlPointCount(), 0);
}

// A value wider than its column shows whole under the mouse; one that fits, no tip.
TEST_F(CalibrationGrid, ANumberCutShortShowsWholeUnderTheMouse) {
    auto& p = w.project();
    p.calibration().setCell(1, p.indice_col_cal("X"), "6860286.047");
    p.calibration().setCell(2, p.indice_col_cal("X"), "12");
    const int column = p.indice_col_cal("X");
    // The one that fits first: a tip once shown takes a moment to go.
    for (const auto& [row, tip] : {std::pair{1, ""}, {0, "6860286.047"}}) {
        SCOPED_TRACE(tip);
        const QPoint at = view()->visualRect(grid()->index(row, column)).center();
        QHelpEvent help(QEvent::ToolTip, at, view()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view()->viewport(), &help);
        EXPECT_EQ((QToolTip::isVisible() ? QToolTip::text() : QString()).toStdString(), tip);
    }
}

TEST_F(CalibrationGrid, ResidualColumnsFitTheTableWindowOfASmallScreen) {
    // The table's share of a 1366 × 768 screen beside the map.
    // Below a title bar and above a task bar: the window's own scroll bar shows.
    table.setFixedSize(1366 * 45 / 100, 700);
    auto& p = w.project();
    for (const auto& [x, y] : {std::pair{60, 30}, {140, 30}, {100, 50}}) {
        QTest::mouseClick(w.calibrationPanel()->findChild<QPushButton*>("BoutonPointControle"),
                          Qt::LeftButton);
        click(x, y);
    }
    // Residuals as long as three digits make: negative, with an exponent.
    p.calibration().setCell(5, p.indice_col_cal("X"), "-123456.7");
    // The pixel of a large scan, in the columns at the right end.
    p.calibration().setCell(1, p.indice_col_cal("x"), "123456");
    p.calcul_nouveaux_calage();
    QApplication::processEvents();
    const QHeaderView* header = view()->horizontalHeader();
    const int right = view()->viewport()->width();
    for (int c = 0; c < grid()->columnCount(); ++c) {
        const QString caption = grid()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        const bool pixels = caption == "x" || caption == "y";
        if (!pixels &&
            !QStringList{"X", "Y", "Z", "utilisé", "dX", "dY", "distance", "dist. pixels"}.contains(
                caption))
            continue;
        SCOPED_TRACE(caption.toStdString());
        if (!pixels) {
            EXPECT_LE(header->sectionViewportPosition(c) + header->sectionSize(c), right);
        }
        // Whole numbers, not elided ones, within the cell's margins.
        for (int row = 0; row < grid()->rowCount(); ++row) {
            const QString text = grid()->index(row, c).data().toString();
            EXPECT_LE(view()->fontMetrics().horizontalAdvance(text) + kCellMargins,
                      header->sectionSize(c))
                << text.toStdString();
        }
    }
}

} // namespace
