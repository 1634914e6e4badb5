// The picture the conversion starts from, whatever its kind, and the bitmap it becomes: a
// bitmap keeps its own size, a metafile or a PDF page is drawn at the width asked for.
// tracelle-cli converts through it, the window alike through the module that holds it.
#pragma once

#include "render/Metafile.h"
#include "render/PdfDocument.h"
#include "render/Source.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <string>

namespace tracelle::render {

enum class SourceKind { None, Bitmap, Jpeg, Icon, Metafile, Pdf };

class ConversionSource final : public Source {
public:
    // By the lower-cased extension: ".bmp", ".jpg" or ".jpeg", ".ico", ".emf" or ".wmf",
    // ".pdf" (its first page). Any other extension, or a file that cannot be read, gives no
    // source and the reason in French, naming the file.
    static ConversionSource load(const std::string& path, std::string* error);

    SourceKind kind() const { return kind_; }
    bool empty() const { return kind_ == SourceKind::None; }
    const std::string& path() const override { return path_; }
    QSize size() const override { return size_; }
    bool scalable() const override {
        return kind_ == SourceKind::Metafile || kind_ == SourceKind::Pdf;
    }

    int pageCount() const override { return pdf_.empty() ? 0 : pdf_.pageCount(); }
    int page() const { return page_; }
    bool setPage(int index, std::string* error) override;

    int zoomFor(long long targetWidth) const override;
    QImage draw(QSize size, const QColor& background, std::string* error) const override;

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
