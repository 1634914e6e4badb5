// The calibration panel (how the next clicks calibrate the picture) and the rescaling panel
// (the real length of a measured two-point line).
#pragma once

#include "model/transform/Axes.h"
#include "model/transform/Transform.h"
#include "ui/FloatingPanel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tracelle::model {
class Project;
}

namespace tracelle::ui {

class CalibrationPanel : public FloatingPanel {
    Q_OBJECT
public:
    explicit CalibrationPanel(QWidget* parent);
    // 0 three points, 1 two points on an oblique, 2 two horizontal points.
    int mode() const;
    // The model and axes in force, the models that have enough control points, and the RMS.
    void showFit(const model::Project& project);

signals:
    void calibrer(); // "Calibrer ->"
    void modeChanged(int mode);
    void addControlPoint(); // "Ajouter un point de contrôle"
    void fitChosen(model::TransformMethod method, const model::AxisKinds& axes);

private:
    QWidget* buildAxes();
    void emitFitChosen();

    QRadioButton* modes_[3];
    QComboBox* model_;
    QLabel* rms_;
    QCheckBox* logX_;
    QCheckBox* logY_;
    QCheckBox* polar_;
    QComboBox* angleUnit_;
    QCheckBox* clockwise_;
    QComboBox* origin_; // the polar centre: where r = 0, or a control point
};

class ScalePanel : public FloatingPanel {
    Q_OBJECT
public:
    explicit ScalePanel(QWidget* parent);

    QLabel* captionLabel() const { return caption_; }
    QLabel* distanceLabel() const { return distance_; }
    QLineEdit* distanceBox() const { return distanceBox_; }

signals:
    void rescale(const QString& typed); // Enter or "mise à l'échelle ->"

private:
    QLabel* caption_;
    QLabel* distance_;
    QLineEdit* distanceBox_;
};

} // namespace tracelle::ui
