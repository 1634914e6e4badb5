// The points table window: the grids of the project's points, calibration points and lines.
#pragma once

#include "model/ProjectView.h"

#include <QColor>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace tracelle::model {
class Project;
}

namespace tracelle::ui {

// How the labels of the points are drawn on the picture.
struct LabelStyle {
    bool shown = false;
    int height = 30;
    QColor text{0, 0, 128};         // navy
    QColor background{0, 255, 255}; // aqua
};

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
    LabelStyle labelStyle() const;

signals:
    // A label setting changed: the picture is drawn again.
    void labelStyleChanged();

    void altitudeToggled(bool on);

private:
    model::Project& project_;
    QTableView* grids_[3];
    QLabel* count_;
    QCheckBox* altitude_;
    QCheckBox* labels_;
    QLineEdit* labelHeight_;
    QPushButton* labelText_;
    QPushButton* labelBackground_;
    int selectedPoint_ = 0;
};

} // namespace tracelle::ui
