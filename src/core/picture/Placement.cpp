#include "picture/Placement.h"

#include <cstdint>

namespace tracelle::picture {

Placement placePicture(int w, int h, bool keepProportions, int cw, int ch) {
    Placement p{w, h, 0, 0};
    if (!keepProportions || cw <= 0 || ch <= 0 || w <= 0 || h <= 0) return p;
    // cw / ch >= w / h, compared exactly in integers.
    if (std::int64_t{cw} * h >= std::int64_t{w} * ch) {
        p.canvasWidth = static_cast<int>(std::int64_t{h} * cw / ch);
        p.ox = (p.canvasWidth - w) / 2;
    } else {
        p.canvasHeight = static_cast<int>(std::int64_t{w} * ch / cw);
        p.oy = (p.canvasHeight - h) / 2;
    }
    return p;
}

std::string sizeText(int w, int h) {
    return std::to_string(w) + " x " + std::to_string(h);
}

std::string LxHxC(int w, int h, int bitsPerPixel) {
    const std::int64_t kb = std::int64_t{w} * h * bitsPerPixel / 8 / 1024;
    return std::to_string(w) + "x" + std::to_string(h) + "x" + std::to_string(bitsPerPixel) + "=" +
           std::to_string(kb) + " ";
}

} // namespace tracelle::picture
