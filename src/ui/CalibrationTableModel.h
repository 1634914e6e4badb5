// The calibration grid: the calibration table, then each control point's "used" box and its
// residual, fitted minus given, in real units and in pixels; under the last row an empty one
// where a further control point is typed.
#pragma once

#include "files/ControlPointText.h"
#include "ui/TextTableModel.h"

#include <QHash>

namespace tracelle::model {
class Project;
}

namespace tracelle::ui {

class CalibrationTableModel : public TextTableModel {
    Q_OBJECT
public:
    CalibrationTableModel(model::Project& project, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The fit may change without a cell of the table changing (the model, a point left out).
    void refreshResiduals();
    // Rows "x y X Y [Z]" pasted: as many control points, or a message and none.
    void paste(const std::string& text);

signals:
    void controlPointToggled(); // the points were made again

private:
    int tableColumns() const { return table().columnCount(); }
    bool isTypingRow(int row) const { return row == TextTableModel::rowCount(); }
    bool typeIntoTypingRow(const QModelIndex& index, const QString& text);
    // Added only when the control points still fit with them; otherwise the user is told why.
    bool addControlPoints(const std::vector<files::ControlPointLine>& points);

    model::Project& project_;
    QHash<int, QString> typed_; // the typing row's cells, by column
};

} // namespace tracelle::ui
