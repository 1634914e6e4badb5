// The calibration transform between image pixels and real coordinates, and the ways of
// setting its three points.
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

bool Project::repere_carte(std::int32_t x, std::int32_t y, Real& X, Real& Y) const {
    if (!isCalibrated()) return false;
    const auto real = fit_.toReal({static_cast<Real>(x), static_cast<Real>(y)});
    if (!real) return false;
    X = real->X;
    Y = real->Y;
    return true;
}

bool Project::repere_image(Real X, Real Y, std::int32_t& x, std::int32_t& y) const {
    if (!isCalibrated()) return false;
    const auto pixel = fit_.toImage({X, Y});
    if (!pixel) return false;
    const Real rx = pixel->x;
    const Real ry = pixel->y;
    // Positions that round outside the pixel range (or are not numbers) have no pixel.
    constexpr Real lo = INT32_MIN - 0.5L;
    constexpr Real hi = INT32_MAX + 0.5L;
    if (!(rx >= lo && rx < hi && ry >= lo && ry < hi)) return false;
    // Halves go to the even pixel.
    x = static_cast<std::int32_t>(entierProche(rx));
    y = static_cast<std::int32_t>(entierProche(ry));
    return true;
}

bool Project::distance_nulle_entre_calage(int k, std::int32_t x, std::int32_t y) const {
    const std::int64_t dx = std::int64_t{val_entier(calibration_.cell(k, indice_col_cal("x")))} - x;
    const std::int64_t dy = std::int64_t{val_entier(calibration_.cell(k, indice_col_cal("y")))} - y;
    return dx * dx + dy * dy == 0;
}

bool Project::derivedPointWouldCoincide(std::int32_t x, std::int32_t y) const {
    const auto& first = records_[1];
    if (calibrationMode_ == CalibrationMode::Oblique) return x == first.x || y == first.y;
    if (calibrationMode_ == CalibrationMode::Horizontal) return x == first.x;
    return false;
}

void Project::valide_point_calage(std::int32_t x, std::int32_t y) {
    if (k_ >= 3) return;
    history_.name(fill(translate("History", "le point de calage %1"), {std::to_string(k_ + 1)}));
    for (int k = 1; k <= k_; ++k) {
        if (distance_nulle_entre_calage(k, x, y)) {
            interaction().beep();
            return;
        }
    }
    // A second click that would put the derived third point on a clicked one is refused at
    // once, so that the user clicks another second point instead of a puzzling third one.
    if (k_ == 1 && derivedPointWouldCoincide(x, y)) {
        interaction().beep();
        interaction().information(translate(
            "Calibration", "Avec ce 2ème point, le 3ème point de calage déduit se "
                           "confondrait avec un point cliqué : cliquez un autre 2ème point"));
        return;
    }

    completeCalibrationRows();
    ++k_;
    const int row = k_;
    calibration_.setCell(row, indice_col_cal("x"), _format(x, 4, 0));
    calibration_.setCell(row, indice_col_cal("y"), _format(y, 4, 0));
    records_[static_cast<std::size_t>(row)].x = x;
    records_[static_cast<std::size_t>(row)].y = y;
    readRecordReals(row, val_r);
    refitCalibration();
    view_->selectRow(TableId::Calibration, row);
    view_->drawCalibrationCross(x, y);
    view_->repaintView();
    if (tableMode_) interaction().beep();

    if (k_ == 3) view_->showPointsGrid();
    if (k_ == 2 && calibrationMode_ != CalibrationMode::ThreePoints) deriveThirdPoint();
}

void Project::deriveThirdPoint() {
    const int X = indice_col_cal("X");
    const int Y = indice_col_cal("Y");
    const int x = indice_col_cal("x");
    const int y = indice_col_cal("y");
    auto& t = calibration_;
    const auto copy = [&t](int toRow, int fromRow, int col) {
        t.setCell(toRow, col, std::string(t.cell(fromRow, col)));
    };

    if (calibrationMode_ == CalibrationMode::Oblique) {
        // The right-angle corner of the triangle whose hypotenuse joins the two clicks.
        copy(3, 1, X);
        copy(3, 1, x);
        copy(3, 2, Y);
        copy(3, 2, y);
    } else {
        // Point 2 onto the horizontal of point 1; point 3 on the perpendicular through point 1.
        copy(2, 1, Y);
        copy(2, 1, y);
        copy(3, 1, X);
        copy(3, 1, x);
        const Real x1 = val_r(t.cell(1, x));
        const Real y1 = val_r(t.cell(1, y));
        const Real x2 = val_r(t.cell(2, x));
        t.setCell(3, y, _format(y1 - (x2 - x1), 4, 0));
    }

    valide_point_calage(val_entier(t.cell(3, x)), val_entier(t.cell(3, y)));

    // Each row keeps its own number and label; row 2 ends as the right-angle vertex.
    const std::vector<int> kept = {indice_col_cal("n"), indice_col_cal("Libellé")};
    if (calibrationMode_ == CalibrationMode::Oblique) {
        t.exchangeRows(2, 3, kept);
    } else {
        t.exchangeRows(1, 3, kept);
        t.exchangeRows(2, 3, kept);
    }
    const char* unitFrame[4][2] = {{"", ""}, {"0", "1"}, {"0", "0"}, {"1", "0"}};
    for (int k = 1; k <= 3; ++k) {
        t.setCell(k, X, unitFrame[k][0]);
        t.setCell(k, Y, unitFrame[k][1]);
    }
    loadRecords(k_);
    view_->redrawWithoutZones();
    interaction().information(
        translate("Calibration",
                  "n'oubliez pas d'affecter les bonnes valeurs aux X Y des 3 points de calages !"));
}

