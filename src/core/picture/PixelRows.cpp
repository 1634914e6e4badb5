#include "picture/PixelRows.h"

namespace tracelle::picture {

namespace {

// A step fixed at compile time lets the compiler vectorise the loop.
TRACELLE_VECTOR_CLONES void rgbRow(const std::uint8_t* src, Pixel* dst, int count) {
    for (int x = 0; x < count; ++x)
        dst[x] = rgb555(src[3 * x], src[3 * x + 1], src[3 * x + 2]);
}

TRACELLE_VECTOR_CLONES void rgbaRow(const std::uint8_t* src, Pixel* dst, int count) {
    for (int x = 0; x < count; ++x)
        dst[x] = rgb555(src[4 * x], src[4 * x + 1], src[4 * x + 2]);
}

} // namespace

void rgbRowTo555(const std::uint8_t* src, std::size_t step, Pixel* dst, int count) {
    if (step == 3) return rgbRow(src, dst, count);
    if (step == 4) return rgbaRow(src, dst, count);
    for (int x = 0; x < count; ++x, src += step)
        dst[x] = rgb555(src[0], src[1], src[2]);
}

} // namespace tracelle::picture
