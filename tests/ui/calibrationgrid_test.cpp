// The calibration grid as the user meets it: rows typed or pasted after the last control
// point, and the residual columns within the table window on a small screen.
#include "MapWindow.h"
#include "model/NumberText.h"
#include "ui/CalibrationPanels.h"

#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

using namespace tracelle;

namespace {

// What a cell keeps of its width on either side of its text.
constexpr int kCellMargins = 8;

class CalibrationGrid : public tracelle::testing::MapWindow {
protected:
    CalibrationGrid() : MapWindow("tracelle_grille_calage_") {
        load();
        table.show();
        QTest::mouseClick(w.calibrationPanel()->findChild<QPushButton*>("BoutonCalibrer"),
                          Qt::LeftButton);
        for (const auto& [x, y] : {std::pair{20, 20}, {20, 80}, {180, 80}})
            click(x, y);
    }
    QTableView* view() { return table.calibrationGrid(); }
    QAbstractItemModel* grid() { return view()->model(); }
};

TEST_F(CalibrationGrid, ResidualColumnsFitTheTableWindowOfASmallScreen) {
    // The table's share of a 1366 × 768 screen beside the map.
    table.setFixedSize(1366 * 45 / 100, 740);
    auto& p = w.project();
    for (const auto& [x, y] : {std::pair{60, 30}, {140, 30}, {100, 50}}) {
        QTest::mouseClick(w.calibrationPanel()->findChild<QPushButton*>("BoutonPointControle"),
                          Qt::LeftButton);
        click(x, y);
    }
    // Residuals as long as three digits make: negative, with an exponent.
    p.calibration().setCell(5, p.indice_col_cal("X"), "-123456.7");
    p.calcul_nouveaux_calage();
    QApplication::processEvents();
    const QHeaderView* header = view()->horizontalHeader();
    const int right = view()->viewport()->width();
    for (int c = 0; c < grid()->columnCount(); ++c) {
        const QString caption = grid()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        if (!QStringList{"X", "Y", "Z", "utilisé", "dX", "dY", "distance", "dist. pixels"}.contains(
                caption))
            continue;
        SCOPED_TRACE(caption.toStdString());
        EXPECT_LE(header->sectionViewportPosition(c) + header->sectionSize(c), right);
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
