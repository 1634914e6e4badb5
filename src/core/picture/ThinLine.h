// One-pixel lines on the layer, drawn from their ends alone.
#pragma once

#include "picture/Layer.h"

namespace tracelle::picture {

// One pixel a step along the segment's longer axis, the one nearest the true segment (halves
// towards the greater coordinate), both ends included. Each pixel depends on the ends only,
// never on the tiles or on how much of the segment the canvas shows, and only the steps within
// the canvas are walked, however far the ends lie.
void drawThinLine(Layer& layer, int x0, int y0, int x1, int y1, Pixel colour);

} // namespace tracelle::picture
