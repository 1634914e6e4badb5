// Conversion of decoded rows into RGB555, shared by the decoders.
#pragma once

#include "picture/Raster.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tracelle::picture {

// From half a megapixel on, a picture is decoded on two threads. A second thread and a
// second handle on the file cost some 20 to 200 µs: a quarter of a megapixel barely pays
// them back, half a megapixel does.
constexpr std::uint64_t kTwoThreadsFrom = std::uint64_t{1} << 19;

// A decoder going row by row tells the rows arrived in bands of this many: a lock and a
// wake-up for each row would cost more than the rows.
constexpr int kRowsTold = 32;

// Most of a large picture's conversion time goes into its rows: given AVX2, the compiler
// handles 16 pixels at a time, about four times faster than one by one.
#if defined(__GNUC__) && defined(__x86_64__) && defined(__ELF__)
#define TRACELLE_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define TRACELLE_VECTOR_CLONES
#endif

// A pixel's channels ten bits apart (red from bit 20, green from bit 10, blue from bit 0): the
// sums of up to 33 pixels add in one 32-bit word without one channel reaching the next.
constexpr std::uint32_t spread555(Pixel p) {
    return ((p & 0x7C00u) << 10) | ((p & 0x3E0u) << 5) | (p & 0x1Fu);
}

// `count` pixels of 8-bit samples r, g, b spaced `step` bytes apart (3 for RGB, 4 for RGBA).
void rgbRowTo555(const std::uint8_t* src, std::size_t step, Pixel* dst, int count);

// 8-bit r, g, b, a samples, each pixel laid over white, the colour of the paper a map is drawn
// on.
constexpr Pixel overWhite555(unsigned r, unsigned g, unsigned b, unsigned a) {
    const auto over = [a](unsigned c) {
        return static_cast<std::uint8_t>((c * a + 255u * (255u - a) + 127u) / 255u);
    };
    return rgb555(over(r), over(g), over(b));
}

inline void rgbaOverWhiteRowTo555(const std::uint8_t* src, Pixel* dst, int count) {
    for (int x = 0; x < count; ++x, src += 4)
        dst[x] = overWhite555(src[0], src[1], src[2], src[3]);
}

inline void bgrRowTo555(const std::uint8_t* src, std::size_t step, Pixel* dst, int count) {
    for (int x = 0; x < count; ++x, src += step)
        dst[x] = rgb555(src[2], src[1], src[0]);
}

// The other way, for the writers: red, green, blue bytes, full intensity staying 255.
inline void rowTo888(const Pixel* src, std::uint8_t* rgb, int count) {
    for (int x = 0; x < count; ++x, rgb += 3) {
        rgb[0] = red8(src[x]);
        rgb[1] = green8(src[x]);
        rgb[2] = blue8(src[x]);
    }
}

inline void greyRowTo555(const std::uint8_t* src, Pixel* dst, int count) {
    for (int x = 0; x < count; ++x)
        dst[x] = rgb555(src[x], src[x], src[x]);
}

// Indices of `bits` bits (1, 2, 4 or 8), most significant first, through a palette of
// RGB555 entries; indices beyond the palette give entry 0.
inline void indexedRowTo555(const std::uint8_t* src, int bits, const Pixel* palette,
                            int paletteSize, Pixel* dst, int count) {
    const int perByte = 8 / bits;
    const int mask = (1 << bits) - 1;
    for (int x = 0; x < count; ++x) {
        const int shift = 8 - bits * (x % perByte + 1);
        const int index = (src[x / perByte] >> shift) & mask;
        dst[x] = palette[index < paletteSize ? index : 0];
    }
}

// Indices of `bits` bits (1, 2, 4 or 8), most significant first, a byte each.
inline void unpackIndices(const std::uint8_t* src, int bits, std::uint8_t* dst, int count) {
    if (bits == 8) {
        std::memcpy(dst, src, static_cast<std::size_t>(count));
        return;
    }
    const unsigned mask = (1u << bits) - 1;
    int x = 0;
    for (; x + 8 / bits <= count; ++src)
        for (int shift = 8 - bits; shift >= 0; shift -= bits)
            dst[x++] = static_cast<std::uint8_t>(*src >> shift & mask);
    for (int shift = 8 - bits; x < count; shift -= bits)
        dst[x++] = static_cast<std::uint8_t>(*src >> shift & mask);
}

// The palette of an indexed grey picture: each level as greyRowTo555 gives it.
inline std::array<Pixel, 256> greyPalette() {
    std::array<Pixel, 256> palette;
    for (std::size_t v = 0; v < palette.size(); ++v) {
        const auto level = static_cast<std::uint8_t>(v);
        palette[v] = rgb555(level, level, level);
    }
    return palette;
}

} // namespace tracelle::picture
