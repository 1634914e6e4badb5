// TIFF pictures through libtiff, decoded strip by strip (or tile by tile) into a Raster.
#pragma once

#include "picture/Decoded.h"

#include <functional>
#include <string>

namespace tracelle::picture {

// The first page of the TIFF file at `path`; a damaged, truncated or unsupported file gives
// an empty raster and the reason.
Decoded decodeTiff(const std::string& path);
class RowArrival;
// The same into `into`, made the picture's size before `sized()` is called; `arrival` is told
// of the rows as each row of strips or tiles is whole. "" or the reason it failed.
std::string decodeTiffInto(const std::string& path, Raster& into, int& sourceBits,
                           RowArrival& arrival, const std::function<void()>& sized);

} // namespace tracelle::picture
