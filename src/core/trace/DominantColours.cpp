// The swatches of the tracing panel: the colours of the lines that cover most of the picture,
// read on the overview so that a 100-megapixel scan costs a sixteenth of its pixels.
#include "picture/Overview.h"
#include "trace/Lab.h"
#include "trace/Trace.h"

#include <algorithm>
#include <numeric>

namespace tracelle::trace {

namespace {

using Histogram = std::vector<std::uint64_t>; // pixels of each RGB555 colour

constexpr std::size_t kMost = 8;
constexpr double kFromBackground = 20; // closer: the background's shades and blends
// A line's shades are its colour blended with the background's (its anti-aliased edges, the
// overview's averages): within this distance of such a blend they are the line's. Ten ΔE takes
// in JPEG noise and the 5-bit channels, which move a colour by a few units, and stays far below
// the difference between the lines of a map or a graph (40 and more).
constexpr double kShade = 10;
// The most frequent colours are enough to find the lines; the rest is noise, and costs.
constexpr std::size_t kConsidered = 4096;
// More lines than the panel shows are gathered, so that the most frequent win.
constexpr std::size_t kGathered = 32;
// Fewer pixels than this share of the most frequent line: where two lines cross, stray marks.
constexpr std::uint64_t kLeastShare = 20;

Rgb rgbOf(picture::Pixel p) {
    return {picture::red8(p), picture::green8(p), picture::blue8(p)};
}

// How far `c` is from the nearest blend of `paper` with `line` or with a deeper shade of it.
// Blends are made on the channels, as anti-aliasing and scanners make them, and measured in
// L*a*b*, as the eye sees them.
double offTheBlends(Rgb c, Rgb paper, Rgb line) {
    const double v[3] = {double(line.r) - paper.r, double(line.g) - paper.g,
                         double(line.b) - paper.b};
    const double u[3] = {double(c.r) - paper.r, double(c.g) - paper.g, double(c.b) - paper.b};
    const double vv = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
    const double t = vv > 0 ? std::max((u[0] * v[0] + u[1] * v[1] + u[2] * v[2]) / vv, 0.0) : 0;
    const auto channel = [t](std::uint8_t from, double by) {
        return static_cast<std::uint8_t>(std::clamp(std::lround(from + t * by), 0L, 255L));
    };
    const Rgb blend{channel(paper.r, v[0]), channel(paper.g, v[1]), channel(paper.b, v[2])};
    return deltaE(c, blend);
}

struct Gathered {
    Rgb colour;               // the line's colour: its deepest frequent shade
    double depth;             // its distance from the background
    std::uint64_t firstCount; // pixels of its most frequent shade
    std::uint64_t total;      // pixels of all its shades
};

Palette paletteOf(const Histogram& count) {
    std::vector<std::uint16_t> order(count.size());
    std::iota(order.begin(), order.end(), std::uint16_t{0});
    std::sort(order.begin(), order.end(), [&](std::uint16_t a, std::uint16_t b) {
        return count[a] != count[b] ? count[a] > count[b] : a < b;
    });
    Palette palette;
    if (count[order.front()] == 0) return palette;
    const std::vector<Lab>& lab = labTable();
    const Lab& paper = lab[order.front()];
    palette.background = rgbOf(order.front());
    std::vector<Gathered> lines;
    for (std::size_t i = 1; i < std::min(order.size(), kConsidered) && count[order[i]] > 0; ++i) {
        const std::uint16_t c = order[i];
        const double depth = distance(lab[c], paper);
        if (depth < kFromBackground) continue;
        const Rgb colour = rgbOf(c);
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const Gathered& g) {
            return offTheBlends(colour, palette.background, g.colour) < kShade;
        });
        if (line == lines.end()) {
            if (lines.size() < kGathered) lines.push_back({colour, depth, count[c], count[c]});
            continue;
        }
        line->total += count[c];
        // A shade deeper than the line's colour so far and frequent enough not to be a stray
        // pixel: the colour a trace follows, rather than its paler edges.
        if (4 * count[c] >= line->firstCount && depth > line->depth) {
            line->colour = colour;
            line->depth = depth;
        }
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const Gathered& a, const Gathered& b) { return a.total > b.total; });
    for (std::size_t i = 0; i < lines.size() && i < kMost; ++i)
        if (kLeastShare * lines[i].total >= lines.front().total)
            palette.colours.push_back(lines[i].colour);
    return palette;
}

Histogram countIn(const picture::Raster& raster, int x0, int y0, int x1, int y1) {
    Histogram count(32768, 0);
    std::vector<picture::Pixel> buffer(raster.indexed() ? static_cast<std::size_t>(raster.width())
                                                        : 0);
    for (int y = y0; y < y1; ++y) {
        const picture::Pixel* row = raster.rowInto(y, buffer.data());
        for (int x = x0; x < x1; ++x)
            ++count[row[x] & 0x7FFF];
    }
    return count;
}

} // namespace

Palette dominantColours(const picture::Raster& picture) {
    return paletteOf(countIn(picture, 0, 0, picture.width(), picture.height()));
}

Palette dominantColours(const picture::Overview& overview, Box picture) {
    int k = 0;
    const picture::Raster* level = overview.levelFor(1 << picture::Overview::kFirstLevel, &k);
    if (!level) return {};
    // Only the level's pixels wholly inside the picture: those on its edge blend in the margin.
    const int cell = 1 << k;
    const int x0 = (std::min(picture.x0, picture.x1) + cell - 1) / cell;
    const int y0 = (std::min(picture.y0, picture.y1) + cell - 1) / cell;
    const int x1 = std::min((std::max(picture.x0, picture.x1) + 1) / cell, level->width());
    const int y1 = std::min((std::max(picture.y0, picture.y1) + 1) / cell, level->height());
    return paletteOf(countIn(*level, std::max(x0, 0), std::max(y0, 0), x1, y1));
}

Palette dominantColours(const picture::Layer& layer, Box box) {
    Histogram count(32768, 0);
    const int x0 = std::max(std::min(box.x0, box.x1), 0);
    const int x1 = std::min(std::max(box.x0, box.x1), layer.width() - 1);
    const int y0 = std::max(std::min(box.y0, box.y1), 0);
    const int y1 = std::min(std::max(box.y0, box.y1), layer.height() - 1);
    for (int y = y0; y <= y1 && x0 <= x1; ++y)
        layer.runs(y, x0, x1 + 1, [&](int, const picture::Pixel* p, int n) {
            for (int i = 0; i < n; ++i)
                ++count[p[i] & 0x7FFF];
        });
    return paletteOf(count);
}

std::optional<Rgb> lineOfShade(const Palette& palette, Rgb shade) {
    for (const Rgb& colour : palette.colours)
        if (offTheBlends(shade, palette.background, colour) < kShade) return colour;
    return std::nullopt;
}

Rgb lineColourNear(const picture::Layer& layer, PixelPoint at, Rgb swatch) {
    // As far as a trace looks for the line from a click, and a little more for the paper.
    constexpr int kAround = 8;
    const Palette near =
        dominantColours(layer, {at.x - kAround, at.y - kAround, at.x + kAround, at.y + kAround});
    return lineOfShade(near, swatch).value_or(swatch);
}

} // namespace tracelle::trace
