#include "render/PdfDocument.h"

#include "picture/Raster.h"
#include "platform/Language.h"

#include <cmath>
#include <poppler-qt6.h>

namespace tracelle::render {

namespace {

// Poppler reports what it mends in a damaged file on the standard error; the program says
// what matters in its own words.
void quiet(const QString&, const QVariant&) {}

// No page drawn, and why.
QImage refused(std::string* error, std::string why) {
    if (error) *error = std::move(why);
    return QImage();
}

} // namespace

PdfDocument PdfDocument::load(const std::string& path, std::string* error) {
    const auto fail = [error](const char* why) {
        if (error) *error = why;
        return PdfDocument();
    };
    Poppler::setDebugErrorFunction(quiet, QVariant());
    std::unique_ptr<Poppler::Document> document =
        Poppler::Document::load(QString::fromStdString(path));
    if (!document)
        return fail(platform::translate("render", "ce fichier n'est pas un document PDF lisible"));
    if (document->isLocked())
        return fail(platform::translate("render", "document PDF protégé par un mot de passe"));
    if (document->numPages() < 1)
        return fail(platform::translate("render", "document PDF sans page"));
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    PdfDocument d;
    d.document_ = std::move(document);
    return d;
}

int PdfDocument::pageCount() const {
    return document_ ? document_->numPages() : 0;
}

QSizeF PdfDocument::pageSize(int index) const {
    if (index < 0 || index >= pageCount()) return {};
    const std::unique_ptr<Poppler::Page> page = document_->page(index);
    return page ? page->pageSizeF() : QSizeF();
}

QImage PdfDocument::renderPage(int index, int width, const QColor& paper,
                               std::string* error) const {
    if (index < 0 || index >= pageCount())
        return refused(
            error, platform::fill(
                       platform::translate("render", "la page %1 n'existe pas dans ce document"),
                       {std::to_string(index + 1)}));
    const std::unique_ptr<Poppler::Page> page = document_->page(index);
    const QSizeF points = page ? page->pageSizeF() : QSizeF();
    if (points.width() <= 0 || points.height() <= 0)
        return refused(error, platform::translate("render", "page PDF sans dimensions"));
    if (width <= 0)
        return refused(error, platform::translate("render", "largeur de page invalide"));
    const double dpi = width * 72.0 / points.width();
    const auto height = std::max(1L, std::lround(points.height() * dpi / 72.0));
    if (std::string tooLarge = picture::checkFitsInMemory(static_cast<std::uint64_t>(width),
                                                          static_cast<std::uint64_t>(height));
        !tooLarge.empty())
        return refused(error, tooLarge);
    document_->setPaperColor(paper);
    const QImage image = page->renderToImage(dpi, dpi, 0, 0, width, static_cast<int>(height));
    if (image.isNull())
        return refused(error, platform::translate("render", "la page PDF n'a pu être dessinée"));
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage PdfDocument::renderPageAt(int index, int dpi, const QColor& paper,
                                 std::string* error) const {
    if (index < 0 || index >= pageCount())
        return refused(
            error, platform::fill(
                       platform::translate("render", "le document n'a pas de page %1 (%2 pages)"),
                       {std::to_string(index + 1), std::to_string(pageCount())}));
    const QSizeF points = pageSize(index);
    const double width = std::round(points.width() / 72.0 * dpi);
    const double height = std::round(points.height() / 72.0 * dpi);
    // Checked before the width is made an int, which it might overflow.
    if (std::string tooLarge =
            picture::checkFitsInMemory(static_cast<std::uint64_t>(std::max(width, 1.0)),
                                       static_cast<std::uint64_t>(std::max(height, 1.0)));
        !tooLarge.empty())
        return refused(error, tooLarge);
    return renderPage(index, static_cast<int>(width), paper, error);
}

} // namespace tracelle::render
