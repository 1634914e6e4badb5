// The image data of a PNG read without libpng, whose inflating is bound to zlib: ISA-L
// inflates a scan's image data in about 60 % of zlib's time. Rows of 8-bit samples, of the
// whole picture or of each pass of an interlaced one; libpng has read the chunks before them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

struct inflate_state;

namespace tracelle::picture {

class PngImageData {
public:
    enum class Fault { None, Truncated, Damaged, Incomplete, NoMemory };

    // `file` stands after `header`, the length and type of the first IDAT chunk; pixels of
    // `pixelBytes` bytes.
    PngImageData(std::FILE* file, const std::uint8_t (&header)[8], int pixelBytes);
    ~PngImageData();
    PngImageData(const PngImageData&) = delete;
    PngImageData& operator=(const PngImageData&) = delete;

    // The rows that follow hold `rowBytes` bytes of samples each, the first of them unfiltered
    // without a row above: the whole picture, or one pass of an interlaced one.
    void startPass(std::size_t rowBytes);
    // Decodes the next `count` rows at most; returns how many came, 0 with fault() set.
    int next(int count);
    // Row i (< what next() returned) of the latest rows, its samples unfiltered.
    const std::uint8_t* row(int i) const {
        return rows_.data() + static_cast<std::size_t>(i) * (rowBytes_ + 1) + 1;
    }
    Fault fault() const { return fault_; }
    // Rows the buffer holds at most.
    int capacity() const { return capacity_; }

private:
    bool read(std::uint8_t* to, std::size_t count);
    bool endChunk();
    bool refill();
    bool unfilter(std::uint8_t* row, const std::uint8_t* above);

    std::FILE* file_;
    std::uint32_t left_; // bytes of the current chunk still to read
    std::uint32_t crc_;  // of the current chunk so far
    bool crcRead_ = false;
    bool lastChunk_ = false; // a chunk other than IDAT came
    std::size_t rowBytes_ = 0;
    int pixelBytes_;
    int capacity_ = 0;
    std::unique_ptr<inflate_state> inflater_;
    std::vector<std::uint8_t> input_;
    std::vector<std::uint8_t> rows_;  // filter byte and samples, row after row
    std::vector<std::uint8_t> above_; // the row before the latest ones, unfiltered
    Fault fault_ = Fault::None;
};

} // namespace tracelle::picture
