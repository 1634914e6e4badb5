// A picture to convert, whatever its kind, as the windows hold it: ConversionSource behind an
// interface, made by the module that draws it (render/RenderModule.h).
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <string>

namespace tracelle::render {

class Source {
public:
    virtual ~Source() = default;

    virtual const std::string& path() const = 0;
    // Its size in pixels; a PDF page's at 96 pixels an inch.
    virtual QSize size() const = 0;
    // Metafiles and pages are drawn at any size; pictures keep theirs (zoom 100 %).
    virtual bool scalable() const = 0;

    // 0 unless a PDF document.
    virtual int pageCount() const = 0;
    // Page `index` (from 0) of a PDF; false with the reason when there is no such page.
    virtual bool setPage(int index, std::string* error) = 0;

    // The zoom in per cent that brings the source near `targetWidth` pixels: 100 for a
    // picture, 0 for a metafile without width (nothing is then converted).
    virtual int zoomFor(long long targetWidth) const = 0;
    // The bitmap of `size`: a picture stretched into it, a metafile or page drawn into it over
    // `background`. Null with the reason when it cannot be made.
    virtual QImage draw(QSize size, const QColor& background, std::string* error) const = 0;

protected:
    Source() = default;
    Source(const Source&) = default;
    Source& operator=(const Source&) = default;
};

} // namespace tracelle::render
