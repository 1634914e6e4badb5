// The rows of a picture that a decoder fills while others read it: the rows before ready() are
// final, the others not yet written. A reduced picture of the whole may stand in for the rows
// still to come.
#pragma once

#include "picture/Raster.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>

namespace tracelle::picture {

// A reduced picture of the whole: picture pixel (x, y) shows its pixel
// (x * numX / denX, y * numY / denY), so that it lies exactly where the full picture will.
struct Preview {
    std::shared_ptr<const Raster> raster;
    int numX = 1, denX = 1, numY = 1, denY = 1;

    Pixel at(int x, int y) const {
        return raster->row(
            static_cast<int>(std::int64_t{y} * numY / denY))[std::int64_t{x} * numX / denX];
    }
};

class RowArrival {
public:
    int ready() const { return ready_.load(std::memory_order_acquire); }
    // No more rows will come: the decoding is over, whether whole or not.
    bool ended() const { return ended_.load(std::memory_order_acquire); }
    // Blocks until `rows` rows have arrived, or none will come any more.
    void waitFor(int rows) const;

    // The decoder's side: the first `rows` rows are written (the count only grows).
    void arrived(int rows);
    void end();

    // The latest reduced picture shown in place of the rows to come; none once the decoder
    // drops it, or before it gives one.
    Preview preview() const;
    void showPreview(Preview preview);

private:
    Preview preview_;
    std::atomic<int> ready_{0};
    std::atomic<bool> ended_{false};
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
};

} // namespace tracelle::picture
