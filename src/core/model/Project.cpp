#include "model/Project.h"

#include "model/NumberText.h"
#include "platform/Interaction.h"
#include "platform/Language.h"

#include <algorithm>

namespace tracelle::model {

namespace {

const std::vector<std::string> kPointHeaders = {"n", "L", "Libellé", "X", "Y", "Z", "x", "y", "z"};
const std::vector<std::string> kLineHeaders = {"L", "épaisseur", "couleur", "OK"};

ProjectView& detachedView() {
    static ProjectView none;
    return none;
}

} // namespace

Project::Project()
    : points_(kPointHeaders), calibration_(kPointHeaders), lines_(kLineHeaders),
      view_(&detachedView()) {
    resetTables();
}

void Project::setView(ProjectView* view) {
    view_ = view ? view : &detachedView();
}

void Project::setSaved(bool saved) {
    if (saved) history_.markSaved();
    if (saved == saved_) return;
    saved_ = saved;
    view_->savedChanged(saved);
}

void Project::resetTables() {
    points_.setRowCount(1);
    calibration_.setRowCount(std::min(calibration_.rowCount(), 4));
    resetCalibrationRows(1);
    lines_.setRowCount(1);
    lines_.setRowCount(2);
    const std::string firstLine[4] = {"1", "4", "255", "x"};
    for (int c = 0; c < 4; ++c)
        lines_.setCell(1, c, firstLine[c]);
}

void Project::resetCalibrationRows(int first) {
    // The unit frame: point 2 at the origin, point 1 on the Y axis, point 3 on the X axis.
    const Real unitFrame[4][2] = {{0, 0}, {0, 1}, {0, 0}, {1, 0}};
    for (int k = first; k <= 3; ++k) {
        affecte_calage(k, 0, "cal " + std::to_string(k), 0, unitFrame[k][1], unitFrame[k][0]);
        calibration_.setCell(k, indice_col_cal("x"), "");
        calibration_.setCell(k, indice_col_cal("y"), "");
    }
}

void Project::clear() {
    resetTables();
    n_ = 0;
    currentLine_ = 1;
    lineBreakPending_ = true;
    k_ = 0;
    records_ = {};
    fit_ = FittedCalibration();
    leftOut_.clear();
    setSaved(true);
}

void Project::clearPointsAndLines() {
    points_.setRowCount(1);
    lines_.setRowCount(2);
    n_ = 0;
    currentLine_ = 1;
    lineBreakPending_ = true;
}

int Project::indice_col(std::string_view header) const {
    return indice_col_grille(points_, header);
}

int Project::indice_col_cal(std::string_view header) const {
    return indice_col_grille(calibration_, header);
}

void Project::setDecimalsText(std::string text) {
    decimalsText_ = std::move(text);
    affecte_ndecimale();
}

void Project::affecte_ndecimale() {
    history_.name(platform::translate("History", "le changement de décimales"));
    if (est_entier(decimalsText_)) {
        const EntierLu read = lit_entier(enleve_blancs(decimalsText_));
        decimals_ = read.errorPosition == 0 ? read.value : 20; // too many digits for an int
    } else {
        decimals_ = 8;
        // Said once per unreadable text: every stored row passes here.
        if (decimalsText_ != reportedDecimalsText_) {
            reportedDecimalsText_ = decimalsText_;
            platform::interaction().information(platform::fill(
                platform::translate("Project", "le nombre de décimale est illisible =<%1>\n"
                                               " on affecte donc 8 décimales par défaut"),
                {decimalsText_}));
        }
    }
    decimals_ = std::clamp(decimals_, 0, 20);
}

} // namespace tracelle::model
