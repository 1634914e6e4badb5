#include "picture/JpegEntropyAhead.h"

#include <new>
#include <sys/resource.h>
#include <system_error>
#include <unistd.h>
// clang-format off
#include <jpegint.h> // the entropy decoder's interface; after jpeglib.h
// clang-format on

namespace tracelle::picture {

namespace {

// MCU rows decoded ahead at most: the reader seldom waits, and the ring stays a few MB even
// for the widest pictures.
constexpr JDIMENSION kRingRows = 4;

} // namespace

bool JpegEntropyAhead::start(jpeg_decompress_struct& reader, const char* path) {
    if (reader.progressive_mode || reader.arith_code || jpeg_has_multiple_scans(&reader))
        return false;
    file_ = std::fopen(path, "rb");
    if (!file_ || !open(reader)) {
        stop();
        return false;
    }
    mcusPerRow_ = reader.MCUs_per_row;
    mcuRows_ = reader.MCU_rows_in_scan;
    blocksInMcu_ = reader.blocks_in_MCU;
    // Zeroed once, as the entropy decoder wants its blocks. After that the reader's
    // coefficient controller keeps them so: before it asks for an MCU, it clears the blocks it
    // was last pointed at, the previous MCU's, which it has done with.
    ring_.reset(new (std::nothrow)
                    JBLOCK[std::size_t{kRingRows} * mcusPerRow_ * std::size_t(blocksInMcu_)]());
    if (!ring_) {
        stop();
        return false;
    }
    try {
        thread_ = std::thread([this] { run(); });
    } catch (const std::system_error&) {
        stop();
        return false;
    }
    reader.client_data = this;
    reader.entropy->decode_mcu = take;
    return true;
}

void JpegEntropyAhead::stop() {
    if (thread_.joinable()) {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
    if (opened_) jpeg_destroy_decompress(&cinfo_);
    opened_ = false;
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

// The same headers read again, up to the first MCU; they must give the reader's layout.
bool JpegEntropyAhead::open(const jpeg_decompress_struct& reader) {
    cinfo_.err = &errors_.pub;
    installJpegErrors(errors_);
    if (setjmp(errors_.jump)) return false;
    jpeg_create_decompress(&cinfo_);
    opened_ = true;
    readJpegFrom(cinfo_, source_, file_);
    jpeg_read_header(&cinfo_, TRUE);
    cinfo_.out_color_space = reader.out_color_space;
    cinfo_.do_fancy_upsampling = FALSE;
    jpeg_start_decompress(&cinfo_);
    return !cinfo_.progressive_mode && !jpeg_has_multiple_scans(&cinfo_) &&
           cinfo_.MCUs_per_row == reader.MCUs_per_row &&
           cinfo_.MCU_rows_in_scan == reader.MCU_rows_in_scan &&
           cinfo_.blocks_in_MCU == reader.blocks_in_MCU;
}

JBLOCK* JpegEntropyAhead::rowAt(JDIMENSION row) const {
    return ring_.get() + std::size_t{row % kRingRows} * mcusPerRow_ * std::size_t(blocksInMcu_);
}

void JpegEntropyAhead::run() {
    // A step below the other threads: the window's, building the first view meanwhile, comes
    // first, and the decoding ahead takes the time left, most of it. Measured: the first view
    // 10-25 ms sooner, the picture whole no later.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 5);
    const bool ok = decodeRows();
    {
        const std::lock_guard lock(mutex_);
        failed_ = !ok;
    }
    changed_.notify_all();
}

// No object with a destructor is alive in this frame while libjpeg runs.
bool JpegEntropyAhead::decodeRows() {
    if (setjmp(errors_.jump)) return false;
    JBLOCKROW blocks[D_MAX_BLOCKS_IN_MCU];
    for (JDIMENSION row = 0; row < mcuRows_; ++row) {
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return stopping_ || row < used_ + kRingRows; });
            if (stopping_) return true;
        }
        JBLOCK* block = rowAt(row);
        for (JDIMENSION mcu = 0; mcu < mcusPerRow_; ++mcu) {
            for (int b = 0; b < blocksInMcu_; ++b)
                blocks[b] = block++;
            (*cinfo_.entropy->decode_mcu)(&cinfo_, blocks);
        }
        {
            const std::lock_guard lock(mutex_);
            made_ = row + 1;
        }
        changed_.notify_all();
    }
    return true;
}

// The rows before `row` are done with: the reader has cleared them. False when `row` will not
// come, the decoding ahead having failed.
bool JpegEntropyAhead::waitFor(JDIMENSION row) {
    std::unique_lock lock(mutex_);
    used_ = row;
    changed_.notify_all();
    changed_.wait(lock, [&] { return made_ > row || failed_; });
    return made_ > row;
}

// The reader's entropy decoder: the MCU's blocks pointed at the coefficients decoded ahead.
boolean JpegEntropyAhead::take(j_decompress_ptr reader, JBLOCKROW* blocks) {
    auto* self = static_cast<JpegEntropyAhead*>(reader->client_data);
    if (self->takenMcus_ == 0 && !self->waitFor(self->takenRows_)) self->failReader(reader);
    JBLOCK* block = self->rowAt(self->takenRows_) +
                    std::size_t{self->takenMcus_} * std::size_t(self->blocksInMcu_);
    for (int b = 0; b < self->blocksInMcu_; ++b)
        blocks[b] = block++;
    if (++self->takenMcus_ == self->mcusPerRow_) {
        self->takenMcus_ = 0;
        ++self->takenRows_;
    }
    return TRUE;
}

// From a frame without destructors to skip: the reader fails with the fault met ahead.
void JpegEntropyAhead::failReader(j_decompress_ptr reader) const {
    auto* errors = reinterpret_cast<JpegErrors*>(reader->err);
    errors->code = errors_.code;
    errors->truncated = errors_.truncated;
    std::longjmp(errors->jump, 1);
}

} // namespace tracelle::picture
