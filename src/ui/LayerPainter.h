// Drawing on the layer with QPainter: each tile a drawing touches is opened once, as a copy of
// its own, and stays open until the painter goes.
#pragma once

#include "picture/Layer.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <map>
#include <memory>

namespace tracelle::ui {

class LayerPainter {
public:
    explicit LayerPainter(picture::Layer& layer) : layer_(layer) {}
    LayerPainter(const LayerPainter&) = delete;
    LayerPainter& operator=(const LayerPainter&) = delete;

    // Calls `draw` on every tile that `bounds` (canvas pixels) touches, with a painter whose
    // coordinates are the canvas's.
    void paint(const QRect& bounds, const std::function<void(QPainter&)>& draw);
    // A segment, drawn as one line whatever tiles it crosses; it opens only the tiles along
    // it within the canvas, however far its ends lie.
    void line(QPoint from, QPoint to, const QPen& pen);

private:
    struct Open {
        QImage image;
        std::unique_ptr<QPainter> painter;
    };
    QPainter& open(const picture::Layer::Piece& piece);

    picture::Layer& layer_;
    std::map<const picture::Pixel*, Open> open_; // nodes never move: the painters keep their image
};

} // namespace tracelle::ui
