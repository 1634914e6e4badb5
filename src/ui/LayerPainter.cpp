#include "ui/LayerPainter.h"

#include <cmath>

namespace tracelle::ui {

void LayerPainter::paint(const QRect& bounds, const std::function<void(QPainter&)>& draw) {
    layer_.writable(bounds.left(), bounds.top(), bounds.right() + 1, bounds.bottom() + 1,
                    [&](const picture::Layer::Piece& piece) {
                        auto [it, added] = open_.try_emplace(piece.data);
                        Open& open = it->second;
                        if (added) {
                            constexpr int kTile = picture::Layer::kTile;
                            open.image = QImage(reinterpret_cast<uchar*>(piece.data), kTile, kTile,
                                                static_cast<qsizetype>(piece.stride) *
                                                    static_cast<qsizetype>(sizeof(picture::Pixel)),
                                                QImage::Format_RGB555);
                            open.painter = std::make_unique<QPainter>(&open.image);
                            open.painter->translate(-piece.x, -piece.y);
                        }
                        draw(*open.painter);
                    });
}

void LayerPainter::line(QPoint from, QPoint to, const QPen& pen) {
    const auto draw = [&](QPainter& p) {
        p.setPen(pen);
        p.drawLine(from, to);
    };
    // Pieces of at most half a tile, each with the pen's reach around it.
    const int reach = static_cast<int>(std::ceil(pen.widthF())) + 2;
    const QPoint step = to - from;
    const int pieces = std::max(1, static_cast<int>(std::ceil(std::hypot(step.x(), step.y()) /
                                                              (picture::Layer::kTile / 2.0))));
    for (int i = 0; i < pieces; ++i) {
        const QPoint a = from + step * i / pieces;
        const QPoint b = from + step * (i + 1) / pieces;
        paint(QRect(a, b).normalized().adjusted(-reach, -reach, reach, reach), draw);
    }
}

} // namespace tracelle::ui
