// The calibration panel (how the next clicks calibrate the picture) and the rescaling panel
// (the real length of a measured two-point line).
#pragma once

#include "ui/FloatingPanel.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tracelle::ui {

class CalibrationPanel : public FloatingPanel {
    Q_OBJECT
public:
    explicit CalibrationPanel(QWidget* parent);
    // 0 three points, 1 two points on an oblique, 2 two horizontal points.
    int mode() const;

signals:
    void calibrer(); // "Calibrer ->"
    void modeChanged(int mode);

private:
    QRadioButton* modes_[3];
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
