#include "ui/QtPictureDecoder.h"

#include "picture/PixelRows.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

namespace tracelle::ui {

picture::Decoded decodeWithQt(const std::string& path) {
    QImageReader reader(QString::fromStdString(path));
    if (!reader.canRead())
        return picture::failed(
            QCoreApplication::translate("QtPictureDecoder", "format d'image non reconnu")
                .toStdString());
    const QSize size = reader.size();
    if (size.isValid()) {
        const std::string refused = picture::checkFitsInMemory(
            static_cast<std::uint64_t>(size.width()), static_cast<std::uint64_t>(size.height()));
        if (!refused.empty()) return picture::failed(refused);
    }
    // Scanned maps exceed Qt's default limit of 256 MB; the memory check above stands in.
    reader.setAllocationLimit(0);
    const QImage image = reader.read();
    if (image.isNull()) return picture::failed(reader.errorString().toStdString());
    return fromQImage(image);
}

picture::Decoded fromQImage(const QImage& drawn) {
    const QImage image = drawn.convertToFormat(QImage::Format_RGB888);
    picture::Decoded result;
    result.sourceBits = image.depth();
    result.raster = picture::Raster::create(image.width(), image.height(), &result.error);
    if (result.raster.empty()) return result;
    for (int y = 0; y < image.height(); ++y)
        picture::rgbRowTo555(image.constScanLine(y), 3, result.raster.row(y), image.width());
    return result;
}

std::string filtreImages() {
    // The program's own codecs first, then whatever Qt's readers add (PNM, TGA, WebP...).
    QStringList patterns = {"*.jpg", "*.jpeg", "*.jpe",  "*.bmp", "*.dib",
                            "*.gif", "*.tif",  "*.tiff", "*.png", "*.pdf"};
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString pattern = "*." + QString::fromLatin1(format).toLower();
        if (!patterns.contains(pattern)) patterns << pattern;
    }
    return QCoreApplication::translate(
               "QtPictureDecoder", "Fichiers image|%1|Fichiers JPEG|*.jpg;*.jpeg;*.jpe|Fichiers "
                                   "Bitmap|*.bmp;*.dib|Fichiers TIFF|*.tif;*.tiff|Documents "
                                   "PDF|*.pdf")
        .arg(patterns.join(';'))
        .toStdString();
}

} // namespace tracelle::ui
