#include "trace/Section.h"

#include <algorithm>
#include <cmath>

namespace tracelle::trace {

std::optional<Run> runAcross(const picture::Layer& layer, const LineColour& colour, PointF q,
                             PointF n, int reach, double maxShift) {
    const int w = layer.width(), h = layer.height();
    std::optional<Run> best;
    double mass = 0, moment = 0;
    int first = 0;
    const auto close = [&](int last) {
        if (mass <= 0) return;
        const double centre = moment / mass;
        if (std::abs(centre) <= maxShift && (!best || std::abs(centre) < std::abs(best->centre)))
            best = Run{centre, double(last - first + 1), first == -reach || last == reach};
        mass = moment = 0;
    };
    // Weights read between pixels (bilinear), so that the centre moves smoothly with the line;
    // the line's edge lies where its pixels weigh a few tenths.
    constexpr double kEdge = 0.2;
    const auto at = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h ? colour.weight(layer.pixel(x, y)) : 0.0f;
    };
    // Pixels x and x + 1 of row y, read from one tile's memory where they share it.
    const auto pair = [&](int x, int y, double ax) {
        if (x >= 0 && y >= 0 && x + 1 < w && y < h) {
            int before = 0, after = 0;
            picture::Layer::Scratch scratch;
            const picture::Pixel* p = layer.run(x, y, before, after, scratch);
            if (after > 0) return (1 - ax) * colour.weight(p[0]) + ax * colour.weight(p[1]);
        }
        return (1 - ax) * at(x, y) + ax * at(x + 1, y);
    };
    for (int t = -reach; t <= reach; ++t) {
        const double fx = q.x + t * n.x, fy = q.y + t * n.y;
        const int x = static_cast<int>(std::floor(fx)), y = static_cast<int>(std::floor(fy));
        const double ax = fx - x, ay = fy - y;
        const double wt = (1 - ay) * pair(x, y, ax) + ay * pair(x, y + 1, ax);
        if (wt > kEdge) {
            if (mass == 0) first = t;
            mass += wt;
            moment += wt * t;
        } else {
            close(t - 1);
        }
    }
    close(reach);
    return best;
}

std::optional<PointF> directionAt(const picture::Layer& layer, const LineColour& colour,
                                  PixelPoint p, int radius) {
    double m = 0, sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (int y = std::max(p.y - radius, 0); y <= std::min(p.y + radius, layer.height() - 1); ++y)
        for (int x = std::max(p.x - radius, 0); x <= std::min(p.x + radius, layer.width() - 1);
             ++x) {
            const int dx = x - p.x, dy = y - p.y;
            if (dx * dx + dy * dy > radius * radius) continue;
            const double wt = colour.weight(layer.pixel(x, y));
            m += wt;
            sx += wt * dx;
            sy += wt * dy;
            sxx += wt * dx * dx;
            syy += wt * dy * dy;
            sxy += wt * dx * dy;
        }
    if (m < 2) return std::nullopt;
    const double cx = sx / m, cy = sy / m;
    const double a = sxx / m - cx * cx, b = syy / m - cy * cy, c = sxy / m - cx * cy;
    const double angle = 0.5 * std::atan2(2 * c, a - b);
    return PointF{std::cos(angle), std::sin(angle)};
}

std::optional<PixelPoint> nearestLinePixel(const picture::Layer& layer, const LineColour& colour,
                                           PixelPoint at, int radius) {
    std::optional<PixelPoint> best;
    int bestD = radius * radius + 1;
    float bestW = 0;
    for (int y = std::max(at.y - radius, 0); y <= std::min(at.y + radius, layer.height() - 1); ++y)
        for (int x = std::max(at.x - radius, 0); x <= std::min(at.x + radius, layer.width() - 1);
             ++x) {
            const float wt = colour.weight(layer.pixel(x, y));
            const int d = (x - at.x) * (x - at.x) + (y - at.y) * (y - at.y);
            if (wt > 0 && (d < bestD || (d == bestD && wt > bestW))) {
                best = PixelPoint{x, y};
                bestD = d;
                bestW = wt;
            }
        }
    return best;
}

} // namespace tracelle::trace
