// The line is followed one pixel at a time: a step straight ahead, then a measure across the
// line that brings the step back onto its centre. Where the measure finds nothing (a gap, a
// label, a line of another colour across) or something too wide (a line of the same colour
// across), the step stays straight until the line is found again.
#include "platform/Language.h"
#include "trace/Section.h"
#include "trace/Trace.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tracelle::trace {

namespace {

constexpr int kStartReach = 2;    // pixels from the click where the line may lie
constexpr int kSpread = 5;        // radius over which the start's direction is measured
constexpr int kDirectionBack = 6; // the direction is the chord from this many points back
// Steps after which a cell counts as left behind: coming back to it is going round again.
constexpr std::size_t kLeftBehind = 4 * kDirectionBack;
constexpr double kShift = 1.0;      // a measure may move the step this far across
constexpr double kShiftInGap = 0.5; // and this much further a pixel of gap

double length(PointF v) {
    return std::hypot(v.x, v.y);
}

// The last `cut` pixels of arc taken off the end: a stroke's round cap reaches half its width
// past the end of its centreline.
void trimEnd(std::vector<PointF>& pts, double cut) {
    while (pts.size() > 1 && cut > 0) {
        const PointF a = pts[pts.size() - 2], b = pts.back();
        const double l = length({b.x - a.x, b.y - a.y});
        if (l > cut) {
            pts.back() = {b.x - (b.x - a.x) * cut / l, b.y - (b.y - a.y) * cut / l};
            return;
        }
        cut -= l;
        pts.pop_back();
    }
}

// Each point the mean of its neighbours up to kSmooth on either side (fewer near the ends,
// which stay): a single measure carries the grain of the scan and of JPEG blocks.
std::vector<PointF> smoothed(const std::vector<PointF>& pts) {
    constexpr std::size_t kSmooth = 6;
    std::vector<PointF> out(pts.size());
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const std::size_t k = std::min({kSmooth, i, pts.size() - 1 - i});
        PointF sum;
        for (std::size_t j = i - k; j <= i + k; ++j) {
            sum.x += pts[j].x;
            sum.y += pts[j].y;
        }
        out[i] = {sum.x / double(2 * k + 1), sum.y / double(2 * k + 1)};
    }
    return out;
}

// A set of cells, open addressing: the walk asks it at every step.
class CellSet {
public:
    void insert(std::uint64_t key) {
        if (2 * (count_ + 1) > slots_.size()) grow();
        std::size_t i = slot(key);
        while (slots_[i] != 0 && slots_[i] != key + 1)
            i = (i + 1) & (slots_.size() - 1);
        if (slots_[i] == 0) ++count_;
        slots_[i] = key + 1;
    }
    bool contains(std::uint64_t key) const {
        if (slots_.empty()) return false;
        for (std::size_t i = slot(key); slots_[i] != 0; i = (i + 1) & (slots_.size() - 1))
            if (slots_[i] == key + 1) return true;
        return false;
    }

private:
    std::size_t slot(std::uint64_t key) const {
        return std::size_t((key * 0x9E3779B97F4A7C15ULL) >> 20) & (slots_.size() - 1);
    }
    void grow() {
        std::vector<std::uint64_t> old = std::move(slots_);
        slots_.assign(std::max<std::size_t>(1024, 2 * old.size()), 0);
        count_ = 0;
        for (const std::uint64_t k : old)
            if (k != 0) insert(k - 1);
    }
    std::vector<std::uint64_t> slots_; // key + 1, 0 for none
    std::size_t count_ = 0;
};

struct Walker {
    const picture::Layer& layer;
    const LineColour& colour;
    int gap;
    int reach;
    double width;
    double widest;

