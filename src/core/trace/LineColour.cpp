// Colours compared in CIE L*a*b*, where a distance is about what the eye sees: the layer's 32768
// colours are converted once.
#include "trace/Lab.h"
#include "trace/Section.h"
#include "trace/Trace.h"

#include <algorithm>
#include <cmath>

namespace tracelle::trace {

namespace {

double linear(double c) { // sRGB companding undone, c in [0, 1]
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double f(double t) {
    return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0;
}

Lab labOfLinear(double r, double g, double b) {
    // D65 white.
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    const double fx = f(x), fy = f(y), fz = f(z);
    return {static_cast<float>(116 * fy - 16), static_cast<float>(500 * (fx - fy)),
            static_cast<float>(200 * (fy - fz))};
}

// The share of the line in a pixel of the line's lightness whose hue has faded towards the
// paper's (as JPEG's shared colour blocks fade a thin line), 0 for any other. The hue must keep
// the line's direction from the paper's, and some of its strength: greys of the same lightness
// (the edges of black ink) have none.
float faded(const Lab& c, const Lab& paper, const Lab& line) {
    // Lightness a little beyond the line's own: JPEG rings darker too.
    constexpr double kLargestShare = 1.15;
    constexpr double kLeastShare = 0.5;
    // The least of the line's hue left, as a share of its blend's.
    constexpr double kLeastHue = 0.15;
    // How far the hue may stray across the line's direction (ΔE).
    constexpr double kHueTolerance = 6;
    const double vl = line.l - paper.l, va = line.a - paper.a, vb = line.b - paper.b;
    const double chroma = va * va + vb * vb;
    if (std::abs(vl) < 1 || chroma < 1) return 0;
    const double cl = c.l - paper.l, ca = c.a - paper.a, cb = c.b - paper.b;
    const double s = cl / vl, hue = (ca * va + cb * vb) / chroma;
    if (s < kLeastShare || s > kLargestShare || hue < kLeastHue * s || hue > s) return 0;
    const double across = std::hypot(ca - hue * va, cb - hue * vb) / kHueTolerance;
    return across <= 1 ? static_cast<float>(std::min(s, 1.0) * (1 - across * across)) : 0.0f;
}

} // namespace

Lab labOf(Rgb c) {
    return labOfLinear(linear(c.r / 255.0), linear(c.g / 255.0), linear(c.b / 255.0));
}

const std::vector<Lab>& labTable() {
    static const std::vector<Lab> table = [] {
        std::array<double, 32> level{};
        for (int i = 0; i < 32; ++i)
            level[static_cast<std::size_t>(i)] = linear(i * 255 / 31 / 255.0);
        std::vector<Lab> t(32768);
        for (std::size_t p = 0; p < t.size(); ++p)
            t[p] = labOfLinear(level[(p >> 10) & 31], level[(p >> 5) & 31], level[p & 31]);
        return t;
    }();
    return table;
}

double deltaE(Rgb a, Rgb b) {
    return distance(labOf(a), labOf(b));
}

LineColour::LineColour(Rgb line, Rgb background, double tolerance, UnderInk underInk,
                       FadedHue fadedHue)
    : line_(line), background_(background) {
    // Below this contrast the line is the background's own noise.
    constexpr double kLeastContrast = 12;
    // A blend holding less of the line is left to the background: JPEG ringing, paper grain.
    constexpr double kLeastShare = 0.3;
    // A line whose hue stands this far from the paper's keeps it under dark ink.
    constexpr double kLeastChroma = 20;
    const Lab t = labOf(line);
    const Lab b = labOf(background);
    // v: from the paper to the line; k: from the paper to black.
    const double vl = t.l - b.l, va = t.a - b.a, vb = t.b - b.b;
    const double kl = -b.l, ka = -b.a, kb = -b.b;
    const double vv = vl * vl + va * va + vb * vb;
    const double kk = kl * kl + ka * ka + kb * kb, vk = vl * kl + va * ka + vb * kb;
    valid_ = std::sqrt(vv) >= kLeastContrast;
    if (!valid_) return;
    const bool coloured = underInk == UnderInk::Counted && std::hypot(va, vb) >= kLeastChroma;
    const double det = vv * kk - vk * vk;
    const std::vector<Lab>& lab = labTable();
    for (std::size_t p = 0; p < lab.size(); ++p) {
        const Lab& c = lab[p];
        const double cl = c.l - b.l, ca = c.a - b.a, cb = c.b - b.b;
        const double cv = cl * vl + ca * va + cb * vb;
        // The nearest blend of the line with the paper, then, for a coloured line, with dark
        // ink too: where a label's letters touch the line, scanning and JPEG blocks darken it
        // without changing its hue.
        double s = std::clamp(cv / vv, 0.0, 1.0), ink = 0;
        if (coloured && det > 0) {
            const double ck = cl * kl + ca * ka + cb * kb;
            // Ink only where the unbounded fit wants some: lighter blends stay two-way.
            if ((vv * ck - vk * cv) / det > 0) {
                s = std::clamp((kk * cv - vk * ck) / det, 0.0, 1.0);
                ink = std::clamp((ck - s * vk) / kk, 0.0, 1.0 - s);
            }
        }
        const double dl = cl - s * vl - ink * kl, da = ca - s * va - ink * ka,
                     db = cb - s * vb - ink * kb;
        // Weighed down as it strays from the blend: a line's edge against a dark mark of
        // another colour pulls the centre less.
        const double off = (dl * dl + da * da + db * db) / (tolerance * tolerance);
        if (s >= kLeastShare && off <= 1)
            weights_[p] = static_cast<float>(s * (1 - off));
        else if (fadedHue == FadedHue::Counted)
            weights_[p] = faded(c, b, t);
    }
}

Rgb backgroundOf(const picture::Layer& layer, int x0, int y0, int x1, int y1) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, layer.width());
    y1 = std::min(y1, layer.height());
    if (x0 >= x1 || y0 >= y1) return {};
    // About 65,000 samples at most, whatever the size of the box.
    const double area = double(x1 - x0) * double(y1 - y0);
    const int every = std::max(1, static_cast<int>(std::sqrt(area / 65536.0)));
    std::vector<picture::Pixel> seen;
    for (int y = y0; y < y1; y += every)
        for (int x = x0; x < x1; x += every)
            seen.push_back(layer.pixel(x, y) & 0x7FFF);
    std::sort(seen.begin(), seen.end());
    picture::Pixel best = seen.front();
    std::size_t bestCount = 0;
    for (std::size_t i = 0; i < seen.size();) {
        std::size_t j = i;
        while (j < seen.size() && seen[j] == seen[i])
            ++j;
        if (j - i > bestCount) {
            bestCount = j - i;
            best = seen[i];
        }
        i = j;
    }
    return {picture::red8(best), picture::green8(best), picture::blue8(best)};
}

