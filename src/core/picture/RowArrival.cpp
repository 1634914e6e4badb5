#include "picture/RowArrival.h"

namespace tracelle::picture {

void RowArrival::waitFor(int rows) const {
    if (ready() >= rows || ended()) return;
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return ready() >= rows || ended(); });
}

void RowArrival::arrived(int rows) {
    {
        const std::lock_guard lock(mutex_);
        if (rows <= ready_.load(std::memory_order_relaxed)) return;
        ready_.store(rows, std::memory_order_release);
    }
    changed_.notify_all();
}

void RowArrival::end() {
    {
        const std::lock_guard lock(mutex_);
        ended_.store(true, std::memory_order_release);
    }
    changed_.notify_all();
}

Preview RowArrival::preview() const {
    const std::lock_guard lock(mutex_);
    return preview_;
}

void RowArrival::showPreview(Preview preview) {
    const std::lock_guard lock(mutex_);
    preview_ = std::move(preview);
}

} // namespace tracelle::picture
