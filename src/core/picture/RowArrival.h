// The rows of a picture that a decoder fills while others read it: the rows before ready() are
// final, the others not yet written.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace tracelle::picture {

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

private:
    std::atomic<int> ready_{0};
    std::atomic<bool> ended_{false};
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
};

} // namespace tracelle::picture
