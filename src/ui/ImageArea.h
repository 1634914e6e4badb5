// The main window's image area, where the picture and the overlay are shown and clicked.
#pragma once

#include <QWidget>

namespace tracelle::ui {

class ImageArea : public QWidget {
    Q_OBJECT
public:
    explicit ImageArea(QWidget* parent);

signals:
    // One notch of the wheel: +1 away from the user, −1 towards; at a position of the area.
    void wheelTurned(int notches, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

// The window background, also the plain colour of the image area without a picture.
inline const QColor kWindowBackground(100, 100, 100);

} // namespace tracelle::ui
