// The altitude panel "Z=": steps the Z of the selected point by "delta Z" (F3 up, F2 down).
#pragma once

#include "ui/FloatingPanel.h"

class QLineEdit;
class QPushButton;

namespace tracelle::ui {

class AltitudePanel : public FloatingPanel {
    Q_OBJECT
public:
    explicit AltitudePanel(QWidget* parent);

    QLineEdit* deltaBox() const { return delta_; }
    QLineEdit* decimalsBox() const { return decimals_; }
    QLineEdit* zBox() const { return z_; }

signals:
    void stepRequested(int sign);
    // Enter in the Z box: the selected point's Z takes the text as typed.
    void zTyped(const QString& text);

private:
    QLineEdit* delta_;
    QLineEdit* decimals_;
    QLineEdit* z_;
};

} // namespace tracelle::ui
