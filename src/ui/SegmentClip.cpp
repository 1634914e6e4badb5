#include "ui/SegmentClip.h"

#include <algorithm>

namespace tracelle::ui {

std::optional<QLineF> clipSegment(const QLineF& segment, const QRectF& area) {
    // Liang–Barsky: the segment's parameter range [t0, t1] narrowed by each side in turn.
    const QPointF a = segment.p1(), d = segment.p2() - segment.p1();
    double t0 = 0, t1 = 1;
    // Keeps the part where p·t ≤ q.
    const auto keep = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double t = q / p;
        if (p < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        return t0 <= t1;
    };
    if (!keep(-d.x(), a.x() - area.left()) || !keep(d.x(), area.right() - a.x()) ||
        !keep(-d.y(), a.y() - area.top()) || !keep(d.y(), area.bottom() - a.y()))
        return std::nullopt;
    // An end inside stays exact: t is then 0 or 1.
    return QLineF(t0 == 0 ? segment.p1() : a + t0 * d, t1 == 1 ? segment.p2() : a + t1 * d);
}

} // namespace tracelle::ui
