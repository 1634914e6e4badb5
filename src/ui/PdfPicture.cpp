#include "ui/PdfPicture.h"

#include "model/NumberText.h"
#include "picture/Raster.h"
#include "render/PdfDocument.h"
#include "ui/QtPictureDecoder.h"

#include <QCoreApplication>
#include <cmath>
#include <filesystem>

namespace tracelle::ui {

bool isPdf(const std::string& path) {
    return model::minuscules(std::filesystem::path(path).extension().string()) == ".pdf";
}

int pdfPageCount(const std::string& path, std::string* error) {
    const render::PdfDocument document = render::PdfDocument::load(path, error);
    if (document.empty()) return 0;
    if (document.pageCount() < 1 && error)
        *error =
            QCoreApplication::translate("PdfPicture", "le document n'a aucune page").toStdString();
    return document.pageCount();
}

picture::Decoded decodePdfPage(const std::string& path, int page, int dpi) {
    std::string error;
    const render::PdfDocument document = render::PdfDocument::load(path, &error);
    if (document.empty()) return picture::failed(error);
    if (page < 1 || page > document.pageCount())
        return picture::failed(
            QCoreApplication::translate("PdfPicture", "le document n'a pas de page %1 (%2 pages)")
                .arg(page)
                .arg(document.pageCount())
                .toStdString());
    const QSizeF points = document.pageSize(page - 1);
    const double width = std::round(points.width() / 72.0 * dpi);
    const double height = std::round(points.height() / 72.0 * dpi);
    // Refused before Poppler allocates a page of billions of pixels.
    if (const std::string tooLarge =
            picture::checkFitsInMemory(static_cast<std::uint64_t>(std::max(width, 1.0)),
                                       static_cast<std::uint64_t>(std::max(height, 1.0)));
        !tooLarge.empty())
        return picture::failed(tooLarge);
    const QImage drawn =
        document.renderPage(page - 1, static_cast<int>(width), QColor(Qt::white), &error);
    if (drawn.isNull()) return picture::failed(error);
    return fromQImage(drawn);
}

} // namespace tracelle::ui
