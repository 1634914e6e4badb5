// The affine map from the pixels of a picture to real coordinates, as world files write it:
// pixel (i, j), counted from the centre of the upper-left pixel, lies at
// X = A·i + B·j + C, Y = D·i + E·j + F.
#pragma once

#include "georef/Georef.h"
#include "model/Real.h"

namespace tracelle::georef {

struct Affine {
    model::Real A = 1, D = 0, B = 0, E = 1, C = 0, F = 0;
};

// The images of pixels (0, 0), (0, h) and (w, h): three points that give the map back
// exactly through the calibration. An error when the map flattens the picture.
Calage calageAffine(const Affine& map, int w, int h, std::string source);

} // namespace tracelle::georef
