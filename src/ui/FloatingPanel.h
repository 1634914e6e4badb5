// A panel that floats over the main window's image area and follows the mouse when dragged
// by its free area.
#pragma once

#include <QFrame>
#include <QPoint>
#include <QSize>

namespace tracelle::ui {

class FloatingPanel : public QFrame {
    Q_OBJECT
public:
    FloatingPanel(const QString& objectName, const QColor& colour, QWidget* parent);

    // Within `room` and beside `zone` (both in the parent's coordinates), on the side where
    // most of the panel shows, made smaller down to its least size to fit there; left where
    // it is when no side can hold it.
    void placeBeside(const QRect& zone, const QRect& room);

protected:
    // Shown inside the window, whatever its size: a window smaller than the panel makes the
    // panel smaller (as far as it can), it is never widened over its neighbours.
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitInParent();

    QSize natural_; // the size it was made with, taken back whenever there is room
    bool dragging_ = false;
    QPoint dragStart_;
};

// The colour of the calibration, rescaling and altitude panels.
inline const QColor kPanelColour(190, 150, 70);

} // namespace tracelle::ui
