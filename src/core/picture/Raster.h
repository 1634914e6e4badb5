// A picture in memory: 16-bit words of 5 bits per channel (RGB555: 0RRRRRGGGGGBBBBB), rows
// one after the other; or, for a picture of at most 256 colours (grey, palette and two-colour
// scans), a byte a pixel indexing its palette of such words: half the memory.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace tracelle::picture {

using Pixel = std::uint16_t;

constexpr Pixel rgb555(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<Pixel>(((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
}
// 5 bits back to 8, so that full intensity stays 255.
constexpr std::uint8_t red8(Pixel p) {
    return static_cast<std::uint8_t>(((p >> 10) & 31) * 255 / 31);
}
constexpr std::uint8_t green8(Pixel p) {
    return static_cast<std::uint8_t>(((p >> 5) & 31) * 255 / 31);
}
constexpr std::uint8_t blue8(Pixel p) {
    return static_cast<std::uint8_t>((p & 31) * 255 / 31);
}

class Raster {
public:
    Raster() = default;

    // Allocates an uninitialised w × h picture; empty (with `error` set) when the size is
    // not positive or the memory is not there. Nothing is allocated before that check.
    static Raster create(int width, int height, std::string* error = nullptr);
    // The same, a byte a pixel; the palette starts black.
    static Raster createIndexed(int width, int height, std::string* error = nullptr);

    bool empty() const { return !pixels_ && !indices_; }
    bool indexed() const { return indices_ != nullptr; }
    int width() const { return width_; }
    int height() const { return height_; }
    // Pixels from one row to the next.
    std::size_t stride() const { return static_cast<std::size_t>(width_); }
    std::size_t byteSize() const {
        return stride() * static_cast<std::size_t>(height_) * (indexed() ? 1 : sizeof(Pixel));
    }

    // The rows of a 15-bit raster.
    Pixel* row(int y) { return pixels_.get() + stride() * static_cast<std::size_t>(y); }
    const Pixel* row(int y) const { return pixels_.get() + stride() * static_cast<std::size_t>(y); }
    Pixel* data() { return pixels_.get(); }
    const Pixel* data() const { return pixels_.get(); }
    // The rows and palette of an indexed raster.
    std::uint8_t* indexRow(int y) {
        return indices_.get() + stride() * static_cast<std::size_t>(y);
    }
    const std::uint8_t* indexRow(int y) const {
        return indices_.get() + stride() * static_cast<std::size_t>(y);
    }
    std::array<Pixel, 256>& palette() { return palette_; }
    const std::array<Pixel, 256>& palette() const { return palette_; }

    Pixel pixel(int x, int y) const { return indices_ ? palette_[indexRow(y)[x]] : row(y)[x]; }
    // Row y as 15-bit pixels: the raster's own memory, or `buffer` (width() pixels) filled.
    const Pixel* rowInto(int y, Pixel* buffer) const;
    // A 15-bit raster all of one colour.
    void fill(Pixel value);
    Raster copy(std::string* error = nullptr) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<Pixel[]> pixels_;
    std::unique_ptr<std::uint8_t[]> indices_;
    std::array<Pixel, 256> palette_{};
};

// Palette indices to 15-bit pixels.
inline void expand(const std::uint8_t* __restrict indices, int count,
                   const std::array<Pixel, 256>& palette, Pixel* __restrict out) {
    for (int i = 0; i < count; ++i)
        out[i] = palette[indices[i]];
}

// The text that refuses a picture too large for the memory, or empty when it fits;
// `decoderBytes` is what its decoder needs beside it (a progressive JPEG's coefficients);
// `pixelBytes` 1 for a picture of palette indices.
std::string checkFitsInMemory(std::uint64_t width, std::uint64_t height,
                              std::uint64_t decoderBytes = 0, int pixelBytes = sizeof(Pixel));

} // namespace tracelle::picture
