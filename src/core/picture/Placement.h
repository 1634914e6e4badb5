// Where a decoded picture goes in its canvas, and the texts that describe it.
#pragma once

#include <string>

namespace tracelle::picture {

struct Placement {
    int canvasWidth = 0;
    int canvasHeight = 0;
    int ox = 0;
    int oy = 0;
};

// With proportions kept the canvas takes the proportions of the window's client area
// (cw × ch) and the picture is centred in it; otherwise the canvas is the picture.
Placement placePicture(int w, int h, bool keepProportions, int cw, int ch);

// "W x H": the size of the picture as decoded.
std::string sizeText(int w, int h);
// "WxHxB=KB ": the size of a canvas of b bits a pixel.
std::string LxHxC(int w, int h, int bitsPerPixel);

} // namespace tracelle::picture
