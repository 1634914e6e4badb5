// Lengths, bearings, perimeters and areas of the digitized lines, in real units, and the
// report of one line.
#pragma once

#include "model/Real.h"

#include <optional>
#include <string>
#include <vector>

namespace tracelle::model {
class Project;
}

namespace tracelle::measure {

using model::Real;

// Degrees added to every bearing shown: the declination and the epsilon of the points table.
struct BearingCorrection {
    Real declinaison = 1.5L;
    Real epsilon = 3.0L;
};

struct DistanceCap {
    Real d = 0;
    Real cap = 0; // from +Y (north), positive towards +X (east), corrections added
};

DistanceCap distance_entre_point(const model::Project& p, int a, int b, const BearingCorrection& c);
DistanceCap distance_entre_point_et_XY(const model::Project& p, int a, int x, int y,
                                       const BearingCorrection& c);

struct LineLengths {
    Real D = 0; // open length
    int n = 0;  // points
    Real P = 0; // perimeter, closed back to the first point
};
// The first unbroken run of rows carrying line l.
LineLengths distance_perimetre_indice_ligne(const model::Project& p, int l);

// One triangle of the fan that shows how an area was summed, in image pixels.
struct FanTriangle {
    int x0, y0, x1, y1, x2, y2;
};
// The shoelace area of the run of line l; the fan is added to `fan` when given.
Real surface_indice_ligne(const model::Project& p, int l, std::vector<FanTriangle>* fan = nullptr);

// The report of line l: the lines appended to the text panel; empty for a line of two points,
// whose length goes to the rescaling instead (`twoPointLength`).
std::vector<std::string> rapportSurface(const model::Project& p, int l, Real& twoPointLength);

// Why lengths and areas cannot be measured on the project's axes (logarithmic or polar, where
// the real values are not distances); nothing on linear axes.
std::optional<std::string> mesureSansSens(const model::Project& p);

// A value as the measurement reports show it: short scientific text, then grouped fixed text.
std::string scientifiqueEtGroupe(Real v);

// The rescaling panel's two texts for line l of two points `length` apart.
struct TextesDeuxPoints {
    std::string caption;  // "La suite (l) ne contient que 2 points distants de …"
    std::string distance; // "distance calculée = …"
};
TextesDeuxPoints textesDeuxPoints(int l, Real length);

} // namespace tracelle::measure
