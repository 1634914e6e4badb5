#include "model/transform/FittedCalibration.h"

#include <cmath>

namespace tracelle::model {

FittedCalibration::FittedCalibration(TransformMethod method, AxisKinds axes)
    : axes_(axes), transform_(makeTransform(method)) {}

FitStatus FittedCalibration::fit(std::span<const ControlPoint> points) {
    residuals_.clear();
    rms_ = 0;
    centreRadius_ = 0;
    // A centre beyond the control points (one removed since) leaves the fit to place it.
    if (axes_.polar && axes_.origin >= 1 &&
        static_cast<std::size_t>(axes_.origin) <= points.size()) {
        const auto radius = radiusOnPlane(axes_, points[std::size_t(axes_.origin) - 1].real.X);
        if (!radius) {
            transform_->fit({});
            return status_ = FitStatus::NotPositiveOnLogAxis;
        }
        centreRadius_ = *radius;
    }
    std::vector<ControlPoint> onPlane(points.begin(), points.end());
    for (ControlPoint& p : onPlane) {
        const auto plane = toPlane(axes_, p.real, centreRadius_);
        if (!plane) {
            transform_->fit({});
            const bool logRefused =
                (axes_.x == AxisScale::Log10 && !(p.real.X > 0)) ||
                (!axes_.polar && axes_.y == AxisScale::Log10 && !(p.real.Y > 0));
            return status_ =
                       logRefused ? FitStatus::NotPositiveOnLogAxis : FitStatus::RadiusBelowOrigin;
        }
        p.real = *plane;
    }
    status_ = transform_->fit(onPlane);
    if (status_ != FitStatus::Fitted) return status_;

    Real sum = 0;
    int used = 0;
    for (std::size_t i = 0; i < onPlane.size(); ++i) {
        const ControlPoint& given = points[i];
        Residual r;
        if (const auto fitted = toReal(given.pixel)) {
            r.dX = fitted->X - given.real.X;
            r.dY = fitted->Y - given.real.Y;
            r.distance = std::hypot(r.dX, r.dY);
        }
        if (const auto pixel = transform_->toImage(onPlane[i].real)) {
            r.pixels = std::hypot(pixel->x - given.pixel.x, pixel->y - given.pixel.y);
        }
        if (given.used) {
            sum += r.distance * r.distance;
            ++used;
        }
        residuals_.push_back(r);
    }
    rms_ = std::sqrt(sum / used);
    return status_;
}

std::optional<RealPoint> FittedCalibration::toReal(PixelPoint p) const {
    const auto plane = transform_->toReal(p);
    if (!plane) return std::nullopt;
    if (axes_.cartesianLinear()) return plane;
    return fromPlane(axes_, *plane, centreRadius_);
}

std::optional<PixelPoint> FittedCalibration::toImage(RealPoint value) const {
    const auto plane = toPlane(axes_, value, centreRadius_);
    if (!plane) return std::nullopt;
    return transform_->toImage(*plane);
}

std::optional<Real> FittedCalibration::localScale(PixelPoint p) const {
    return transform_->localScale(p);
}

std::optional<Real> FittedCalibration::areaScale(PixelPoint p) const {
    return transform_->areaScale(p);
}

} // namespace tracelle::model
