// Huffman decoding is three quarters of a baseline JPEG's decoding, and without restart markers
// its rows cannot be shared out between cores. A second decompressor of the same file decodes
// the coefficients on another core, a few MCU rows ahead; the reader takes them in place of its
// own entropy decoder's and keeps the rest (inverse DCT, upsampling, colours).
#pragma once

#include "picture/JpegSupport.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace tracelle::picture {

class JpegEntropyAhead {
public:
    // Once `reader` has started, before its first row. False, the reader left to decode alone,
    // when the file does not lend itself (several scans, arithmetic coding) or no thread is to
    // be had. A fault met ahead reaches the reader where it would have met it itself.
    bool start(jpeg_decompress_struct& reader, const char* path);
    // Before the reader is destroyed, whether it finished or failed.
    void stop();
    ~JpegEntropyAhead() { stop(); }

private:
    bool open(const jpeg_decompress_struct& reader);
    void run();
    bool decodeRows();
    JBLOCK* rowAt(JDIMENSION row) const;
    bool waitFor(JDIMENSION row);
    static boolean take(j_decompress_ptr reader, JBLOCKROW* blocks);
    [[noreturn]] void failReader(j_decompress_ptr reader) const;

    jpeg_decompress_struct cinfo_{};
    JpegErrors errors_{};
    JpegFileSource source_{};
    std::FILE* file_ = nullptr;
    bool opened_ = false;
    std::unique_ptr<JBLOCK[]> ring_;
    JDIMENSION mcusPerRow_ = 0, mcuRows_ = 0;
    int blocksInMcu_ = 0;
    JDIMENSION takenRows_ = 0, takenMcus_ = 0; // where the reader is: its row, its MCU in it
    JDIMENSION made_ = 0, used_ = 0; // MCU rows decoded ahead, and done with by the reader
    bool failed_ = false, stopping_ = false;
    std::mutex mutex_; // over made_, used_, failed_, stopping_
    std::condition_variable changed_;
    std::thread thread_;
};

} // namespace tracelle::picture
