// A panel that floats over the main window's image area and follows the mouse when dragged
// by its free area.
#pragma once

#include <QFrame>
#include <QPoint>

namespace tracelle::ui {

class FloatingPanel : public QFrame {
    Q_OBJECT
public:
    FloatingPanel(const QString& objectName, const QColor& colour, QWidget* parent);

protected:
    // Shown inside the window, whatever its size: a narrow window must not cut the panel.
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool dragging_ = false;
    QPoint dragStart_;
};

// The colour of the calibration, rescaling and altitude panels.
inline const QColor kPanelColour(190, 150, 70);

} // namespace tracelle::ui
