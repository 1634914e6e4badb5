// The main window's image area, where the picture and the overlay are shown and clicked.
#pragma once

#include "picture/Raster.h"

#include <QImage>
#include <QWidget>

namespace tracelle::ui {

class ImageArea : public QWidget {
    Q_OBJECT
public:
    explicit ImageArea(QWidget* parent);

    // The layer to show, stretched over the area; null shows the plain background.
    void setLayer(const picture::Raster* layer);

signals:
    // One notch of the wheel: +1 away from the user, −1 towards; at a position of the area.
    void wheelTurned(int notches, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    const picture::Raster* layer_ = nullptr;
    QImage display_; // window-sized, reused from one repaint to the next
};

// The window background, also the plain colour of the image area without a picture.
inline const QColor kWindowBackground(100, 100, 100);

} // namespace tracelle::ui
