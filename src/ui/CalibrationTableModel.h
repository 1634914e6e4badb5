// The calibration grid: the calibration table, then each control point's "used" box and its
// residual, fitted minus given, in real units and in pixels.
#pragma once

#include "ui/TextTableModel.h"

namespace tracelle::model {
class Project;
}

namespace tracelle::ui {

class CalibrationTableModel : public TextTableModel {
    Q_OBJECT
public:
    CalibrationTableModel(model::Project& project, QObject* parent = nullptr);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The fit may change without a cell of the table changing (the model, a point left out).
    void refreshResiduals();

signals:
    void controlPointToggled(); // the points were made again

private:
    int tableColumns() const { return table().columnCount(); }

    model::Project& project_;
};

} // namespace tracelle::ui
