#include "render/RgbImage.h"

#include <cstring>

namespace tracelle::render {

picture::Rgb24 toRgb24(const QImage& image) {
    picture::Rgb24 out;
    if (image.isNull()) return out;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    out.width = rgb.width();
    out.height = rgb.height();
    const std::size_t rowBytes = static_cast<std::size_t>(out.width) * 3;
    out.rgb.resize(rowBytes * static_cast<std::size_t>(out.height));
    // Qt pads its rows to four bytes; ours follow each other.
    for (int y = 0; y < out.height; ++y)
        std::memcpy(out.rgb.data() + rowBytes * static_cast<std::size_t>(y), rgb.constScanLine(y),
                    rowBytes);
    return out;
}

} // namespace tracelle::render
