// How real values lie on the fitted plane: linear or decimal-logarithmic axes, or polar
// coordinates about the origin. The fit is made on the plane; the values are read back from it.
#pragma once

#include "model/Real.h"

#include <optional>

namespace tracelle::model {

enum class AxisScale { Linear, Log10 };
enum class AngleUnit { Degrees, Radians };

struct AxisKinds {
    AxisScale x = AxisScale::Linear; // polar: the radius
    AxisScale y = AxisScale::Linear; // polar: unused, the angle is linear
    bool polar = false;              // real X is the radius r, real Y the angle θ
    AngleUnit angleUnit = AngleUnit::Degrees;
    bool clockwise = false;
    // Polar: the control point (from 1) at the centre, whose r is the radius there, for plots
    // whose centre is not r = 0; 0 leaves the centre where the fit puts r = 0 (r = 1 on a
    // logarithmic radius), as a control point of that radius pins it.
    int origin = 0;

    bool operator==(const AxisKinds&) const = default;
    bool cartesianLinear() const {
        return !polar && x == AxisScale::Linear && y == AxisScale::Linear;
    }
};

// The radius on the plane's scale (log10 r on a logarithmic radius); nothing for r ≤ 0 there.
std::optional<Real> radiusOnPlane(const AxisKinds& axes, Real r);

// The plane position of real values; nothing for a value ≤ 0 on a logarithmic axis, or a
// radius below the one at the polar centre (`centreRadius`, from radiusOnPlane).
std::optional<RealPoint> toPlane(const AxisKinds& axes, RealPoint value, Real centreRadius = 0);
// The real values at a plane position (polar angles in [0, one turn)).
RealPoint fromPlane(const AxisKinds& axes, RealPoint plane, Real centreRadius = 0);

} // namespace tracelle::model
