// A Windows metafile (EMF or WMF) read once and drawn at any size: converted to SVG, then
// drawn by Qt SVG stretched into the rectangle asked for, over a background colour.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

class QPainter;
class QSvgRenderer;

namespace tracelle::render {

class Metafile {
public:
    Metafile() = default;

    // The file at `path`, EMF or WMF told apart by its first bytes. On failure the metafile
    // is empty and `error` holds the reason in French, without the file's name.
    static Metafile load(const std::string& path, std::string* error);
    static Metafile fromBytes(std::span<const std::uint8_t> bytes, std::string* error);

    bool empty() const { return !svg_; }
    // Its size in pixels (see picture/MetafileHeader.h); 0 for a drawing without extent.
    int width() const { return size_.width(); }
    int height() const { return size_.height(); }

    // `target` filled with `background`, then the drawing stretched into it.
    void draw(QPainter& painter, const QRect& target, const QColor& background) const;
    // A picture of `size` drawn that way (QImage::Format_RGB32); null with `error` set when
    // the memory is not there.
    QImage render(QSize size, const QColor& background, std::string* error) const;

private:
    std::shared_ptr<QSvgRenderer> svg_;
    QSize size_;
};

} // namespace tracelle::render
