#include "ui/GraphPainter.h"

#include "ui/Bgr.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

namespace tracelle::ui {

namespace {

// A pure black line would vanish on the black background: it is drawn in grey.
QRgb visible(std::uint32_t bgr) {
    return bgr == 0 ? qRgb(128, 128, 128) : fromBgr(bgr).rgb();
}

// The part of the segment inside [0, w) × [0, h) (Liang–Barsky); false when none is.
bool clip(double& x0, double& y0, double& x1, double& y1, int w, int h) {
    double t0 = 0, t1 = 1;
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0, w - 1 - x0, y0, h - 1 - y0};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0) return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const double ax = x0, ay = y0;
    x0 = ax + t0 * dx;
    y0 = ay + t0 * dy;
    x1 = ax + t1 * dx;
    y1 = ay + t1 * dy;
    return true;
}

// One pixel wide, both ends included.
void line(QImage& image, QRgb colour, graph::Pixel from, graph::Pixel to) {
    const int w = image.width(), h = image.height();
    double fx0 = from.x, fy0 = from.y, fx1 = to.x, fy1 = to.y;
    if (!clip(fx0, fy0, fx1, fy1, w, h)) return;
    int x0 = static_cast<int>(fx0 + 0.5), y0 = static_cast<int>(fy0 + 0.5);
    const int x1 = static_cast<int>(fx1 + 0.5), y1 = static_cast<int>(fy1 + 0.5);
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int error = dx + dy;;) {
        reinterpret_cast<QRgb*>(bits + y0 * stride)[x0] = colour;
        if (x0 == x1 && y0 == y1) return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

// A square of 3 × 3 pixels centred on the point.
void dot(QImage& image, QRgb colour, graph::Pixel at) {
    const int w = image.width(), h = image.height();
    for (int y = std::max(at.y - 1, 0); y <= std::min(at.y + 1, h - 1); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = std::max(at.x - 1, 0); x <= std::min(at.x + 1, w - 1); ++x)
            row[x] = colour;
    }
}

} // namespace

void paintGraph(QImage& buffer, const std::vector<graph::Segment>& segments) {
    // 32 bits a pixel, written as such below.
    if (buffer.format() != QImage::Format_RGB32)
        buffer = QImage(buffer.size(), QImage::Format_RGB32);
    buffer.fill(Qt::black);
    if (buffer.isNull()) return;
    // Lines first, dots over them, straight into the picture: a painter's setup for every
    // short segment of 100,000 points costs far more than its few pixels.
    std::unordered_map<std::uint32_t, QRgb> colours;
    const auto colourOf = [&](std::uint32_t bgr) {
        auto [at, added] = colours.try_emplace(bgr, 0);
        if (added) at->second = visible(bgr);
        return at->second;
    };
    for (const graph::Segment& s : segments)
        if (s.width != graph::kDotWidth) line(buffer, colourOf(s.colour), s.from, s.to);
    for (const graph::Segment& s : segments)
        if (s.width == graph::kDotWidth) dot(buffer, colourOf(s.colour), s.from);
}

} // namespace tracelle::ui
