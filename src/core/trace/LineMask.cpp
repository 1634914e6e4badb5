// The pixels of the line's colour, as the tracer weighs them, in a mask of two bits a pixel.
#include "trace/Skeleton.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace tracelle::trace::skeleton {

void inBands(const Mask& mask, const std::function<void(int, int, int)>& part) {
    // Below this many cells a second thread costs more than it saves.
    constexpr std::size_t kWorthASecondCore = std::size_t{1} << 20;
    const int first = 1, end = mask.height - 1;
    if (mask.cells.size() < kWorthASecondCore || end - first < 2) {
        part(0, first, end);
        return;
    }
    const int middle = first + (end - first) / 2;
    std::thread other(part, 1, middle, end);
    part(0, first, middle);
    other.join();
}

Mask maskOf(const picture::Layer& layer, const Box& box, const LineColour& colour) {
    Mask mask;
    const int x0 = std::max(0, std::min(box.x0, box.x1));
    const int y0 = std::max(0, std::min(box.y0, box.y1));
    const int x1 = std::min(layer.width() - 1, std::max(box.x0, box.x1));
    const int y1 = std::min(layer.height() - 1, std::max(box.y0, box.y1));
    if (x1 < x0 || y1 < y0) return mask;
    mask.frame(x0, y0, x1, y1);
    std::atomic<bool> any = false;
    inBands(mask, [&](int, int first, int end) {
        bool found = false;
        for (int row = first; row < end; ++row) {
            std::uint64_t* words = mask.row(row);
            layer.runs(row - 1 + y0, x0, x1 + 1, [&](int x, const picture::Pixel* p, int count) {
                for (int i = 0; i < count; ++i)
                    if (colour.weight(p[i]) > 0) {
                        const auto cell = static_cast<std::size_t>(x - x0 + 1 + i);
                        words[cell / Cells::kPerWord] |= std::uint64_t{kOn}
                                                         << (cell % Cells::kPerWord * 2);
                        found = true;
                    }
            });
        }
        if (found) any = true;
    });
    if (!any) mask.cells.clear();
    return mask;
}

} // namespace tracelle::trace::skeleton
