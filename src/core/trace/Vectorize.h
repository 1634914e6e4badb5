// Every line of one colour on the picture at once: the pixels of the colour thinned to their
// centrelines, cut into lines at their ends and junctions, lines meeting at a junction sharing
// its point, closed contours closed. For "Vectoriser la couleur" and `tracelle-cli vectorize`.
#pragma once

#include "trace/Trace.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tracelle::trace {

inline constexpr double kDefaultMinLength = 20; // pixels: specks, letters and hatching left out
// Rows of the picture thinned at a time: the lines of the bands done are shown meanwhile.
inline constexpr int kDefaultBandRows = 512;

struct VectorizeSettings {
    Rgb colour;
    std::optional<Box> box; // the whole picture when absent
    double tolerance = kDefaultTolerance;
    int gap = kDefaultGap;
    double minLength = kDefaultMinLength;
    double simplify = kDefaultSimplify;
    int bandRows = kDefaultBandRows; // the lines found are the same whatever it is
};

struct VectorLine {
    std::vector<PixelPoint> points; // from one end to the other; a closed line ends on its first
    bool closed() const { return points.size() > 2 && points.front() == points.back(); }
};

enum class VectorizeResult {
    Done,
    NoColour,   // no pixel of the colour in the picture or the box
    NoContrast, // the colour cannot be told from the paper
    Cancelled,
};

// The sentence that tells why nothing was vectorised.
std::string message(VectorizeResult result);

struct Vectorized {
    VectorizeResult result = VectorizeResult::NoColour;
    std::vector<VectorLine> lines; // in order of their first point, top to bottom, left to right
};

// Called as the work goes on with the share done, from 0 to 1; returning false stops it.
using VectorizeProgress = std::function<bool(double done)>;
// Called as bands of rows are done with the lines found whole in them so far, for a preview:
// each line once; the lines returned at the end are the ones to keep.
using LinesFound = std::function<void(std::vector<VectorLine> lines)>;

Vectorized vectorize(const picture::Layer& layer, const VectorizeSettings& settings,
                     const VectorizeProgress& progress = {}, const LinesFound& found = {});

// The lines appended to the project, each on a new line of its own, in one undo step named
// "la vectorisation".
void appendLines(model::Project& project, const std::vector<VectorLine>& lines);

} // namespace tracelle::trace
