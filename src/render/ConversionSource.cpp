#include "render/ConversionSource.h"

#include "model/NumberText.h"
#include "picture/ConversionSize.h"
#include "picture/Decoder.h"
#include "picture/JpegCodec.h"
#include "picture/Raster.h"
#include "platform/Language.h"
#include "render/GuiApplication.h"

#include <QImageReader>
#include <QPainter>
#include <filesystem>
#include <memory>

namespace tracelle::render {

namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;

SourceKind kindOf(const std::string& path) {
    const std::string ext = model::minuscules(std::filesystem::path(path).extension().string());
    if (ext == ".bmp") return SourceKind::Bitmap;
    if (ext == ".jpg" || ext == ".jpeg") return SourceKind::Jpeg;
    if (ext == ".ico") return SourceKind::Icon;
    if (ext == ".emf" || ext == ".wmf") return SourceKind::Metafile;
    if (ext == ".pdf") return SourceKind::Pdf;
    return SourceKind::None;
}

// Nothing is copied: the image shares the decoder's words until it is let go.
template <class Owner>
QImage sharing(std::unique_ptr<Owner> owner, const void* words, int width, int height,
               qsizetype bytesPerLine, QImage::Format format) {
    return QImage(
        static_cast<const uchar*>(words), width, height, bytesPerLine, format,
        [](void* o) { delete static_cast<Owner*>(o); }, owner.release());
}

// At its own depth. A JPEG through the program's decoder, which refuses a file cut short
// where Qt's pads it with grey; other pictures through Qt's readers, the program's own
// decoders taking what they refuse, for the reason told in French. The memory each holds is
// checked before it is read.
QImage readPicture(const std::string& path, SourceKind kind, std::string* error) {
    const auto fail = [&](const std::string& reason) {
        if (error) *error = picture::decodeFailureMessage(path, reason);
        return QImage();
    };
    if (kind == SourceKind::Jpeg) {
        auto decoded = std::make_unique<picture::Decoded32>(picture::decodeJpeg32(path));
        if (!decoded->ok()) return fail(decoded->error);
        const std::uint32_t* words = decoded->pixels.get();
        const int w = decoded->width, h = decoded->height;
        return sharing(std::move(decoded), words, w, h, static_cast<qsizetype>(w) * 4,
                       QImage::Format_RGB32);
    }
    QImageReader reader(QString::fromStdString(path));
    reader.setAutoTransform(false);
    // 32 bits a pixel, and as much again while another depth is widened to them.
    if (const QSize size = reader.size(); size.isValid()) {
        const auto w = static_cast<std::uint64_t>(size.width());
        const auto h = static_cast<std::uint64_t>(size.height());
        if (const std::string refused = picture::checkFitsInMemory(w, h, w * h * 2);
            !refused.empty())
            return fail(refused);
    }
    QImage image = reader.read();
    if (!image.isNull())
        return image.format() == QImage::Format_RGB32 ? image
                                                      : image.convertToFormat(QImage::Format_RGB32);
    picture::Decoded decoded = picture::decodeFile(path);
    if (!decoded.ok()) return fail(decoded.error);
    auto raster = std::make_unique<picture::Raster>(std::move(decoded.raster));
    const int w = raster->width(), h = raster->height();
    if (raster->indexed()) {
        QList<QRgb> colours;
        for (const picture::Pixel p : raster->palette())
            colours.push_back(qRgb(picture::red8(p), picture::green8(p), picture::blue8(p)));
        const std::uint8_t* indices = raster->indexRow(0);
        const auto bytesPerLine = static_cast<qsizetype>(raster->stride());
        QImage image =
            sharing(std::move(raster), indices, w, h, bytesPerLine, QImage::Format_Indexed8);
        image.setColorTable(colours);
        return image;
    }
    const picture::Pixel* words = raster->data();
    const auto bytesPerLine = static_cast<qsizetype>(raster->stride() * sizeof(picture::Pixel));
    return sharing(std::move(raster), words, w, h, bytesPerLine, QImage::Format_RGB555);
}

QSize pageSize(const PdfDocument& pdf, int page) {
    const QSizeF points = pdf.pageSize(page);
    return {qRound(points.width() * kPixelsPerPoint), qRound(points.height() * kPixelsPerPoint)};
}

} // namespace

ConversionSource ConversionSource::load(const std::string& path, std::string* error) {
    ConversionSource s;
    const SourceKind kind = kindOf(path);
    if (kind == SourceKind::None) {
        if (error)
            *error = platform::fill(
                platform::translate("render", "%1 : seuls les fichiers .emf, .wmf, .bmp, .jpg, "
                                              ".ico et .pdf se convertissent"),
                {path});
        return s;
    }
    std::string why;
    const auto fail = [&](const std::string& reason) {
        if (error) *error = picture::decodeFailureMessage(path, reason);
        return ConversionSource();
    };
    switch (kind) {
    case SourceKind::Metafile:
        s.metafile_ = Metafile::load(path, &why);
        if (s.metafile_.empty()) return fail(why);
        s.size_ = QSize(s.metafile_.width(), s.metafile_.height());
        break;
    case SourceKind::Pdf:
        if (std::string gui = ensureGuiApplication(); !gui.empty()) return fail(gui);
        s.pdf_ = PdfDocument::load(path, &why);
        if (s.pdf_.empty()) return fail(why);
        if (s.pdf_.pageCount() < 1)
            return fail(platform::translate("render", "le document n'a aucune page"));
        s.size_ = pageSize(s.pdf_, 0);
        break;
    default:
        if (std::string gui = ensureGuiApplication(); !gui.empty()) return fail(gui);
        s.picture_ = readPicture(path, kind, error);
        if (s.picture_.isNull()) return ConversionSource();
        s.size_ = s.picture_.size();
        break;
    }
    s.kind_ = kind;
    s.path_ = path;
    return s;
}

bool ConversionSource::setPage(int index, std::string* error) {
    if (kind_ != SourceKind::Pdf || index < 0 || index >= pdf_.pageCount()) {
        if (error)
            *error = platform::fill(
                platform::translate("render", "le document n'a pas de page %1 (%2 pages)"),
                {std::to_string(index + 1), std::to_string(pageCount())});
        return false;
    }
    page_ = index;
    size_ = pageSize(pdf_, index);
    return true;
}

int ConversionSource::zoomFor(long long targetWidth) const {
    return scalable() ? picture::conversionZoom(targetWidth, size_.width()) : 100;
}

QImage ConversionSource::draw(QSize size, const QColor& background, std::string* error) const {
    if (size.isEmpty() || empty()) return {};
    switch (kind_) {
    case SourceKind::Metafile:
        return metafile_.render(size, background, error);
    case SourceKind::Pdf: {
        // The page keeps its proportions at the width asked; its height is the one asked.
        QImage page = pdf_.renderPage(page_, size.width(), background, error);
        if (page.isNull() || page.size() == size) return page;
        QImage fitted(size, QImage::Format_RGB32);
        fitted.fill(background);
        QPainter(&fitted).drawImage(QRect(QPoint(), size), page);
        return fitted;
    }
    default: {
        const std::string tooLarge = picture::checkFitsInMemory(
            static_cast<std::uint64_t>(size.width()), static_cast<std::uint64_t>(size.height()));
        if (!tooLarge.empty()) {
            if (error) *error = tooLarge;
            return {};
        }
        if (size == picture_.size()) return picture_;
        return picture_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    }
}

} // namespace tracelle::render
