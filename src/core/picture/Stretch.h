// Drawing part of a picture into a window-sized 32-bit image: the cost follows the window,
// not the picture.
#pragma once

#include "picture/Raster.h"

#include <cstdint>

namespace tracelle::picture {

// The 32-bit colour (0xFFRRGGBB) of an RGB555 pixel.
std::uint32_t toRgb32(Pixel p);

// Stretches the rectangle x1..x2, y1..y2 (inclusive, may reach outside the picture) of
// `source` onto `w` × `h` pixels of `target` (rows `targetStride` words apart), taking the
// nearest pixel; what lies outside the picture is painted `outside`.
void stretchToRgb32(const Raster& source, int x1, int y1, int x2, int y2, std::uint32_t* target,
                    int targetStride, int w, int h, std::uint32_t outside);

} // namespace tracelle::picture
