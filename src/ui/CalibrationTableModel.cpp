#include "ui/CalibrationTableModel.h"

#include "model/NumberText.h"
#include "model/Project.h"
#include "model/transform/FittedCalibration.h"
#include "model/transform/ModelNames.h"
#include "platform/Interaction.h"

#include <QColor>

namespace tracelle::ui {

namespace {

enum Extra { Used, DX, DY, Distance, Pixels, ExtraCount };
const char* const kHeaders[ExtraCount] = {
    QT_TRANSLATE_NOOP("tracelle::ui::CalibrationTableModel", "utilisé"), "dX", "dY",
    QT_TRANSLATE_NOOP("tracelle::ui::CalibrationTableModel", "distance"),
    QT_TRANSLATE_NOOP("tracelle::ui::CalibrationTableModel", "dist. pixels")};
constexpr int kResidualDigits = 3;
// The cells of the typing row, in the order of a control point's line.
const char* const kTypedColumns[] = {"x", "y", "X", "Y", "Z"};
constexpr const char* kCalibrateFirst = QT_TRANSLATE_NOOP(
    "tracelle::ui::CalibrationTableModel",
    "Les points de contrôle s'ajoutent aux trois points de calage : calez d'abord l'image.");

} // namespace

CalibrationTableModel::CalibrationTableModel(model::Project& project, QObject* parent)
    : TextTableModel(project.calibration(), parent), project_(project) {
    // Any change of the rows fits again: the residuals of every row may move.
    connect(this, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& topLeft) {
        if (topLeft.column() < tableColumns()) refreshResiduals();
    });
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(this, signal, this, &CalibrationTableModel::refreshResiduals);
}

int CalibrationTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TextTableModel::rowCount() + 1;
}

int CalibrationTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : tableColumns() + ExtraCount;
}

void CalibrationTableModel::refreshResiduals() {
    if (rowCount() == 0) return;
    emit dataChanged(index(0, tableColumns()), index(rowCount() - 1, columnCount() - 1));
}

QVariant CalibrationTableModel::data(const QModelIndex& index, int role) const {
    const int extra = index.column() - tableColumns();
    if (isTypingRow(index.row())) {
        if (extra >= 0 || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
        return typed_.value(index.column());
    }
    if (extra < 0) return TextTableModel::data(index, role);
    const int row = index.row() + 1;
    if (row > project_.controlPointCount()) return {};
    if (extra == Used) {
        if (role != Qt::CheckStateRole) return {};
        return project_.controlPointUsed(row) ? Qt::Checked : Qt::Unchecked;
    }
    const model::FittedCalibration& fit = project_.calibrationFit();
    const auto i = static_cast<std::size_t>(index.row());
    if (!fit.fitted() || i >= fit.residuals().size()) return {};
    const model::Residual& r = fit.residuals()[i];
    if (role == Qt::ForegroundRole) {
        // A residual far above the others points to a mistyped value or a slipped click.
        if (r.distance > 3 * fit.rms() && fit.rms() > 0) return QColor(Qt::red);
        return {};
    }
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    const model::Real values[ExtraCount] = {0, r.dX, r.dY, r.distance, r.pixels};
    // Three significant digits: a residual is judged by its size, and so the columns fit the
    // table window of a small screen.
    return QString::fromStdString(model::texte_general(values[extra], kResidualDigits));
}

QVariant CalibrationTableModel::headerData(int section, Qt::Orientation orientation,
                                           int role) const {
    const int extra = section - tableColumns();
    if (extra < 0 || orientation != Qt::Horizontal)
        return TextTableModel::headerData(section, orientation, role);
    if (role == kKeyRole) return QString::fromUtf8(kHeaders[extra]);
    if (role == Qt::DisplayRole) return tr(kHeaders[extra]);
    return {};
}

Qt::ItemFlags CalibrationTableModel::flags(const QModelIndex& index) const {
    const int extra = index.column() - tableColumns();
    if (isTypingRow(index.row()) && extra < 0) {
        const Qt::ItemFlags f = TextTableModel::flags(index);
        const QString header = headerData(index.column(), Qt::Horizontal, kKeyRole).toString();
        for (const char* column : kTypedColumns)
            if (header == QLatin1String(column)) return f | Qt::ItemIsEditable;
        return f;
    }
    if (extra < 0) return TextTableModel::flags(index);
    Qt::ItemFlags f = Qt::ItemIsEnabled;
    if (extra == Used && index.row() + 1 <= project_.controlPointCount())
        f |= Qt::ItemIsUserCheckable;
    return f;
}

bool CalibrationTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int extra = index.column() - tableColumns();
    if (isTypingRow(index.row()))
        return extra < 0 && role == Qt::EditRole && typeIntoTypingRow(index, value.toString());
    if (extra < 0) return TextTableModel::setData(index, value, role);
    if (extra != Used || role != Qt::CheckStateRole) return false;
    const bool used = value.value<Qt::CheckState>() == Qt::Checked;
    const model::FitStatus status = project_.setControlPointUsed(index.row() + 1, used);
    if (status != model::FitStatus::Fitted) {
        platform::interaction().information(
            model::fitStatusMessage(status, project_.calibrationMethod()));
        return false;
    }
    refreshResiduals();
    emit controlPointToggled();
    return true;
}

