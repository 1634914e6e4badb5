// The picture the conversion starts from, whatever its kind, and the bitmap it becomes: a
// bitmap keeps its own size, a metafile or a PDF page is drawn at the width asked for. The
// window and tracelle-cli convert through it alike.
#pragma once

#include "render/Metafile.h"
#include "render/PdfDocument.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <string>

namespace tracelle::render {

enum class SourceKind { None, Bitmap, Jpeg, Icon, Metafile, Pdf };

class ConversionSource {
public:
    // By the lower-cased extension: ".bmp", ".jpg" or ".jpeg", ".ico", ".emf" or ".wmf",
    // ".pdf" (its first page). Any other extension, or a file that cannot be read, gives no
    // source and the reason in French, naming the file.
    static ConversionSource load(const std::string& path, std::string* error);

    SourceKind kind() const { return kind_; }
    bool empty() const { return kind_ == SourceKind::None; }
    const std::string& path() const { return path_; }
    // Its size in pixels; a PDF page's at 96 pixels an inch.
    QSize size() const { return size_; }
    // Metafiles and pages are drawn at any size; pictures keep theirs (zoom 100 %).
    bool scalable() const { return kind_ == SourceKind::Metafile || kind_ == SourceKind::Pdf; }

    int pageCount() const { return pdf_.empty() ? 0 : pdf_.pageCount(); }
    int page() const { return page_; }
    // Page `index` (from 0) of a PDF; false with the reason when there is no such page.
    bool setPage(int index, std::string* error);

    // The zoom in per cent that brings the source near `targetWidth` pixels: 100 for a
    // picture, 0 for a metafile without width (nothing is then converted).
    int zoomFor(long long targetWidth) const;
    // The bitmap of `size`: a picture stretched into it, a metafile or page drawn into it over
    // `background`. Null with the reason when it cannot be made.
    QImage draw(QSize size, const QColor& background, std::string* error) const;

private:
    SourceKind kind_ = SourceKind::None;
    std::string path_;
    QSize size_;
    QImage picture_;
    Metafile metafile_;
    PdfDocument pdf_;
    int page_ = 0;
};

} // namespace tracelle::render
