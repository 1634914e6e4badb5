// The main window's image area: the shown rectangle of the layer, stretched over the area,
// with the rubber band drawn over it; clicks and moves go to the main window.
#pragma once

#include "picture/Layer.h"
#include "picture/Overview.h"
#include "picture/View.h"
#include "ui/WheelSteps.h"

#include <QImage>
#include <QLine>
#include <QWidget>
#include <optional>

namespace tracelle::ui {

class ImageArea : public QWidget {
    Q_OBJECT
public:
    explicit ImageArea(QWidget* parent);

    // The layer to show, and its overview; null shows the plain background.
    void setLayer(picture::Layer* layer, picture::Overview* overview);
    // Also after the layer's pixels or its overview changed: the picture is drawn again.
    void setView(const picture::ViewRect& view);
    // More rows of a picture still arriving: only the rows not final yet are drawn again.
    void showArrivedRows();
    // The rectangle of the layer actually shown: the view at the area's proportions.
    picture::ViewRect shown() const;
    // The layer pixel under a position of the area, and back.
    QPoint toLayer(QPoint position) const;
    QPointF toArea(QPoint layerPixel) const;
    // The rubber band, in layer pixels; drawn over the view, never into the layer.
    void setBand(std::optional<QLine> band);
    const std::optional<QLine>& band() const { return band_; }
    // The cross-hair of the point selected in the points table, in layer pixels.
    void setCrossHair(std::optional<QPoint> at);
    const std::optional<QPoint>& crossHair() const { return crossHair_; }

signals:
    void pressed(Qt::MouseButton button, QPoint position, Qt::KeyboardModifiers modifiers);
    void moved(QPoint position, Qt::MouseButtons buttons);
    void released(Qt::MouseButton button, QPoint position);
    // The mouse went elsewhere.
    void left();
    // Whole notches of the wheel: positive away from the user, negative towards; at a position
    // of the area.
    void wheelTurned(int notches, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    picture::Layer* layer_ = nullptr;
    picture::Overview* overview_ = nullptr;
    picture::ViewRect view_;
    std::optional<QLine> band_;
    std::optional<QPoint> crossHair_;
    WheelSteps wheel_;
    // The picture stretched to the area, kept while only the band or the cross-hair move.
    QImage display_;
    bool displayStale_ = true;
    bool arrivedStale_ = false;
    int finalRows_ = 0; // the first rows of display_ that only a change of view redraws
};

// The window background, also the plain colour of the image area without a picture.
inline const QColor kWindowBackground(100, 100, 100);

} // namespace tracelle::ui