bool CalibrationTableModel::typeIntoTypingRow(const QModelIndex& index, const QString& text) {
    if (project_.K() < 3) {
        platform::interaction().information(tr(kCalibrateFirst).toStdString());
        return false;
    }
    typed_[index.column()] = text.trimmed();
    emit dataChanged(index, index);
    // A control point once its pixel and real values are there; Z may follow.
    QStringList line;
    for (const char* column : kTypedColumns) {
        const QString cell = typed_.value(project_.indice_col_cal(column));
        if (cell.isEmpty()) break;
        line << cell;
    }
    if (line.size() < 4) return true;
    const int row = index.row() + 1;
    const files::ControlPointLines read = files::readControlPoints(
        line.join('\t').toStdString(), tr("Le point de contrôle %1").arg(row).toStdString());
    if (!read.error.empty()) {
        platform::interaction().information(read.error);
        return true;
    }
    if (!addControlPoints(read.points)) return true;
    typed_.clear();
    emit dataChanged(this->index(index.row() + 1, 0),
                     this->index(index.row() + 1, tableColumns() - 1));
    return true;
}

void CalibrationTableModel::paste(const std::string& text) {
    if (project_.K() < 3) {
        platform::interaction().information(tr(kCalibrateFirst).toStdString());
        return;
    }
    const files::ControlPointLines read =
        files::readControlPoints(text, tr("Presse-papier").toStdString());
    if (!read.error.empty()) {
        platform::interaction().information(read.error);
        return;
    }
    if (read.points.empty()) {
        platform::interaction().information(
            tr("Presse-papier : aucun point de contrôle « x y X Y [Z] » à coller.").toStdString());
        return;
    }
    addControlPoints(read.points);
}

bool CalibrationTableModel::addControlPoints(const std::vector<files::ControlPointLine>& points) {
    std::vector<model::ControlPoint> all = project_.controlPoints();
    for (const files::ControlPointLine& p : points)
        all.push_back(
            {{static_cast<model::Real>(p.x), static_cast<model::Real>(p.y)}, {p.X, p.Y}, true});
    model::FittedCalibration candidate(project_.calibrationMethod(), project_.axisKinds());
    if (const model::FitStatus status = candidate.fit(all); status != model::FitStatus::Fitted) {
        platform::interaction().information(
            model::fitStatusMessage(status, project_.calibrationMethod()));
        return false;
    }
    std::vector<model::CalibrationRecord> rows;
    for (const files::ControlPointLine& p : points)
        rows.push_back({true, p.x, p.y, p.X, p.Y, p.Z});
    project_.addControlPoints(rows);
    emit controlPointToggled();
    return true;
}

} // namespace tracelle::ui
