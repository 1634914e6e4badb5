// Drawing the shown part of the layer into a window-sized 32-bit image: the cost follows the
// window, not the picture.
#pragma once

#include "picture/Layer.h"
#include "picture/Overview.h"

#include <cstdint>

namespace tracelle::picture {

// The 32-bit colour (0xFFRRGGBB) of an RGB555 pixel.
std::uint32_t toRgb32(Pixel p);

// Stretches the rectangle x1..x2, y1..y2 (inclusive, may reach outside the canvas) of `layer`
// onto `w` × `h` pixels of `target` (rows `targetStride` words apart). Where several layer
// pixels fall on a target pixel it shows their average, taken from the overview's level of
// about their number when one is ready; magnified, the pixel under it. Outside the canvas:
// `outside`. Returns how many of the first target rows are final: taken from the overview, ready
// or half made, they stay as they are while the view and the overview stay. Those an earlier
// call returned, `kept`, are left as they are: a picture still arriving is drawn again from
// there.
int stretchToRgb32(const Layer& layer, const Overview* overview, int x1, int y1, int x2, int y2,
                   std::uint32_t* target, int targetStride, int w, int h, std::uint32_t outside,
                   int kept = 0);

} // namespace tracelle::picture
