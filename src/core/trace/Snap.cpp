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
    const Rgb background = backgroundAround(layer, click);
    const auto seen = mostDistinct(layer, click, background, kDefaultTolerance, radius);
    if (!seen) return std::nullopt;
    // A click far off a thick line sees only its anti-aliased edge, whose pale colour leaves
    // the line's core out of the measure across: the colour is taken again a little further
    // in, provided the edge is a blend of it with the paper (not another mark near the line).
    constexpr int kInward = 2;
    // (Never nothing: the edge itself is within reach.)
    const Rgb core = mostDistinct(layer, seen->at, background, kDefaultTolerance, kInward)->colour;
    const LineColour inward(core, background);
    if (inward.weight(picture::rgb555(seen->colour.r, seen->colour.g, seen->colour.b)) > 0)
        return snapToLine(layer, click, inward, radius);
    return snapToLine(layer, click, LineColour(seen->colour, background), radius);
}

} // namespace tracelle::trace
