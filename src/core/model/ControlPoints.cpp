// The calibration's control points beyond the three calibration rows, the model fitted to
// them, and the points' real values made again whenever either changes.
#include "model/NumberText.h"
#include "model/Project.h"
#include "platform/Language.h"

namespace tracelle::model {

using platform::fill;
using platform::translate;

int Project::controlPointCount() const {
    if (k_ < 3) return k_;
    return std::max(3, calibration_.rowCount() - 1);
}

std::vector<ControlPoint> Project::controlPoints() const {
    std::vector<ControlPoint> points;
    const int count = controlPointCount();
    for (int k = 1; k <= count; ++k) {
        ControlPoint p;
        if (k <= 3) {
            const CalibrationRecord& r = records_[static_cast<std::size_t>(k)];
            p.pixel = {static_cast<Real>(r.x), static_cast<Real>(r.y)};
            p.real = {r.X, r.Y};
        } else {
            p.pixel = {static_cast<Real>(val_entier(calibration_.cell(k, indice_col_cal("x")))),
                       static_cast<Real>(val_entier(calibration_.cell(k, indice_col_cal("y"))))};
            p.real = {val_reel(calibration_.cell(k, indice_col_cal("X"))),
                      val_reel(calibration_.cell(k, indice_col_cal("Y")))};
        }
        p.used = controlPointUsed(k);
        points.push_back(p);
    }
    return points;
}

bool Project::controlPointUsed(int row) const {
    const auto i = static_cast<std::size_t>(row);
    return row < 1 || i >= leftOut_.size() || !leftOut_[i];
}

std::vector<int> Project::leftOutRows() const {
    std::vector<int> rows;
    for (int k = 1; k <= controlPointCount(); ++k)
        if (!controlPointUsed(k)) rows.push_back(k);
    return rows;
}

void Project::refitCalibration() {
    fit_.fit(controlPoints());
}

std::optional<Real> Project::localScale(std::int32_t x, std::int32_t y) const {
    if (!isCalibrated()) return std::nullopt;
    return fit_.localScale({static_cast<Real>(x), static_cast<Real>(y)});
}

std::optional<Real> Project::areaScale(std::int32_t x, std::int32_t y) const {
    if (!isCalibrated()) return std::nullopt;
    return fit_.areaScale({static_cast<Real>(x), static_cast<Real>(y)});
}

FitStatus Project::setCalibrationModel(TransformMethod method, const AxisKinds& axes) {
    history_.name(method != fit_.method()
                      ? translate("History", "le changement de modèle de calage")
                      : translate("History", "le changement d'axes"));
    FittedCalibration candidate(method, axes);
    const FitStatus status = candidate.fit(controlPoints());
    if (status != FitStatus::Fitted && k_ >= 3) return status;
    fit_ = std::move(candidate);
    calcul_nouveaux_calage();
    setSaved(false);
    return status;
}

FitStatus Project::addControlPoint(std::int32_t x, std::int32_t y, Real X, Real Y, Real Z) {
    const CalibrationRecord point{true, x, y, X, Y, Z};
    return addControlPoints({&point, 1});
}

FitStatus Project::addControlPoints(std::span<const CalibrationRecord> points) {
    if (k_ < 3) return FitStatus::TooFewPoints;
    if (points.empty()) return fit_.status();
    const int first = controlPointCount() + 1;
    const int last = first + static_cast<int>(points.size()) - 1;
    history_.name(first == last ? fill(translate("History", "le point de contrôle %1"),
                                       {std::to_string(first)})
                                : fill(translate("History", "les points de contrôle %1 à %2"),
                                       {std::to_string(first), std::to_string(last)}));
    calibration_.setRowCount(last + 1);
    for (int row = first; row <= last; ++row) {
        const CalibrationRecord& p = points[static_cast<std::size_t>(row - first)];
        calibration_.setCell(row, indice_col_cal("n"), std::to_string(row));
        calibration_.setCell(row, indice_col_cal("L"), "0");
        calibration_.setCell(row, indice_col_cal("Libellé"), "cal " + std::to_string(row));
        calibration_.setCell(row, indice_col_cal("X"), reel_en_texte_point(p.X));
        calibration_.setCell(row, indice_col_cal("Y"), reel_en_texte_point(p.Y));
        calibration_.setCell(row, indice_col_cal("Z"), reel_en_texte_point(p.Z));
        calibration_.setCell(row, indice_col_cal("x"), _format(p.x, 4, 0));
        calibration_.setCell(row, indice_col_cal("y"), _format(p.y, 4, 0));
    }
    // Every point's real values are made once for the whole batch, not once a row.
    calcul_nouveaux_calage();
    setSaved(false);
    return fit_.status();
}

FitStatus Project::setControlPointUsed(int row, bool used) {
    if (row < 1 || row > controlPointCount()) return fit_.status();
    const bool wasUsed = controlPointUsed(row);
    markLeftOut(row, !used);
    FittedCalibration candidate(fit_.method(), fit_.axes());
    const FitStatus status = candidate.fit(controlPoints());
    if (status != FitStatus::Fitted) {
        markLeftOut(row, !wasUsed);
        return status;
    }
    history_.name(fill(used ? translate("History", "la reprise du point de contrôle %1")
                            : translate("History", "le retrait du point de contrôle %1"),
                       {std::to_string(row)}));
    calcul_nouveaux_calage();
    setSaved(false);
    return status;
}

void Project::markLeftOut(int row, bool out) {
    const auto i = static_cast<std::size_t>(row);
    if (leftOut_.size() <= i) leftOut_.resize(i + 1, false);
    leftOut_[i] = out;
    // No mark past the last row left out: the history compares the marks as they are kept.
    while (!leftOut_.empty() && !leftOut_.back())
        leftOut_.pop_back();
}

void Project::restoreCalibrationModel(TransformMethod method, const AxisKinds& axes,
                                      const std::vector<int>& leftOutRows) {
    fit_ = FittedCalibration(method, axes);
    leftOut_.clear();
    for (const int row : leftOutRows)
        if (row >= 1) markLeftOut(row, true);
    refitCalibration();
}

} // namespace tracelle::model
