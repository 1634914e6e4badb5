// Averages of the layer at a quarter of its size, an eighth, and so on: the view of a whole
// large picture shows each screen pixel as the average of the layer pixels it covers, so that
// a line one pixel wide still shows, at a cost that follows the window rather than the picture.
// Below a quarter the view averages the layer itself: a level at half the size would cost a
// quarter of the picture's memory again.
#pragma once

#include "picture/Layer.h"
#include "picture/Raster.h"

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace tracelle::picture {

class Overview {
public:
    // Level k holds the average of 2^k × 2^k layer pixels.
    static constexpr int kFirstLevel = 2;

    Overview() = default;
    ~Overview();
    Overview(const Overview&) = delete;
    Overview& operator=(const Overview&) = delete;

    // Builds the levels of `layer`'s bare picture on another thread, then calls `done` there;
    // what is drawn meanwhile is taken in by the next update(). A build under way is dropped.
    // A picture still arriving is read as its rows come, so that the levels are ready soon
    // after its last row.
    void build(const Layer& layer, std::function<void()> done);
    // The same, on this thread.
    void buildNow(const Layer& layer);
    void reset();

    bool ready() const { return shared_ && shared_->ready.load(std::memory_order_acquire); }
    // Whether a view of `factor` layer pixels a screen pixel reads the overview.
    static bool shows(double factor) { return factor >= (1 << kFirstLevel); }
    // Takes in the parts of the layer changed since the last update (once ready).
    void update(Layer& layer);
    // The finest level of at most `factor` layer pixels a side, null when none is ready.
    const Raster* levelFor(double factor, int* k) const;
    // The same while the levels are built: `rows` tells how many of its first rows are made
    // (all once ready), the only ones to read; null before the levels exist.
    const Raster* levelSoFar(double factor, int* k, int* rows) const;

private:
    struct Shared {
        std::vector<Raster> levels;              // levels[i] is level kFirstLevel + i
        std::array<std::atomic<int>, 32> made{}; // rows of each level
        std::atomic<bool> sized{false};          // the levels made, none to come or go
        std::atomic<bool> ready{false};
    };
    // False when stopped.
    static bool buildLevels(Layer& layer, Shared& shared, const std::stop_token& stop);
    std::size_t chosenLevel(double factor) const;

    std::shared_ptr<Shared> shared_;
    std::jthread worker_;
};

} // namespace tracelle::picture
