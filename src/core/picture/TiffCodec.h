// TIFF pictures through libtiff, decoded strip by strip (or tile by tile) into a Raster.
#pragma once

#include "picture/Decoded.h"

#include <string>

namespace tracelle::picture {

// The first page of the TIFF file at `path`; a damaged, truncated or unsupported file gives
// an empty raster and the reason in French.
Decoded decodeTiff(const std::string& path);

} // namespace tracelle::picture
