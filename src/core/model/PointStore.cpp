// Storing, listing, deleting and searching the points of the project.
#include "model/NumberText.h"
#include "model/Project.h"
#include "platform/Interaction.h"
#include "platform/Language.h"

#include <algorithm>
#include <cmath>

namespace tracelle::model {

using platform::fill;
using platform::interaction;
using platform::translate;

namespace {

std::string statusLinePoint(std::int32_t line, const std::string& point) {
    return fill(translate("PointStore", "Suite %1  point %2 "), {std::to_string(line), point});
}

} // namespace

void Project::stocke_xy(std::int32_t n, std::int32_t L, std::int32_t x, std::int32_t y) {
    view_->showStatus(1, statusLinePoint(L, std::to_string(n)));
    // Without a usable calibration the pixel position stands in until the next recomputation.
    Real X = x;
    Real Y = y;
    repere_carte(x, y, X, Y);
    affecte_en(n, L, "", kUndefinedReal, X, Y, x, y);
    view_->selectRow(TableId::Points, n);
}

void Project::valide_point(std::int32_t n, std::int32_t L, std::int32_t x, std::int32_t y) {
    stocke_xy(n, L, x, y);
    view_->drawPoint(n);
    mouse_ = {x, y};
    view_->repaintView();
    if (tableMode_) interaction().beep();
}

void Project::ajoute_point(std::int32_t x, std::int32_t y) {
    ++n_;
    history_.name(fill(translate("History", "l'ajout du point %1"), {std::to_string(n_)}));
    setSaved(false);
    valide_point(n_, currentLine_, x, y);
}

Project::PointColumns Project::pointColumns() const {
    return {indice_col("n"), indice_col("L"), indice_col("Libellé"), indice_col("X"),
            indice_col("Y"), indice_col("Z"), indice_col("x"),       indice_col("y")};
}

void Project::affecte_en(int i, std::int32_t L, const std::string& label, Real Z, Real X, Real Y,
                         std::int32_t x, std::int32_t y) {
    writePoint(pointColumns(), i, L, label, Z, X, Y, x, y);
}

// D follows the decimals text: it is read again whenever that text is set.
void Project::writePoint(const PointColumns& c, int i, std::int32_t L, const std::string& label,
                         Real Z, Real X, Real Y, std::int32_t x, std::int32_t y) {
    const int d = decimals_;
    if (i >= points_.rowCount()) points_.setRowCount(i + 1);
    points_.setCell(i, c.n, format_entier(i, 3));
    points_.setCell(i, c.L, format_entier(L, 2));
    points_.setCell(i, c.label, label);
    points_.setCell(i, c.X, _format2(X, 18, d));
    points_.setCell(i, c.Y, _format2(Y, 18, d));
    points_.setCell(i, c.Z, _format2(Z, 18, d));
    points_.setCell(i, c.x, format_entier(x, 4));
    points_.setCell(i, c.y, format_entier(y, 4));
}

void Project::affecte_calage(int k, std::int32_t L, const std::string& label, Real Z, Real Y,
                             Real X) {
    if (k >= calibration_.rowCount()) calibration_.setRowCount(k + 1);
    calibration_.setCell(k, indice_col_cal("n"), _format(k, 1, 0));
    calibration_.setCell(k, indice_col_cal("L"), _format(L, 1, 0));
    calibration_.setCell(k, indice_col_cal("Libellé"), label);
    calibration_.setCell(k, indice_col_cal("X"), _format(X, 12, 4));
    calibration_.setCell(k, indice_col_cal("Y"), _format(Y, 12, 4));
    calibration_.setCell(k, indice_col_cal("Z"), _format(Z, 12, 4));
}

bool Project::liste_extrait_Lxy(int i, PointRow& row) const {
    if (i < 1 || i >= points_.rowCount()) return false;
    readPoint(pointColumns(), i, row);
    return true;
}

void Project::readPoint(const PointColumns& c, int i, PointRow& row) const {
    row.L = val_entier(points_.cell(i, c.L));
    row.label = points_.cell(i, c.label);
    row.Z = val_reel(points_.cell(i, c.Z));
    row.Y = val_reel(points_.cell(i, c.Y));
    row.X = val_reel(points_.cell(i, c.X));
    row.x = val_entier(points_.cell(i, c.x));
    row.y = val_entier(points_.cell(i, c.y));
}

void Project::stocke_modif_xy(int i) {
    if (i < 1 || i >= points_.rowCount()) return;
    bool told = false;
    recomputePoint(pointColumns(), i, told);
}

void Project::recomputePoint(const PointColumns& c, int i, bool& told) {
    // A cell that holds no number is told by val_reel's message, once for all the rows of a
    // recomputation.
    const auto tell = [&told](std::string_view text) {
        if (told) return;
        val_reel(text);
        told = true;
    };
    const auto read = [&](int column) {
        const std::string_view text = points_.cell(i, column);
        const auto value = readRealQuietly(text);
        if (!value) tell(text);
        return value.value_or(0);
    };
    const std::int32_t x = val_entier(points_.cell(i, c.x));
    const std::int32_t y = val_entier(points_.cell(i, c.y));
    Real X = 0;
    Real Y = 0;
    if (repere_carte(x, y, X, Y)) {
        // Made again from the pixel: the cells are only checked before they are replaced.
        for (const int column : {c.X, c.Y}) {
            const std::string_view text = points_.cell(i, column);
            if (!told && !readsAsReal(text)) tell(text);
        }
    } else {
        X = read(c.X);
        Y = read(c.Y);
    }
    const Real Z = read(c.Z);
    // The label is copied: the writes before its own move the table's text.
    writePoint(c, i, val_entier(points_.cell(i, c.L)), std::string(points_.cell(i, c.label)), Z, X,
               Y, x, y);
}

ImagePoint Project::extrait_xy(int i) const {
    return {val_entier(points_.cell(i, indice_col("x"))),
            val_entier(points_.cell(i, indice_col("y")))};
}

std::optional<RealPoint> Project::extrait_xr_yr(int i) const {
    const auto X = texte_en_reel_strict(points_.cell(i, indice_col("X")));
    const auto Y = texte_en_reel_strict(points_.cell(i, indice_col("Y")));
    if (!X || !Y) return std::nullopt;
    return RealPoint{*X, *Y};
}

void Project::efface_tab_et_point() {
    if (n_ == 0) return;
    const int selected = view_->activePointsTableRow();
    const bool fromTable = selected >= 0;
    const int t = (selected >= 1 && selected <= n_) ? selected : n_;

    supprimePoint(t);
    // The next click continues the line of the new last point, whichever point went.
    currentLine_ = n_ >= 1 ? std::max(1, val_entier(points_.cell(n_, indice_col("L")))) : 1;

    if (fromTable) {
        view_->redrawOverlay();
        view_->eraseRubberBand();
        view_->restorePointsSelection(std::min(t, n_));
    }
}

void Project::devalide_point() {
    efface_tab_et_point();
    view_->redrawWithoutZones();
    view_->pointCountChanged(n_);
    view_->showStatus(1, texteSuitePoint());
    view_->replayMouseMove();
}

void Project::Nouvelle_suite_de_points() {
    if (n_ == 0) return;
    history_.name(translate("History", "la nouvelle ligne"));
    interaction().beep();
    const int L = startLine();
    if (L <= 1) return;
    view_->selectRow(TableId::Lines, L);
    if (const auto colour = interaction().chooseColour(lastColour_)) {
        lastColour_ = *colour;
        lines_.setCell(L, 2, std::to_string(*colour));
        view_->eraseRubberBand();
        view_->redrawOverlay();
    }
}

int Project::startLine() {
    if (n_ == 0) return currentLine_;
    currentLine_ = val_entier(points_.cell(n_, indice_col("L"))) + 1;
    lineBreakPending_ = true;
    view_->redrawOverlay();
    view_->showStatus(1, statusLinePoint(currentLine_, "..."));

    const int L = currentLine_;
    if (L <= 1) return L;
    if (L >= lines_.rowCount()) lines_.setRowCount(L + 1);
    lines_.setCell(L, 0, std::to_string(L));
    lines_.setCell(L, 1, std::string(lines_.cell(L - 1, 1)));
    lines_.setCell(L, 2, std::string(lines_.cell(L - 1, 2)));
    lines_.setCell(L, 3, "x");
    return L;
}

bool Project::cherche_proche_indice_ligne_point(NearestPoint& result) const {
    const int nCol = indice_col("n");
    const int lCol = indice_col("L");
    const int xCol = indice_col("x");
    const int yCol = indice_col("y");
    const int okCol = indice_col_grille(lines_, "OK");
    // Squared distances compare as the distances do; 36000 pixels is the only radius.
    std::int64_t best = 36000LL * 36000LL;
    bool found = false;
    for (int i = 1; i <= n_ && i < points_.rowCount(); ++i) {
        if (points_.cell(i, nCol).empty()) continue;
        const std::int32_t L = val_entier(points_.cell(i, lCol));
        if (lines_.cell(L, okCol) != "x") continue;
        const std::int64_t dx =
            mouse_.x - static_cast<std::int64_t>(val_entier(points_.cell(i, xCol)));
        const std::int64_t dy =
            mouse_.y - static_cast<std::int64_t>(val_entier(points_.cell(i, yCol)));
        const std::int64_t d2 = dx * dx + dy * dy;
        if (d2 < best) {
            best = d2;
            result = {L, i};
            found = true;
        }
    }
    return found;
}

std::string Project::texteSuitePoint() const {
    return statusLinePoint(currentLine_, std::to_string(n_));
}

std::string Project::val_calage() const {
    const auto value = [this](int k, const char* header) {
        return _format2(val_r(calibration_.cell(k, indice_col_cal(header))), 18, 3);
    };
    std::string text = "(";
    text += value(1, "X") + "   " + value(1, "Y") + ")   (" + value(2, "X") + "   " +
            value(2, "Y") + ")  (" + value(3, "X") + "   " + value(3, "Y") + ") ";
    return text;
}

} // namespace tracelle::model
