#include "trace/Section.h"
#include "trace/Trace.h"

#include <cmath>

namespace tracelle::trace {

std::optional<PixelPoint> snapToLine(const picture::Layer& layer, PixelPoint click,
                                     const LineColour& colour, int radius) {
    constexpr int kSpread = 4;
    constexpr int kReach = 12;
    if (!colour.valid()) return std::nullopt;
    const auto pixel = nearestLinePixel(layer, colour, click, radius);
    if (!pixel) return std::nullopt;
    const auto d = directionAt(layer, colour, *pixel, kSpread);
    if (!d) return pixel;
    const PointF n{-d->y, d->x};
    const auto run =
        runAcross(layer, colour, {double(pixel->x), double(pixel->y)}, n, kReach, kReach);
    if (!run) return pixel;
    return PixelPoint{static_cast<int>(std::lround(pixel->x + run->centre * n.x)),
                      static_cast<int>(std::lround(pixel->y + run->centre * n.y))};
}

std::optional<PixelPoint> snapToLine(const picture::Layer& layer, PixelPoint click, int radius) {
    const auto line = lineColourAt(layer, click, kDefaultTolerance, radius);
    if (!line) return std::nullopt;
    return snapToLine(layer, click, LineColour(*line, backgroundAround(layer, click)), radius);
}

} // namespace tracelle::trace
