// Measures across a line, shared by the tracing, the snapping and the curve passes.
#pragma once

#include "trace/Trace.h"

#include <optional>

namespace tracelle::trace {

// A run of line pixels across the line: where its weighted centre lies along the normal,
// from the point measured, and how many pixels wide it is.
struct Run {
    double centre = 0;
    double width = 0;
    bool open = false; // reaches the end of the measure: wider than it
};

// The run across the line at q (n the unit normal, reach pixels each side) whose centre is
// nearest q, provided it lies within `maxShift`.
std::optional<Run> runAcross(const picture::Layer& layer, const LineColour& colour, PointF q,
                             PointF n, int reach, double maxShift);

// The direction of the line at p (a unit vector, either way), from the spread of its pixels
// within `radius`; nothing when there are too few.
std::optional<PointF> directionAt(const picture::Layer& layer, const LineColour& colour,
                                  PixelPoint p, int radius);

// The pixel within `reach` of `at` (a square) that differs most from `background`, and its
// colour; nothing when every one is within `tolerance` of it.
struct Distinct {
    PixelPoint at;
    Rgb colour;
};
std::optional<Distinct> mostDistinct(const picture::Layer& layer, PixelPoint at, Rgb background,
                                     double tolerance, int reach);

// The line's pixel nearest `at` within `radius` (ties to the heavier); nothing when none.
std::optional<PixelPoint> nearestLinePixel(const picture::Layer& layer, const LineColour& colour,
                                           PixelPoint at, int radius);

} // namespace tracelle::trace
