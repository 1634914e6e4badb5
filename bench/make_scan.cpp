// Writes a map-like scan as a binary PPM for the opening benchmark: paper with grain and
// shading, a grid of two-pixel lines, contour rings one pixel wide, and rivers.
// Usage: make_scan WIDTH HEIGHT OUT.ppm
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

std::uint32_t hash(std::uint32_t x, std::uint32_t y) {
    std::uint32_t h = x * 374761393u + y * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: make_scan WIDTH HEIGHT OUT.ppm\n", stderr);
        return 2;
    }
    const int w = std::atoi(argv[1]);
    const int h = std::atoi(argv[2]);
    std::FILE* out = std::fopen(argv[3], "wb");
    if (!out || w <= 0 || h <= 0) return 1;
    std::fprintf(out, "P6\n%d %d\n255\n", w, h);
    std::vector<unsigned char> row(static_cast<std::size_t>(w) * 3);
    const double cx[3] = {0.3 * w, 0.7 * w, 0.5 * w};
    const double cy[3] = {0.35 * h, 0.6 * h, 0.8 * h};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            // Paper: slow shading and a grain of a few levels.
            const int grain =
                static_cast<int>(
                    hash(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)) % 13) -
                6;
            const double shade = 8 * std::sin(x * 0.0007) * std::cos(y * 0.0009);
            int r = 236 + grain + static_cast<int>(shade);
            int g = 228 + grain + static_cast<int>(shade);
            int b = 205 + grain;
            // Contour rings about three summits, one pixel wide.
            for (int k = 0; k < 3; ++k) {
                const double d = std::hypot(x - cx[k], y - cy[k]);
                if (std::fmod(d, 90.0) < 1.0 && d < 0.3 * w) {
                    r = 150;
                    g = 95;
                    b = 45;
                }
            }
            // Rivers.
            const double river = y - (0.5 * h + 0.12 * h * std::sin(x * 0.0011));
            if (std::fabs(river) < 3) {
                r = 60;
                g = 120;
                b = 200;
            }
            // The kilometre grid: lines two pixels wide.
            if (x % 600 < 2 || y % 600 < 2) r = g = b = 40;
            unsigned char* p = row.data() + 3 * static_cast<std::size_t>(x);
            p[0] = static_cast<unsigned char>(std::clamp(r, 0, 255));
            p[1] = static_cast<unsigned char>(std::clamp(g, 0, 255));
            p[2] = static_cast<unsigned char>(std::clamp(b, 0, 255));
        }
        if (std::fwrite(row.data(), 1, row.size(), out) != row.size()) return 1;
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
