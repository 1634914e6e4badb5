// A graph's curve by X step: the pixels of its colour in each band of columns, averaged.
#include "trace/Trace.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tracelle::trace {

namespace {

struct Weighed {
    double mass = 0, sx = 0, sy = 0;
    PointF centre() const { return {sx / mass, sy / mass}; }
};

} // namespace

std::vector<PixelPoint> curveByXStep(const picture::Layer& layer, Box box, const LineColour& colour,
                                     int step) {
    std::vector<PixelPoint> out;
    const int x0 = std::max(std::min(box.x0, box.x1), 0);
    const int x1 = std::min(std::max(box.x0, box.x1), layer.width() - 1);
    const int y0 = std::max(std::min(box.y0, box.y1), 0);
    const int y1 = std::min(std::max(box.y0, box.y1), layer.height() - 1);
    if (!colour.valid() || step < 1) return out;
    std::optional<PointF> previous;
    std::vector<double> rowMass(static_cast<std::size_t>(std::max(y1 - y0 + 1, 0)));
    std::vector<double> rowX(rowMass.size());
    for (int bx = x0; bx <= x1; bx += step) {
        const int bx1 = std::min(bx + step - 1, x1);
        for (int y = y0; y <= y1; ++y) {
            double m = 0, sx = 0;
            layer.runs(y, bx, bx1 + 1, [&](int x, const picture::Pixel* p, int count) {
                for (int i = 0; i < count; ++i) {
                    const double wt = colour.weight(p[i]);
                    m += wt;
                    sx += wt * (x + i);
                }
            });
            rowMass[static_cast<std::size_t>(y - y0)] = m;
            rowX[static_cast<std::size_t>(y - y0)] = sx;
        }
        // The band's runs of rows holding the colour; the one nearest the previous point, or
        // the heaviest for the first.
        std::optional<Weighed> chosen;
        Weighed run;
        const auto close = [&] {
            if (run.mass <= 0) return;
            const PointF c = run.centre();
            const bool better =
                !chosen ||
                (previous ? std::abs(c.y - previous->y) < std::abs(chosen->centre().y - previous->y)
                          : run.mass > chosen->mass);
            if (better) chosen = run;
            run = {};
        };
        for (int y = y0; y <= y1; ++y) {
            const double m = rowMass[static_cast<std::size_t>(y - y0)];
            if (m > 0) {
                run.mass += m;
                run.sx += rowX[static_cast<std::size_t>(y - y0)];
                run.sy += m * y;
            } else {
                close();
            }
        }
        close();
        if (!chosen) continue;
        previous = chosen->centre();
        out.push_back({static_cast<int>(std::lround(previous->x)),
                       static_cast<int>(std::lround(previous->y))});
    }
    return out;
}

} // namespace tracelle::trace
