#include "picture/Stretch.h"

#include <array>
#include <vector>

namespace tracelle::picture {

namespace {

const std::array<std::uint32_t, 32768>& palette() {
    static const auto table = [] {
        std::array<std::uint32_t, 32768> t{};
        for (std::uint32_t p = 0; p < t.size(); ++p) {
            const auto px = static_cast<Pixel>(p);
            t[p] = 0xFF000000u | (std::uint32_t{red8(px)} << 16) |
                   (std::uint32_t{green8(px)} << 8) | blue8(px);
        }
        return t;
    }();
    return table;
}

} // namespace

std::uint32_t toRgb32(Pixel p) {
    return palette()[p & 0x7FFF];
}

void stretchToRgb32(const Raster& source, int x1, int y1, int x2, int y2, std::uint32_t* target,
                    int targetStride, int w, int h, std::uint32_t outside) {
    if (w <= 0 || h <= 0) return;
    const auto& lut = palette();
    const std::int64_t spanX = std::int64_t{x2} - x1 + 1;
    const std::int64_t spanY = std::int64_t{y2} - y1 + 1;
    // Source column of each target column, computed once; -1 outside the picture.
    std::vector<int> columns(static_cast<std::size_t>(w));
    for (int i = 0; i < w; ++i) {
        const std::int64_t x = x1 + (2 * i + 1) * spanX / (2 * w);
        columns[static_cast<std::size_t>(i)] =
            (x >= 0 && x < source.width()) ? static_cast<int>(x) : -1;
    }
    for (int j = 0; j < h; ++j) {
        std::uint32_t* out =
            target + static_cast<std::size_t>(j) * static_cast<std::size_t>(targetStride);
        const std::int64_t y = y1 + (2 * j + 1) * spanY / (2 * h);
        if (source.empty() || y < 0 || y >= source.height()) {
            for (int i = 0; i < w; ++i)
                out[i] = outside;
            continue;
        }
        const Pixel* row = source.row(static_cast<int>(y));
        // The source row needed three target rows ahead is fetched while this one is copied:
        // on a large picture every row sampled is far from the last, and memory latency
        // dominates.
        const std::int64_t ahead = y1 + (2 * (j + 3) + 1) * spanY / (2 * h);
        const Pixel* next = (j + 3 < h && ahead >= 0 && ahead < source.height() && ahead != y)
                                ? source.row(static_cast<int>(ahead))
                                : nullptr;
        for (int i = 0; i < w; ++i) {
            const int x = columns[static_cast<std::size_t>(i)];
            if (next && x >= 0) __builtin_prefetch(next + x);
            out[i] = x >= 0 ? lut[row[x] & 0x7FFF] : outside;
        }
    }
}

} // namespace tracelle::picture
