// The swatches of the tracing panel: the colours that cover most of the picture, read on the
// overview so that a 100-megapixel scan costs a sixteenth of its pixels.
#include "picture/Overview.h"
#include "trace/Lab.h"
#include "trace/Trace.h"

#include <algorithm>
#include <numeric>

namespace tracelle::trace {

Palette dominantColours(const picture::Raster& picture) {
    constexpr std::size_t kMost = 8;
    constexpr double kFromBackground = 20; // closer: the background's shades and blends
    constexpr double kApart = 15;          // closer: shades of a colour already taken
    Palette palette;
    if (picture.empty()) return palette;
    std::vector<std::uint32_t> count(32768, 0);
    for (int y = 0; y < picture.height(); ++y) {
        const picture::Pixel* row = picture.row(y);
        for (int x = 0; x < picture.width(); ++x)
            ++count[row[x] & 0x7FFF];
    }
    std::vector<std::uint16_t> order(count.size());
    std::iota(order.begin(), order.end(), std::uint16_t{0});
    std::sort(order.begin(), order.end(), [&](std::uint16_t a, std::uint16_t b) {
        return count[a] != count[b] ? count[a] > count[b] : a < b;
    });
    const auto rgb = [](picture::Pixel p) {
        return Rgb{picture::red8(p), picture::green8(p), picture::blue8(p)};
    };
    const std::vector<Lab>& lab = labTable();
    palette.background = rgb(order.front());
    std::vector<std::uint16_t> taken;
    for (std::size_t i = 1; i < order.size() && taken.size() < kMost && count[order[i]] > 0; ++i) {
        const Lab& c = lab[order[i]];
        if (distance(c, lab[order.front()]) < kFromBackground) continue;
        if (std::any_of(taken.begin(), taken.end(),
                        [&](std::uint16_t t) { return distance(c, lab[t]) < kApart; }))
            continue;
        taken.push_back(order[i]);
        palette.colours.push_back(rgb(order[i]));
    }
    return palette;
}

Palette dominantColours(const picture::Overview& overview) {
    int k = 0;
    const picture::Raster* level = overview.levelFor(1 << picture::Overview::kFirstLevel, &k);
    return level ? dominantColours(*level) : Palette{};
}

} // namespace tracelle::trace
