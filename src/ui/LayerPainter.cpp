#include "ui/LayerPainter.h"

#include "picture/ThinLine.h"
#include "ui/SegmentClip.h"

#include <QPainterPath>
#include <cmath>
#include <set>

namespace tracelle::ui {

QPainter& LayerPainter::open(const picture::Layer::Piece& piece) {
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
    return *open.painter;
}

void LayerPainter::paint(const QRect& bounds, const std::function<void(QPainter&)>& draw) {
    layer_.writable(bounds.left(), bounds.top(), bounds.right() + 1, bounds.bottom() + 1,
                    [&](const picture::Layer::Piece& piece) { draw(open(piece)); });
}

void LayerPainter::line(QPoint from, QPoint to, const QPen& pen) {
    if (pen.widthF() <= 1) {
        // Qt steps a one-pixel line from where each tile's edge cuts it, with a jog at the
        // joints: these are drawn from their ends alone.
        const QColor c = pen.color();
        picture::drawThinLine(layer_, from.x(), from.y(), to.x(), to.y(),
                              picture::rgb555(static_cast<std::uint8_t>(c.red()),
                                              static_cast<std::uint8_t>(c.green()),
                                              static_cast<std::uint8_t>(c.blue())));
        return;
    }
    // A wide line is its outline filled, the same in every tile (Qt's own wide lines with
    // square caps are stepped from each tile's edge too); only its part within the pen's reach
    // of the canvas is drawn.
    const double reach = std::ceil(pen.widthF()) + 2;
    const auto segment =
        clipSegment(QLineF(from, to), QRectF(-reach, -reach, layer_.width() + 2 * reach,
                                             layer_.height() + 2 * reach));
    if (!segment) return;
    QPainterPath path(segment->p1());
    path.lineTo(segment->p2());
    const QPainterPath outline = QPainterPathStroker(pen).createStroke(path);
    // The tiles along it, found half a tile at a time, each draw it whole once.
    std::set<const picture::Pixel*> drawn;
    const int pieces =
        std::max(1, static_cast<int>(std::ceil(segment->length() / (picture::Layer::kTile / 2.0))));
    for (int i = 0; i < pieces; ++i) {
        const QRect near = QRectF(segment->pointAt(static_cast<double>(i) / pieces),
                                  segment->pointAt(static_cast<double>(i + 1) / pieces))
                               .normalized()
                               .adjusted(-reach, -reach, reach, reach)
                               .toAlignedRect();
        layer_.writable(near.left(), near.top(), near.right() + 1, near.bottom() + 1,
                        [&](const picture::Layer::Piece& piece) {
                            if (drawn.insert(piece.data).second)
                                open(piece).fillPath(outline, pen.color());
                        });
    }
}

} // namespace tracelle::ui