Rgb backgroundAround(const picture::Layer& layer, PixelPoint at) {
    constexpr int kAround = 15;
    return backgroundOf(layer, at.x - kAround, at.y - kAround, at.x + kAround + 1,
                        at.y + kAround + 1);
}

std::optional<Distinct> mostDistinct(const picture::Layer& layer, PixelPoint at, Rgb background,
                                     double tolerance, int reach) {
    const Lab b = labOf(background);
    const std::vector<Lab>& lab = labTable();
    double farthest = 0;
    Distinct chosen;
    for (int y = std::max(at.y - reach, 0); y <= std::min(at.y + reach, layer.height() - 1); ++y)
        for (int x = std::max(at.x - reach, 0); x <= std::min(at.x + reach, layer.width() - 1);
             ++x) {
            const picture::Pixel p = layer.pixel(x, y) & 0x7FFF;
            const double d = distance(lab[p], b);
            if (d > farthest) {
                farthest = d;
                chosen = {{x, y}, {picture::red8(p), picture::green8(p), picture::blue8(p)}};
            }
        }
    if (farthest < tolerance) return std::nullopt;
    return chosen;
}

std::optional<Rgb> lineColourAt(const picture::Layer& layer, PixelPoint at, double tolerance,
                                int reach) {
    const auto found = mostDistinct(layer, at, backgroundAround(layer, at), tolerance, reach);
    if (!found) return std::nullopt;
    return found->colour;
}

} // namespace tracelle::trace
