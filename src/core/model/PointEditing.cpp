// Points edited on the picture: moved, deleted anywhere, inserted on a segment.
#include "model/NumberText.h"
#include "model/Project.h"
#include "platform/Language.h"

#include <algorithm>

namespace tracelle::model {

using platform::fill;
using platform::translate;

void Project::deplacePoint(int i, std::int32_t x, std::int32_t y) {
    if (i < 1 || i > n_ || i >= points_.rowCount()) return;
    history_.name(fill(translate("History", "le déplacement du point %1"), {std::to_string(i)}));
    points_.setCell(i, indice_col("x"), format_entier(x, 4));
    points_.setCell(i, indice_col("y"), format_entier(y, 4));
    stocke_modif_xy(i);
    setSaved(false);
}

void Project::deplaceCalage(int k, std::int32_t x, std::int32_t y) {
    if (k < 1 || k > k_ || k >= calibration_.rowCount()) return;
    history_.name(
        fill(translate("History", "le déplacement du point de calage %1"), {std::to_string(k)}));
    calibration_.setCell(k, indice_col_cal("x"), _format(x, 4, 0));
    calibration_.setCell(k, indice_col_cal("y"), _format(y, 4, 0));
    auto& record = records_[static_cast<std::size_t>(k)];
    record.x = x;
    record.y = y;
    refitCalibration();
    // Every point is made again from its pixel in the moved frame.
    calcul_nouveaux_calage();
    setSaved(false);
}

void Project::renumerote(int from) {
    const int nCol = indice_col("n");
    TextTable::CellChanges changes(points_);
    for (int i = from; i <= n_ && i < points_.rowCount(); ++i)
        points_.setCell(i, nCol, _format(i, 3, 0));
}

void Project::supprimePoint(int i) {
    if (i < 1 || i > n_ || i >= points_.rowCount()) return;
    history_.name(fill(translate("History", "la suppression du point %1"), {std::to_string(i)}));
    const bool last = i == n_;
    points_.removeRow(i);
    --n_;
    renumerote(i);
    // The next click continues the line of the new last point.
    if (last)
        currentLine_ = n_ >= 1 ? std::max(1, val_entier(points_.cell(n_, indice_col("L")))) : 1;
    setSaved(false);
}

void Project::inserePoint(int i, std::int32_t x, std::int32_t y) {
    if (i < 1 || i > n_ || i >= points_.rowCount()) return;
    history_.name(fill(translate("History", "l'insertion d'un point avant le point %1"),
                       {std::to_string(i)}));
    const PointColumns c = pointColumns();
    const std::int32_t L = val_entier(points_.cell(i, c.L));
    Real X = x;
    Real Y = y;
    repere_carte(x, y, X, Y);
    points_.insertRow(i, {});
    ++n_;
    writePoint(c, i, L, "", kUndefinedReal, X, Y, x, y);
    renumerote(i + 1);
    setSaved(false);
}

} // namespace tracelle::model
