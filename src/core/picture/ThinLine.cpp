#include "picture/ThinLine.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tracelle::picture {

namespace {

// Products of two 32-bit spans need 64 bits and a sign.
__extension__ using Wide = __int128;

Wide floorDiv(Wide n, Wide d) { // d > 0
    const Wide q = n / d;
    return n % d != 0 && n < 0 ? q - 1 : q;
}

} // namespace

void drawThinLine(Layer& layer, int x0, int y0, int x1, int y1, Pixel colour) {
    const bool steep = std::abs(std::int64_t{y1} - y0) > std::abs(std::int64_t{x1} - x0);
    // u along the longer axis, v across it.
    std::int64_t u0 = steep ? y0 : x0, v0 = steep ? x0 : y0;
    std::int64_t u1 = steep ? y1 : x1, v1 = steep ? x1 : y1;
    if (u0 > u1) {
        std::swap(u0, u1);
        std::swap(v0, v1);
    }
    const std::int64_t du = u1 - u0, dv = v1 - v0;
    const int uSize = steep ? layer.height() : layer.width();
    const int vSize = steep ? layer.width() : layer.height();
    const std::int64_t last = std::min<std::int64_t>(u1, uSize - 1);
    for (std::int64_t u = std::max<std::int64_t>(u0, 0); u <= last; ++u) {
        // v0 + (u − u0)·dv / du, rounded half up.
        const std::int64_t v =
            du == 0
                ? v0
                : v0 + static_cast<std::int64_t>(floorDiv(Wide{2} * (u - u0) * dv + du, 2 * du));
        if (v < 0 || v >= vSize) continue;
        if (steep)
            layer.setPixel(static_cast<int>(v), static_cast<int>(u), colour);
        else
            layer.setPixel(static_cast<int>(u), static_cast<int>(v), colour);
    }
}

} // namespace tracelle::picture
