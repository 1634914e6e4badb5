// The points table window: the grids of the project's points, calibration points and lines.
#pragma once

#include "model/ProjectView.h"

#include <QWidget>

class QCheckBox;

namespace tracelle::model {
class Project;
}

namespace tracelle::ui {

class Scroll2 : public QWidget {
    Q_OBJECT
public:
    Scroll2(model::Project& project, QWidget* parent = nullptr);

    // "altitude Z + -  (F2,F3)": while checked, the main window shows its altitude panel.
    QCheckBox* altitudeCheckBox() const { return altitude_; }
    int selectedPointRow() const { return selectedPoint_; }
    void selectRow(model::TableId table, int row);

signals:
    void altitudeToggled(bool on);

private:
    model::Project& project_;
    QCheckBox* altitude_;
    int selectedPoint_ = 0;
};

} // namespace tracelle::ui
