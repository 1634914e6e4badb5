// What a decoder gives back: the picture, or the reason it could not be read.
#pragma once

#include "picture/Raster.h"

#include <string>

namespace tracelle::picture {

struct Decoded {
    Raster raster;
    // Bits per pixel of the file (1, 4, 8, 16, 24, 32...), for information.
    int sourceBits = 0;
    // Empty on success; otherwise the reason in French ("fichier tronqué", "compression
    // non reconnue"...), without the file's name, which the caller adds.
    std::string error;

    bool ok() const { return error.empty() && !raster.empty(); }
};

inline Decoded failed(std::string reason) {
    Decoded d;
    d.error = std::move(reason);
    return d;
}

} // namespace tracelle::picture
