#include "model/transform/Axes.h"

#include <cmath>
#include <numbers>

namespace tracelle::model {

namespace {

std::optional<Real> onAxis(AxisScale scale, Real value) {
    if (scale == AxisScale::Linear) return value;
    if (!(value > 0)) return std::nullopt;
    return std::log10(value);
}

Real offAxis(AxisScale scale, Real value) {
    return scale == AxisScale::Linear ? value : std::pow(10.0L, value);
}

Real radiansPerUnit(const AxisKinds& axes) {
    const Real unit = axes.angleUnit == AngleUnit::Degrees ? std::numbers::pi_v<Real> / 180 : 1;
    return axes.clockwise ? -unit : unit;
}

} // namespace

std::optional<Real> radiusOnPlane(const AxisKinds& axes, Real r) {
    return onAxis(axes.x, r);
}

std::optional<RealPoint> toPlane(const AxisKinds& axes, RealPoint value, Real centreRadius) {
    if (!axes.polar) {
        const auto u = onAxis(axes.x, value.X);
        const auto v = onAxis(axes.y, value.Y);
        if (!u || !v) return std::nullopt;
        return RealPoint{*u, *v};
    }
    // Radii below the centre's (0, or 1 on a logarithmic radius, by default) have no place.
    auto rho = onAxis(axes.x, value.X);
    if (!rho || (*rho -= centreRadius) < 0) return std::nullopt;
    const Real theta = value.Y * radiansPerUnit(axes);
    return RealPoint{*rho * std::cos(theta), *rho * std::sin(theta)};
}

RealPoint fromPlane(const AxisKinds& axes, RealPoint plane, Real centreRadius) {
    if (!axes.polar) return {offAxis(axes.x, plane.X), offAxis(axes.y, plane.Y)};
    constexpr Real turn = 2 * std::numbers::pi_v<Real>;
    Real theta = std::atan2(plane.Y, plane.X) * (axes.clockwise ? -1 : 1);
    if (theta < 0) theta += turn;
    return {offAxis(axes.x, std::hypot(plane.X, plane.Y) + centreRadius),
            theta / std::fabs(radiansPerUnit(axes))};
}

} // namespace tracelle::model
