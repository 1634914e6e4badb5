// The fitting models behind Transform, and what they share: the centring of coordinates that
// keeps the fits well conditioned whatever the picture's size or the real units.
#pragma once

#include "model/transform/Transform.h"

#include <vector>

namespace tracelle::model {

std::unique_ptr<Transform> makeAffineTransform();
std::unique_ptr<Transform> makeHelmertTransform();
std::unique_ptr<Transform> makeProjectiveTransform();
std::unique_ptr<Transform> makePolynomial2Transform();

// Coordinates moved to their mean and divided by their spread, and back.
struct Centring {
    Real x0 = 0;
    Real y0 = 0;
    Real scale = 1;

    static Centring of(const std::vector<PixelPoint>& points);
    PixelPoint apply(PixelPoint p) const { return {(p.x - x0) / scale, (p.y - y0) / scale}; }
    PixelPoint undo(PixelPoint p) const { return {p.x * scale + x0, p.y * scale + y0}; }
};

std::vector<PixelPoint> usedPixels(std::span<const ControlPoint> points);
std::vector<PixelPoint> usedReals(std::span<const ControlPoint> points);

} // namespace tracelle::model
