// A model fitted to control points on the plane of the axes: the real values of any pixel,
// the pixel of any real values, and each control point's residual.
#pragma once

#include "model/transform/Axes.h"
#include "model/transform/Transform.h"

#include <vector>

namespace tracelle::model {

// Fitted minus given, in real units; the distance also in pixels.
struct Residual {
    Real dX = 0;
    Real dY = 0;
    Real distance = 0;
    Real pixels = 0;
};

class FittedCalibration {
public:
    explicit FittedCalibration(TransformMethod method = TransformMethod::Affine,
                               AxisKinds axes = {});

    TransformMethod method() const { return transform_->method(); }
    const AxisKinds& axes() const { return axes_; }
    int minimumPoints() const { return transform_->minimumPoints(); }

    FitStatus fit(std::span<const ControlPoint> points);
    bool fitted() const { return status_ == FitStatus::Fitted; }
    FitStatus status() const { return status_; }

    std::optional<RealPoint> toReal(PixelPoint p) const;
    std::optional<PixelPoint> toImage(RealPoint value) const;
    // Real units of the fitted plane per pixel around p.
    std::optional<Real> localScale(PixelPoint p) const;
    std::optional<Real> areaScale(PixelPoint p) const;

    // One per control point given to the last fit, left-out points included.
    const std::vector<Residual>& residuals() const { return residuals_; }
    // Root mean square of the used points' distances.
    Real rms() const { return rms_; }

private:
    AxisKinds axes_;
    Real centreRadius_ = 0; // polar: the radius at the centre, on the plane's scale
    std::unique_ptr<Transform> transform_;
    FitStatus status_ = FitStatus::TooFewPoints;
    std::vector<Residual> residuals_;
    Real rms_ = 0;
};

} // namespace tracelle::model
