#include "render/RgbImage.h"

#include "picture/PixelRows.h"

namespace tracelle::render {

picture::Rgb24Rows rowsOf(const QImage& image) {
    const bool kept =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_RGB555;
    const QImage source = kept ? image : image.convertToFormat(QImage::Format_RGB32);
    const int width = source.width();
    return {width, source.height(), [source, width](int y, std::uint8_t* rgb) {
                const uchar* line = source.constScanLine(y);
                if (source.format() == QImage::Format_RGB555) {
                    picture::rowTo888(reinterpret_cast<const picture::Pixel*>(line), rgb, width);
                } else {
                    const auto* pixels = reinterpret_cast<const QRgb*>(line);
                    for (int x = 0; x < width; ++x) {
                        rgb[3 * x] = static_cast<std::uint8_t>(qRed(pixels[x]));
                        rgb[3 * x + 1] = static_cast<std::uint8_t>(qGreen(pixels[x]));
                        rgb[3 * x + 2] = static_cast<std::uint8_t>(qBlue(pixels[x]));
                    }
                }
                return static_cast<const std::uint8_t*>(rgb);
            }};
}

} // namespace tracelle::render
