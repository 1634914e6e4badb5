// BMP pictures, read and written without any library: decoding straight into RGB555 (up to 8
// bits a byte a pixel), and writing 24-bit files.
#pragma once

#include "picture/Decoded.h"
#include "picture/Raster.h"
#include "picture/Rgb24.h"
#include "picture/RowSource.h"

#include <string>

namespace tracelle::picture {

// Windows headers (40, 52, 56, 108 and 124 bytes) and the OS/2 12-byte header; 1, 2, 4 and
// 8 bits through a palette, RLE8 and RLE4, 16 and 32 bits with or without colour masks, 24
// bits; either row order. A corrupt or cut file fails with the reason rather than giving a
// partly filled picture.
Decoded decodeBmp(const std::string& path);

// Writes `raster` as a 24-bit bottom-up BMP. Returns "" on success, otherwise the reason;
// an existing file is then left as it was.
std::string writeBmp(const Raster& raster, const std::string& path);
std::string writeBmp(const RowSource& rows, const std::string& path);
std::string writeBmp(const Rgb24& picture, const std::string& path);
std::string writeBmp(const Rgb24Rows& rows, const std::string& path);

} // namespace tracelle::picture
