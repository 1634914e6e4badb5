// JPEG pictures through libjpeg-turbo: decoding straight into RGB555 (grey ones a byte a pixel),
// and writing.
#pragma once

#include "picture/Decoded.h"
#include "picture/Raster.h"
#include "picture/Rgb24.h"
#include "picture/RowSource.h"

#include <functional>
#include <string>

namespace tracelle::picture {

// Baseline or progressive; colour, greyscale, CMYK or YCCK. A file cut short fails
// ("fichier JPEG tronqué") rather than giving a picture padded with grey.
Decoded decodeJpeg(const std::string& path);
class RowArrival;
// The same into `into`, made the picture's size before `sized()` is called; `arrival` is told
// of the rows as they are written. "" or the reason it failed.
std::string decodeJpegInto(const std::string& path, Raster& into, int& sourceBits,
                           RowArrival& arrival, const std::function<void()>& sized);
// The same at 8 bits a channel, for the picture conversion, which keeps the colours whole.
Decoded32 decodeJpeg32(const std::string& path);

// Writes `raster` as a colour JPEG (quality 1 to 100; the program uses 90). Returns "" on
// success, otherwise the reason; an existing file is then left as it was.
std::string writeJpeg(const Raster& raster, const std::string& path, int quality);
std::string writeJpeg(const RowSource& rows, const std::string& path, int quality);
std::string writeJpeg(const Rgb24& picture, const std::string& path, int quality);
std::string writeJpeg(const Rgb24Rows& rows, const std::string& path, int quality);

} // namespace tracelle::picture
