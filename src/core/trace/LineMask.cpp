// The pixels of the line's colour, as the tracer weighs them, in a mask of one byte a pixel:
// half the picture's own memory.
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
    mask.x0 = std::max(0, std::min(box.x0, box.x1));
    mask.y0 = std::max(0, std::min(box.y0, box.y1));
    const int x1 = std::min(layer.width() - 1, std::max(box.x0, box.x1));
    const int y1 = std::min(layer.height() - 1, std::max(box.y0, box.y1));
    if (x1 < mask.x0 || y1 < mask.y0) return mask;
    mask.width = x1 - mask.x0 + 3;
    mask.height = y1 - mask.y0 + 3;
    mask.cells.assign(static_cast<std::size_t>(mask.width) * static_cast<std::size_t>(mask.height),
                      0);
    std::atomic<bool> any = false;
    inBands(mask, [&](int, int first, int end) {
        bool found = false;
        for (int row = first; row < end; ++row) {
            const int y = row - 1 + mask.y0;
            std::uint8_t* out = mask.cells.data() + mask.at(mask.x0, y);
            layer.runs(y, mask.x0, x1 + 1, [&](int x, const picture::Pixel* p, int count) {
                std::uint8_t* o = out + (x - mask.x0);
                for (int i = 0; i < count; ++i) {
                    const bool on = colour.weight(p[i]) > 0;
                    o[i] = on ? kOn : 0;
                    found |= on;
                }
            });
        }
        if (found) any = true;
    });
    if (!any) mask.cells.clear();
    return mask;
}

} // namespace tracelle::trace::skeleton
