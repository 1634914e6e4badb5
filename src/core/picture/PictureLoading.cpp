#include "picture/PictureLoading.h"

#include "picture/Decoder.h"
#include "platform/Language.h"

namespace tracelle::picture {

PictureLoading::PictureLoading(RowDecoder decoder) {
    thread_ = std::thread([this, decoder = std::move(decoder)] {
        const auto sized = [this] {
            {
                const std::lock_guard lock(mutex_);
                sized_ = true;
            }
            changed_.notify_all();
        };
        std::string error = decoder(*raster_, sourceBits_, *writer_, sized);
        if (error.empty() && raster_->empty())
            error = platform::translate("PictureLoading", "image vide");
        if (error.empty()) writer_->arrived(raster_->height());
        writer_->showPreview({}); // its memory is no longer needed
        writer_->end();
        std::function<void()> call;
        {
            const std::lock_guard lock(mutex_);
            error_ = std::move(error);
            done_ = true;
            call = std::move(whenEnded_);
        }
        changed_.notify_all();
        if (call) call();
    });
}

std::unique_ptr<PictureLoading> PictureLoading::ofFile(const std::string& path) {
    if (const RowIntoDecoder decodeInto = rowDecoderFor(path))
        return std::make_unique<PictureLoading>(
            [path, decodeInto](Raster& into, int& bits, RowArrival& arrival,
                               const std::function<void()>& sized) {
                return decodeInto(path, into, bits, arrival, sized);
            });
    return std::make_unique<PictureLoading>(
        [path](Raster& into, int& bits, RowArrival&, const std::function<void()>&) {
            Decoded decoded = decodeFile(path);
            if (!decoded.ok()) return decoded.error;
            // Known once whole: picture() waits for the end.
            into = std::move(decoded.raster);
            bits = decoded.sourceBits;
            return std::string();
        });
}

PictureLoading::~PictureLoading() {
    thread_.join();
}

std::shared_ptr<const Raster> PictureLoading::picture() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return sized_ || done_; });
    if (done_ && !error_.empty() && !sized_) return nullptr;
    return raster_;
}

void PictureLoading::whenEnded(std::function<void()> call) {
    {
        const std::lock_guard lock(mutex_);
        if (!done_) {
            whenEnded_ = std::move(call);
            return;
        }
    }
    call();
}

std::string PictureLoading::wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return done_; });
    return error_;
}

} // namespace tracelle::picture
