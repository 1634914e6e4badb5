// The points table window: the grids of the project's points, calibration points and lines.
#pragma once

#include "model/ProjectView.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QTableView;

namespace tracelle::model {
class Project;
}

namespace tracelle::ui {

class Scroll2 : public QWidget {
    Q_OBJECT
public:
    Scroll2(model::Project& project, QWidget* parent = nullptr);

    QTableView* pointsGrid() const { return grids_[0]; }
    QTableView* calibrationGrid() const { return grids_[1]; }
    QTableView* linesGrid() const { return grids_[2]; }
    // "altitude Z + -  (F2,F3)": while checked, the main window shows its altitude panel.
    QCheckBox* altitudeCheckBox() const { return altitude_; }
    // The selected row of the points grid (0: none).
    int selectedPointRow() const { return selectedPoint_; }
    void selectRow(model::TableId table, int row);
    void setPointCount(int n);

signals:
    void altitudeToggled(bool on);

private:
    model::Project& project_;
    QTableView* grids_[3];
    QLabel* count_;
    QCheckBox* altitude_;
    int selectedPoint_ = 0;
};

} // namespace tracelle::ui