    // From `start` along `d`: the points after start, up to the last one measured on the line;
    // `closed` when the walk came back to its start.
    std::vector<PointF> walk(PointF start, PointF d, bool& closed) const {
        std::vector<PointF> pts{start};
        std::size_t lastMeasured = 0;
        // Steps since the line was last measured whole, since any of its colour was seen, and
        // spent on a line of its own colour across.
        int unseen = 0, blank = 0, across = 0;
        // The cells of 2 × 2 pixels the walk went through, each entered kLeftBehind steps late
        // so that the cells just passed do not count: crossing an earlier part of the line
        // (a figure 8) is a few steps in known cells, many in a row is going round again.
        CellSet visited;
        std::size_t retracing = 0;
        const auto cell = [](PointF p) {
            return (std::uint64_t(std::uint32_t(std::lround(p.x) >> 1)) << 32) |
                   std::uint32_t(std::lround(p.y) >> 1);
        };
        closed = false;
        PointF p = start;
        bool lost = false;
        // No line is longer than the canvas has pixels.
        const std::size_t most = std::size_t(layer.width()) * std::size_t(layer.height());
        while (pts.size() < most) {
            const PointF q{p.x + d.x, p.y + d.y};
            if (q.x < -0.5 || q.y < -0.5 || q.x > layer.width() - 0.5 || q.y > layer.height() - 0.5)
                break;
            const PointF n{-d.y, d.x};
            // On the line a step moves less than a pixel across; found again past a gap, the
            // line may lie anywhere across its width.
            const auto run =
                runAcross(layer, colour, q, n, reach,
                          unseen > 0 ? kShift + width / 2 + kShiftInGap * unseen : kShift);
            // A run much narrower than the line is the part of it a mark across leaves: its
            // centre is not the line's.
            const bool partial = run && run->width < width - 1.5;
            if (run && !run->open && !partial && run->width <= widest) {
                p = {q.x + run->centre * n.x, q.y + run->centre * n.y};
                pts.push_back(p);
                // Across what hid the line, the chord between where it was lost and found
                // again keeps closer to it than the straight walk did.
                const PointF from = pts[lastMeasured];
                const double steps = double(pts.size() - 1 - lastMeasured);
                for (std::size_t i = lastMeasured + 1; i + 1 < pts.size(); ++i) {
                    const double t = double(i - lastMeasured) / steps;
                    pts[i] = {from.x + t * (p.x - from.x), from.y + t * (p.y - from.y)};
                }
                lastMeasured = pts.size() - 1;
                unseen = blank = across = 0;
                // Until a few points are measured, the start's direction holds: a chord of
                // one or two noisy points would turn the walk off the line.
                if (pts.size() > kDirectionBack) {
                    const PointF& back = pts[pts.size() - 1 - kDirectionBack];
                    const PointF chord{p.x - back.x, p.y - back.y};
                    if (const double l = length(chord); l > 0.5) d = {chord.x / l, chord.y / l};
                }
            } else {
                p = q;
                pts.push_back(p);
                // A crossing of its own colour is as long as that line is wide: a few widths.
                // A gap of `gap` pixels between two pixels of the line is gap + 1 steps. Where
                // a label covers the line, some of it shows between the letters.
                ++unseen;
                if (run) blank = 0;
                lost = !run      ? ++blank > gap + 1
                       : partial ? unseen > 4 * widest + gap + 4
                                 : ++across > 4 * widest + 4;
                if (lost) break;
            }
            if (pts.size() > kLeftBehind) visited.insert(cell(pts[pts.size() - 1 - kLeftBehind]));
            retracing = visited.contains(cell(p)) ? retracing + 1 : 0;
            if (retracing > 2 * widest + 4) {
                lastMeasured = std::min(lastMeasured, pts.size() - retracing);
                break;
            }
            if (pts.size() > 2 * kDirectionBack + 4 &&
                length({p.x - start.x, p.y - start.y}) < kShift) {
                closed = true;
                lastMeasured = pts.size() - 1;
                break;
            }
        }
        pts.resize(lastMeasured + 1);
        if (lost) trimEnd(pts, width / 2);
        return pts;
    }
};

} // namespace

std::string message(TraceResult result) {
    switch (result) {
    case TraceResult::Followed:
        return {};
    case TraceResult::Background:
        return platform::translate(
            "FollowLine",
            "Pas de trait sous le clic : cliquer sur une ligne d'une autre couleur que le fond");
    case TraceResult::NoColour:
        return platform::translate("FollowLine", "La couleur choisie n'est pas sous le clic");
    }
    return {};
}

Trace followLine(const picture::Layer& layer, PixelPoint from, const FollowSettings& settings) {
    Trace trace;
    const auto colourHere =
        settings.colour ? settings.colour : lineColourAt(layer, from, settings.tolerance);
    if (!colourHere) return trace;
    trace.colour = *colourHere;
    const LineColour colour(trace.colour, backgroundAround(layer, from), settings.tolerance);
    const auto nothing = settings.colour ? TraceResult::NoColour : TraceResult::Background;
    if (!colour.valid()) {
        trace.result = nothing;
        return trace;
    }
    const auto pixel = nearestLinePixel(layer, colour, from, kStartReach);
    const auto d = pixel ? directionAt(layer, colour, *pixel, kSpread) : std::nullopt;
    if (!d) {
        trace.result = nothing;
        return trace;
    }
    const PointF n{-d->y, d->x};
    const PointF at{double(pixel->x), double(pixel->y)};
    constexpr int kWidest = 32;
    const auto run = runAcross(layer, colour, at, n, kWidest, kShift + 1);
    const double width = run ? run->width : 1;
    const PointF start = run ? PointF{at.x + run->centre * n.x, at.y + run->centre * n.y} : at;
    const Walker walker{layer,
                        colour,
                        std::max(settings.gap, 0),
                        std::clamp(static_cast<int>(std::ceil(width)) + 4, 6, kWidest),
                        width,
                        width + 2};
    bool closed = false;
    std::vector<PointF> ahead = walker.walk(start, *d, closed);
    if (!closed) {
        std::vector<PointF> behind = walker.walk(start, {-d->x, -d->y}, closed);
        std::reverse(behind.begin(), behind.end());
        behind.insert(behind.end(), ahead.begin() + 1, ahead.end());
        ahead = std::move(behind);
    }
    trace.result = TraceResult::Followed;
    trace.centreline = smoothed(ahead);
    return trace;
}

} // namespace tracelle::trace
