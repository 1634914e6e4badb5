// A picture decoded on a thread of its own, readable row by row as the rows arrive: the window
// shows the top of a large scan while the rest is still being decoded.
#pragma once

#include "picture/Raster.h"
#include "picture/RowArrival.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace tracelle::picture {

class PictureLoading {
public:
    // Decodes into `into` (sized first, then `sized()` called before any row arrives),
    // telling `arrival` of the rows written; returns "" or the reason it failed. A decoder that
    // never calls `sized()` makes its picture known once whole.
    using RowDecoder = std::function<std::string(Raster& into, int& sourceBits, RowArrival& arrival,
                                                 const std::function<void()>& sized)>;

    // Starts at once.
    explicit PictureLoading(RowDecoder decoder);
    // A file of any known format; a JPEG, a PNG or a TIFF arrives row by row, the others whole.
    static std::unique_ptr<PictureLoading> ofFile(const std::string& path);
    // Waits for the decoding to end.
    ~PictureLoading();
    PictureLoading(const PictureLoading&) = delete;
    PictureLoading& operator=(const PictureLoading&) = delete;

    // Blocks until the picture's size is known: the picture being filled, or null when the
    // decoding failed before (error() tells why).
    std::shared_ptr<const Raster> picture();
    const std::shared_ptr<const RowArrival>& arrival() const { return arrival_; }
    bool finished() const { return arrival_->ended(); }
    // Blocks until the decoding ends; "" when the whole picture came, otherwise the reason.
    std::string wait();
    int sourceBits() const { return sourceBits_; }
    // Calls `call` once the decoding has ended: on the decoding's thread, or at once on this
    // one when it has ended already.
    void whenEnded(std::function<void()> call);

private:
    std::shared_ptr<Raster> raster_ = std::make_shared<Raster>();
    std::shared_ptr<RowArrival> writer_ = std::make_shared<RowArrival>();
    std::shared_ptr<const RowArrival> arrival_ = writer_;
    int sourceBits_ = 0;
    std::string error_;
    bool sized_ = false;
    bool done_ = false;
    std::function<void()> whenEnded_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::thread thread_;
};

} // namespace tracelle::picture
