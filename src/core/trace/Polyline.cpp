// The traced centreline turned into the points of a line.
#include "trace/Trace.h"

#include <algorithm>
#include <cmath>

namespace tracelle::trace {

namespace {

void keep(std::vector<PixelPoint>& out, PointF p) {
    const PixelPoint q{static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))};
    if (out.empty() || !(out.back() == q)) out.push_back(q);
}

// To the segment, not the line through it: a hairpin's tip lies on that line.
double distanceToChord(PointF p, PointF a, PointF b) {
    const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
    const double t = l2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0) : 0;
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

} // namespace

std::vector<PixelPoint> resample(const std::vector<PointF>& line, double spacing) {
    std::vector<PixelPoint> out;
    if (line.empty()) return out;
    keep(out, line.front());
    double next = spacing; // arc length of the next point
    double along = 0;
    for (std::size_t i = 1; i < line.size(); ++i) {
        const PointF a = line[i - 1], b = line[i];
        const double l = std::hypot(b.x - a.x, b.y - a.y);
        while (spacing > 0 && l > 0 && next <= along + l) {
            const double t = (next - along) / l;
            keep(out, {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
            next += spacing;
        }
        along += l;
    }
    keep(out, line.back());
    return out;
}

std::vector<PixelPoint> simplify(const std::vector<PointF>& line, double tolerance) {
    std::vector<PixelPoint> out;
    if (line.empty()) return out;
    std::vector<bool> kept(line.size(), false);
    kept.front() = kept.back() = true;
    std::vector<std::pair<std::size_t, std::size_t>> spans{{0, line.size() - 1}};
    while (!spans.empty()) {
        const auto [first, last] = spans.back();
        spans.pop_back();
        const PointF a = line[first], b = line[last];
        double farthest = tolerance;
        std::size_t at = 0;
        for (std::size_t i = first + 1; i < last; ++i) {
            const double d = distanceToChord(line[i], a, b);
            if (d > farthest) {
                farthest = d;
                at = i;
            }
        }
        if (at == 0) continue;
        kept[at] = true;
        spans.push_back({first, at});
        spans.push_back({at, last});
    }
    for (std::size_t i = 0; i < line.size(); ++i)
        if (kept[i]) keep(out, line[i]);
    return out;
}

} // namespace tracelle::trace