void Project::readRecordReals(int k, Real (*read)(std::string_view)) {
    auto& rec = records_[static_cast<std::size_t>(k)];
    rec.set = true;
    rec.X = read(calibration_.cell(k, indice_col_cal("X")));
    rec.Y = read(calibration_.cell(k, indice_col_cal("Y")));
    rec.Z = read(calibration_.cell(k, indice_col_cal("Z")));
}

void Project::chargeCalage(std::int32_t k) {
    k_ = std::clamp(k, 0, 3);
    loadRecords(k_);
}

void Project::loadRecords(int upTo) {
    for (int k = 1; k <= upTo && k <= 3; ++k) {
        auto& rec = records_[static_cast<std::size_t>(k)];
        rec.x = val_entier(calibration_.cell(k, indice_col_cal("x")));
        rec.y = val_entier(calibration_.cell(k, indice_col_cal("y")));
        readRecordReals(k, val_reel);
    }
    refitCalibration();
}

void Project::calcul_nouveaux_calage() {
    calcul_nouveaux_calage(1, 0);
}

void Project::calcul_nouveaux_calage(int currentFirst, int currentLast) {
    const auto before = records_;
    for (int k = 1; k <= k_ && k <= 3; ++k)
        readRecordReals(k, val_r);
    refitCalibration();
    const auto same = [](const CalibrationRecord& a, const CalibrationRecord& b) {
        return a.set == b.set && a.x == b.x && a.y == b.y && a.X == b.X && a.Y == b.Y;
    };
    // Further control points may have changed too: their rows are not compared.
    if (controlPointCount() > 3 ||
        !std::equal(before.begin(), before.end(), records_.begin(), same))
        currentLast = 0;
    const PointColumns columns = pointColumns();
    TextTable::CellChanges changes(points_);
    bool told = false;
    for (int i = 1; i <= n_ && i < points_.rowCount(); ++i) {
        if (i < currentFirst || i > currentLast) recomputePoint(columns, i, told);
    }
}

void Project::mess_3_calage_svp_et_init() {
    if (tableMode_) {
        interaction().information(translate(
            "Calibration", "Les 3 premiers points cliqués sont les points de calage \n\n    "
                           "entrez leur coordonnée"));
    }
    n_ = 0;
    currentLine_ = 1;
}

void Project::setDefaultCalibration(std::int32_t w, std::int32_t h, std::int32_t ox,
                                    std::int32_t oy) {
    setCalibration({CalibrationPoint{"0", std::to_string(h - 1), ox, oy},
                    CalibrationPoint{"0", "0", ox, oy + h},
                    CalibrationPoint{std::to_string(w - 1), "0", ox + w, oy + h}});
}

void Project::setCalibration(const std::array<CalibrationPoint, 3>& points) {
    completeCalibrationRows();
    for (int k = 1; k <= 3; ++k) {
        const CalibrationPoint& p = points[static_cast<std::size_t>(k - 1)];
        calibration_.setCell(k, indice_col_cal("X"), p.X);
        calibration_.setCell(k, indice_col_cal("Y"), p.Y);
        calibration_.setCell(k, indice_col_cal("Z"), "0");
        calibration_.setCell(k, indice_col_cal("x"), std::to_string(p.x));
        calibration_.setCell(k, indice_col_cal("y"), std::to_string(p.y));
    }
    k_ = 3;
    loadRecords(3);
}

RescaleResult Project::rescale(const std::string& typed) {
    history_.name(translate("History", "la mise à l'échelle"));
    const Real r = val_reel(typed);
    const Real c = lastDistance_;
    if (r * c == 0) {
        interaction().information(fill(
            translate("Calibration", "valeur <%1> non numérique ou distance nulle "), {typed}));
        return RescaleResult::Refused;
    }
    const Real f = r / c;
    if (!interaction().confirm(
            fill(translate("Calibration", " Mise à l'échelle = calcul des calibrations\n"
                                          "  distance calculée  = %1\n"
                                          "  distance réelle    = %2\n"
                                          "  facteur d'échelle = %3"),
                 {texte_general(c), texte_general(r), texte_general(f)}))) {
        return RescaleResult::Declined;
    }
    // About the real origin (0, 0), not about a calibration point.
    for (int k = 1; k <= k_ && k <= 3; ++k) {
        for (const char* header : {"X", "Y"}) {
            const int col = indice_col_cal(header);
            calibration_.setCell(k, col,
                                 reel_en_texte_point(val_reel(calibration_.cell(k, col)) * f));
        }
    }
    calcul_nouveaux_calage();
    setSaved(false);
    return RescaleResult::Applied;
}

void Project::restartCalibration() {
    // No new line: its colour dialog would stand over the calibration clicks, and the points
    // already digitized stay in the same pixels.
    history_.name(translate("History", "le nouveau calage"));
    k_ = 0;
}

} // namespace tracelle::model
