#include "picture/View.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tracelle::picture {

ViewRect wholeLayer(int w, int h) {
    return {0, 0, w - 1, h - 1};
}

ViewRect squarePixels(const ViewRect& v, int wa, int ha) {
    if (wa <= 0 || ha <= 0 || v.width() <= 0 || v.height() <= 0) return v;
    const auto grow = [](int& a, int& b, int wanted) {
        const int extra = wanted - (b - a + 1);
        a -= extra / 2;
        b += extra - extra / 2;
    };
    ViewRect s = v;
    // Compared in 64 bits: a 20000-pixel view times a 4000-pixel window overflows 32.
    const std::int64_t across = static_cast<std::int64_t>(v.width()) * ha;
    const std::int64_t down = static_cast<std::int64_t>(v.height()) * wa;
    if (across < down) {
        grow(s.x1, s.x2, static_cast<int>(std::llround(static_cast<double>(down) / ha)));
    } else if (down < across) {
        grow(s.y1, s.y2, static_cast<int>(std::llround(static_cast<double>(across) / wa)));
    }
    return s;
}

ZoomAnchor anchorUnder(int sx, int sy, const ViewRect& view, int wa, int ha, int w, int h) {
    ZoomAnchor a;
    if (wa <= 0 || ha <= 0) return a;
    const ViewRect shown = squarePixels(view, wa, ha);
    a.fx = (sx + 0.5) / wa;
    a.fy = (sy + 0.5) / ha;
    a.x = std::clamp(shown.x1 + a.fx * shown.width(), 0.0, static_cast<double>(w));
    a.y = std::clamp(shown.y1 + a.fy * shown.height(), 0.0, static_cast<double>(h));
    return a;
}

namespace {

// The view of w × h pixels whose rectangle shown in the area holds the anchor under the
// mouse, to the nearest pixel.
ViewRect about(const ZoomAnchor& a, int w, int h, int wa, int ha) {
    const ViewRect shown = squarePixels({0, 0, w - 1, h - 1}, wa, ha);
    ViewRect z;
    z.x1 = static_cast<int>(std::floor(a.x - a.fx * shown.width() + 0.5)) - shown.x1;
    z.x2 = z.x1 + w - 1;
    z.y1 = static_cast<int>(std::floor(a.y - a.fy * shown.height() + 0.5)) - shown.y1;
    z.y2 = z.y1 + h - 1;
    return z;
}

} // namespace

ViewChange zoomIn(const ViewRect& v, const ZoomAnchor& a, int wa, int ha) {
    const int w = v.width() * 100 / 105;
    const int h = v.height() * 100 / 105;
    if (w < 5 || h < 5) return {v, true};
    return {about(a, w, h, wa, ha), false};
}

ViewChange zoomOut(const ViewRect& v, const ZoomAnchor& a, int wa, int ha) {
    const int w = v.width() * 105 / 100;
    const int h = v.height() * 105 / 100;
    if (w > 20000 || h > 10000) return {v, true};
    return {about(a, w, h, wa, ha), false};
}

namespace {

// Moves [a, b] by `delta` keeping a within [0, limit]; true when it had to stop.
bool shift(int& a, int& b, int delta, int limit) {
    int target = a + delta;
    const bool stopped = target < 0 || target > limit;
    target = std::clamp(target, 0, std::max(limit, 0));
    b += target - a;
    a = target;
    return stopped;
}

} // namespace

ViewChange pan(const ViewRect& v, int layerWidth, int layerHeight, Move move) {
    const int limitX = layerWidth - v.width();
    const int limitY = layerHeight - v.height();
    const int s = std::max(1, (v.x2 - v.x1) / 20);
    ViewChange c{v, false};
    ViewRect& r = c.view;
    switch (move) {
    case Move::Right:
        c.beep = shift(r.x1, r.x2, s, limitX);
        break;
    case Move::Left:
        c.beep = shift(r.x1, r.x2, -s, limitX);
        break;
    case Move::Down:
        c.beep = shift(r.y1, r.y2, s, limitY);
        break;
    case Move::Up:
        c.beep = shift(r.y1, r.y2, -s, limitY);
        break;
    case Move::Home:
        shift(r.x1, r.x2, -r.x1, limitX);
        shift(r.y1, r.y2, -r.y1, limitY);
        break;
    case Move::End:
        shift(r.x1, r.x2, limitX - r.x1, limitX);
        shift(r.y1, r.y2, limitY - r.y1, limitY);
        break;
    }
    return c;
}

void repere_image_bitmap(int sx, int sy, const ViewRect& shown, int wa, int ha, int& bx, int& by) {
    if (wa <= 0 || ha <= 0) return;
    // The pixel the view shows there: the one under the centre of the screen pixel (sx, sy),
    // as the view samples it, in exact integers.
    const auto under = [](int s, int span, int size, int first) {
        const std::int64_t n = (2 * std::int64_t{s} + 1) * span, d = 2 * std::int64_t{size};
        return first + static_cast<int>(n >= 0 ? n / d : -((-n + d - 1) / d));
    };
    bx = under(sx, shown.width(), wa, shown.x1);
    by = under(sy, shown.height(), ha, shown.y1);
}

} // namespace tracelle::picture
