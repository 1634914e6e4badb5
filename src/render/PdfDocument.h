// PDF documents through Poppler: their pages drawn into pictures of a given width, so that a
// page is converted or opened like a metafile.
#pragma once

#include <QColor>
#include <QImage>
#include <QSizeF>
#include <memory>
#include <string>

namespace Poppler {
class Document;
}

namespace tracelle::render {

class PdfDocument {
public:
    PdfDocument() = default;

    // On failure the document is empty and `error` holds the reason in French, without the
    // file's name.
    static PdfDocument load(const std::string& path, std::string* error);

    bool empty() const { return !document_; }
    int pageCount() const;
    // Page `index` (from 0) in points, as shown (turned when the page says so); empty when
    // there is no such page.
    QSizeF pageSize(int index) const;
    // Page `index` drawn `width` pixels wide on `paper`, its height in proportion
    // (QImage::Format_RGB32); null with `error` set on failure.
    QImage renderPage(int index, int width, const QColor& paper, std::string* error) const;
    // Page `index` drawn at `dpi` pixels an inch; null with `error` set on failure.
    QImage renderPageAt(int index, int dpi, const QColor& paper, std::string* error) const;

private:
    std::shared_ptr<Poppler::Document> document_;
};

} // namespace tracelle::render
