// PNG pictures through libpng, decoded straight into RGB555.
#pragma once

#include "picture/Decoded.h"

#include <functional>
#include <string>

namespace tracelle::picture {

// Every colour type and bit depth, interlaced or not; transparency is laid over white.
Decoded decodePng(const std::string& path);
class RowArrival;
// The same into `into`, made the picture's size before `sized()` is called; `arrival` is told
// of the rows as they are written, except for an interlaced picture, whose last pass alone
// finishes any row. "" or the reason it failed.
std::string decodePngInto(const std::string& path, Raster& into, int& sourceBits,
                          RowArrival& arrival, const std::function<void()>& sized);

} // namespace tracelle::picture
