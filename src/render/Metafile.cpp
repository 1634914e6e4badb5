#include "render/Metafile.h"

#include "picture/MetafileHeader.h"
#include "picture/Raster.h"
#include "platform/Language.h"
#include "render/EmfSvg.h"
#include "render/GuiApplication.h"
#include "render/WmfSvg.h"

#include <QPainter>
#include <QSvgRenderer>
#include <fstream>
#include <iterator>
#include <vector>

namespace tracelle::render {

Metafile Metafile::load(const std::string& path, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error) *error = platform::translate("render", "impossible d'ouvrir le fichier");
        return {};
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    return fromBytes(bytes, error);
}

Metafile Metafile::fromBytes(std::span<const std::uint8_t> bytes, std::string* error) {
    const auto fail = [error](std::string why) {
        if (error) *error = std::move(why);
        return Metafile();
    };
    const picture::MetafileHeader header = picture::readMetafileHeader(bytes);
    if (!header.ok()) return fail(header.error);
    // Text in the drawing needs the font database.
    if (std::string why = ensureGuiApplication(); !why.empty()) return fail(why);

    Metafile m;
    QByteArray svg;
    std::string why;
    if (header.kind == picture::MetafileKind::Emf) {
        m.size_ = QSize(header.width, header.height);
        // A frame without extent leaves nothing to draw, and libemf2svg would divide by it.
        if (header.frame.width() >= 1 && header.frame.height() >= 1)
            svg = emfToSvg(bytes, header, &why);
        else
            svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1\" height=\"1\"/>";
    } else {
        WmfSvg converted = wmfToSvg(bytes, header);
        svg = std::move(converted.svg);
        why = std::move(converted.error);
        m.size_ = QSize(converted.width, converted.height);
    }
    if (svg.isEmpty()) return fail(why);
    m.svg_ = std::make_shared<QSvgRenderer>(svg);
    if (!m.svg_->isValid())
        return fail(
            platform::translate("render", "le dessin du métafichier n'a pu être interprété"));
    return m;
}

void Metafile::draw(QPainter& painter, const QRect& target, const QColor& background) const {
    painter.fillRect(target, background);
    if (svg_) svg_->render(&painter, QRectF(target));
}

QImage Metafile::render(QSize size, const QColor& background, std::string* error) const {
    if (size.isEmpty()) return {};
    const std::string tooLarge = picture::checkFitsInMemory(
        static_cast<std::uint64_t>(size.width()), static_cast<std::uint64_t>(size.height()));
    QImage image;
    if (tooLarge.empty()) image = QImage(size, QImage::Format_RGB32);
    if (image.isNull()) {
        if (error)
            *error =
                tooLarge.empty() ? platform::translate("render", "mémoire insuffisante") : tooLarge;
        return {};
    }
    QPainter painter(&image);
    draw(painter, image.rect(), background);
    return image;
}

} // namespace tracelle::render
