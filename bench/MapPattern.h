// A scanned map of any size for the picture benchmarks, one row of 8-bit RGB at a time.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace tracelle::bench {

// A scanned map: paper, a river, forest hatching, contour lines, roads and a grid, under
// the scanner's noise, which keeps the compression moderate (about 5 to 1 in LZW).
class MapPattern {
public:
    MapPattern(int width, int height)
        : width_(width), riverX_(width), heightX_(width), heightY_(height) {
        for (int x = 0; x < width; ++x) {
            riverX_[x] = static_cast<int>(900 * std::sin(x / 1400.0));
            heightX_[x] = static_cast<int>(x * 0.9 + 300 * std::sin(x / 700.0));
        }
        for (int y = 0; y < height; ++y)
            heightY_[y] = static_cast<int>(y * 0.6 + 250 * std::cos(y / 500.0));
    }

    void row(int y, std::uint8_t* out) const {
        for (int x = 0; x < width_; ++x, out += 3) {
            int r = 236, g = 230, b = 212;
            const unsigned grain =
                (static_cast<unsigned>(x) * 73856093u) ^ (static_cast<unsigned>(y) * 19349663u);
            const int noise = static_cast<int>((grain >> 13) % 5) * 2; // scanner noise
            r -= noise, g -= noise, b -= noise;
            if (std::abs(y - 4200 - riverX_[x]) < 80) r = 168, g = 204, b = 230;
            if ((x / 900 + y / 700) % 4 == 1 && (x + y) % 11 < 2) r = 118, g = 172, b = 108;
            if ((heightX_[x] + heightY_[y]) % 60 < 2) r = 168, g = 110, b = 62;
            if (std::abs((x + 2 * y) % 1700 - 850) < 5 || std::abs(x % 2300 - 1150) < 4)
                r = 204, g = 42, b = 40;
            if (x % 1000 == 0 || y % 1000 == 0) r = g = b = 40;
            out[0] = static_cast<std::uint8_t>(r);
            out[1] = static_cast<std::uint8_t>(g);
            out[2] = static_cast<std::uint8_t>(b);
        }
    }

private:
    int width_;
    std::vector<int> riverX_, heightX_, heightY_;
};

} // namespace tracelle::bench
