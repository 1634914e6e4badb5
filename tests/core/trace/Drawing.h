// Pictures drawn for the tracing tests: curves with anti-aliased edges (each pixel blended
// with the curve's colour by the share of it the stroke covers), solid, dashed, and known
// exactly so that a trace can be measured against them.
#pragma once

#include "picture/JpegCodec.h"
#include "picture/Layer.h"
#include "picture/Overview.h"
#include "picture/Raster.h"
#include "trace/Trace.h"

#include <cmath>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace tracelle::testing {

using trace::PointF;
using trace::Rgb;

inline picture::Raster sheet(int w, int h, Rgb paper = {255, 255, 255}) {
    picture::Raster r = picture::Raster::create(w, h);
    r.fill(picture::rgb555(paper.r, paper.g, paper.b));
    return r;
}

// The curve t ↦ at(t) for t in [t0, t1], finely sampled.
inline std::vector<PointF> sampled(const std::function<PointF(double)>& at, double t0, double t1,
                                   int count = 2000) {
    std::vector<PointF> pts;
    for (int i = 0; i <= count; ++i)
        pts.push_back(at(t0 + (t1 - t0) * i / count));
    return pts;
}

inline double arcLength(const std::vector<PointF>& line) {
    double l = 0;
    for (std::size_t i = 1; i < line.size(); ++i)
        l += std::hypot(line[i].x - line[i - 1].x, line[i].y - line[i - 1].y);
    return l;
}

// Distance from p to the polyline, and the arc length at its nearest point.
inline double distanceTo(const std::vector<PointF>& line, PointF p, double* along = nullptr) {
    double best = 1e300, s = 0, at = 0;
    for (std::size_t i = 1; i < line.size(); ++i) {
        const PointF a = line[i - 1], b = line[i];
        const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
        const double t =
            l2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0) : 0;
        const double d = std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
        if (d < best) {
            best = d;
            at = s + t * std::sqrt(l2);
        }
        s += std::sqrt(l2);
    }
    if (along) *along = at;
    return best;
}

// The share of `truth`, densely sampled along its length, within `within` px of `traced`.
inline double covered(const std::vector<PointF>& truth, const std::vector<PointF>& traced,
                      double within = 1.5) {
    const auto dense = sampled(
        [&](double s) {
            const std::size_t i = std::min(truth.size() - 2, std::size_t(s));
            const double u = s - double(i);
            const PointF a = truth[i], b = truth[i + 1];
            return PointF{a.x + u * (b.x - a.x), a.y + u * (b.y - a.y)};
        },
        0, double(truth.size() - 1), 4000);
    int near = 0;
    for (const PointF& p : dense)
        near += traced.size() > 1 && distanceTo(traced, p) <= within;
    return double(near) / double(dense.size());
}

// `colour` laid over `p` by the share `a` of the pixel it covers.
inline void blend(picture::Pixel& p, double a, Rgb colour) {
    const auto mix = [a](int under, int over) {
        return static_cast<std::uint8_t>(std::lround(under + a * (over - under)));
    };
    p = picture::rgb555(mix(picture::red8(p), colour.r), mix(picture::green8(p), colour.g),
                        mix(picture::blue8(p), colour.b));
}

// The stroke of `line`, `width` pixels wide; with `dash` > 0, drawn `dash` pixels then left
// out `space` pixels along its length, the dashes cut square.
inline void stroke(picture::Raster& r, const std::vector<PointF>& line, double width, Rgb colour,
                   double dash = 0, double space = 0) {
    const int w = r.width(), h = r.height();
    std::vector<double> cover(static_cast<std::size_t>(w) * h, 0.0);
    const double reach = width / 2 + 1;
    double s = 0;
    for (std::size_t i = 1; i < line.size(); ++i) {
        const PointF a = line[i - 1], b = line[i];
        const double dx = b.x - a.x, dy = b.y - a.y, l = std::hypot(dx, dy);
        for (int y = std::max(0, int(std::min(a.y, b.y) - reach));
             y <= std::min(h - 1, int(std::max(a.y, b.y) + reach + 1)); ++y)
            for (int x = std::max(0, int(std::min(a.x, b.x) - reach));
                 x <= std::min(w - 1, int(std::max(a.x, b.x) + reach + 1)); ++x) {
                const double t =
                    l > 0 ? std::clamp(((x - a.x) * dx + (y - a.y) * dy) / (l * l), 0.0, 1.0) : 0;
                if (dash > 0 && std::fmod(s + t * l, dash + space) >= dash) continue;
                const double d = std::hypot(x - (a.x + t * dx), y - (a.y + t * dy));
                double& c = cover[static_cast<std::size_t>(y) * w + x];
                c = std::max(c, std::clamp(width / 2 + 0.5 - d, 0.0, 1.0));
            }
        s += l;
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (const double c = cover[static_cast<std::size_t>(y) * w + x]; c > 0)
                blend(r.row(y)[x], c, colour);
}

inline picture::Layer layerOf(picture::Raster r) {
    const int w = r.width(), h = r.height();
    return picture::Layer::over(std::make_shared<const picture::Raster>(std::move(r)), w, h, 0, 0,
                                picture::rgb555(255, 255, 255));
}

inline std::vector<PointF> floats(const std::vector<trace::PixelPoint>& points) {
    std::vector<PointF> out;
    for (const trace::PixelPoint& p : points)
        out.push_back({double(p.x), double(p.y)});
    return out;
}

// `r` as a scanner's JPEG gives it back.
inline picture::Raster throughJpeg(const picture::Raster& r) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("drawing_" + std::to_string(::getpid()) + ".jpg"))
                                 .string();
    EXPECT_EQ(picture::writeJpeg(r, path, 75), "");
    picture::Decoded d = picture::decodeJpeg(path);
    std::filesystem::remove(path);
    EXPECT_TRUE(d.ok()) << d.error;
    return std::move(d.raster);
}

// The swatches the window offers for a layer: its overview's colours over the whole canvas.
inline trace::Palette swatchesOf(const picture::Layer& layer) {
    picture::Overview overview;
    overview.buildNow(layer);
    return trace::dominantColours(overview, {0, 0, layer.width() - 1, layer.height() - 1});
}

} // namespace tracelle::testing
