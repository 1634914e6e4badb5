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

    bool operator==(const AxisKinds&) const = default;
    bool cartesianLinear() const {
        return !polar && x == AxisScale::Linear && y == AxisScale::Linear;
    }
};

// The plane position of real values; nothing for a value ≤ 0 on a logarithmic axis.
std::optional<RealPoint> toPlane(const AxisKinds& axes, RealPoint value);
// The real values at a plane position (polar angles in [0, one turn)).
RealPoint fromPlane(const AxisKinds& axes, RealPoint plane);

} // namespace tracelle::model
