// The sizes of the picture conversion: the width wanted in pixels, from a width in
// centimetres and a resolution, and the zoom that brings a metafile near it.
#pragma once

#include <string>
#include <string_view>

namespace tracelle::picture {

struct TargetWidth {
    bool computed = false; // both texts given and read
    long long pixels = 0;
    std::string error; // the conversion message of a text that is not an integer
};

// round(width in cm / 2.54 × dpi), halves to even; nothing when a text is empty.
TargetWidth calc_res(std::string_view widthCm, std::string_view dpi);

// The display zoom in per cent, round(target / picture width × 100) halves to even; 0 when
// the picture has no width (the conversion then does nothing).
int conversionZoom(long long targetWidth, int pictureWidth);

// A size at `zoom` per cent, by integer division as the display sizes itself.
int zoomedSize(int size, int zoom);

} // namespace tracelle::picture
