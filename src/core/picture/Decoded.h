// What a decoder gives back: the picture, or the reason it could not be read.
#pragma once

#include "picture/Raster.h"

#include <cstdint>
#include <memory>
#include <string>

namespace tracelle::picture {

struct Decoded {
    Raster raster;
    // Bits per pixel of the file (1, 4, 8, 16, 24, 32...), for information.
    int sourceBits = 0;
    // Empty on success; otherwise the reason ("fichier tronqué", "compression
    // non reconnue"...), without the file's name, which the caller adds.
    std::string error;

    bool ok() const { return error.empty() && !raster.empty(); }
};

// A picture at 8 bits a channel, one 32-bit word a pixel: 0xFFRRGGBB, rows after each other.
struct Decoded32 {
    int width = 0;
    int height = 0;
    std::unique_ptr<std::uint32_t[]> pixels;
    std::string error; // as Decoded's

    bool ok() const { return error.empty() && pixels; }
    std::uint32_t* row(int y) { return pixels.get() + static_cast<std::size_t>(width) * y; }
};

inline Decoded failed(std::string reason) {
    Decoded d;
    d.error = std::move(reason);
    return d;
}

} // namespace tracelle::picture
