// A calibration model between picture pixels and a plane of real coordinates, fitted to
// control points. Each model lives behind this interface; the project keeps one fitted
// instance as a cache of its control points.
#pragma once

#include "model/Real.h"

#include <memory>
#include <optional>
#include <span>

namespace tracelle::model {

enum class TransformMethod { Affine, Helmert, Projective, Polynomial2 };

// Why a fit gave no transform: the window and the command-line tool word the message.
enum class FitStatus {
    Fitted,
    TooFewPoints,
    Degenerate,
    NotPositiveOnLogAxis,
    RadiusBelowOrigin, // polar: r < 0, or r < 1 on a logarithmic radius
};

// A pixel of the picture, in canvas coordinates (rows downwards).
struct PixelPoint {
    Real x = 0;
    Real y = 0;
};

struct ControlPoint {
    PixelPoint pixel;
    RealPoint real;
    bool used = true; // false: left out of the fit, its residual still reported
};

class Transform {
public:
    virtual ~Transform() = default;

    virtual TransformMethod method() const = 0;
    virtual int minimumPoints() const = 0;
    // Fits over the used points. After a failure the transform maps nothing.
    virtual FitStatus fit(std::span<const ControlPoint> points) = 0;
    virtual std::optional<RealPoint> toReal(PixelPoint p) const = 0;
    virtual std::optional<PixelPoint> toImage(RealPoint p) const = 0;
    // False when toImage is found by iteration and may miss far from the control points.
    virtual bool hasExactInverse() const = 0;

    // Real area per pixel around p.
    virtual std::optional<Real> areaScale(PixelPoint p) const;
    // Real units per pixel around p: the square root of the area scale.
    std::optional<Real> localScale(PixelPoint p) const;
};

std::unique_ptr<Transform> makeTransform(TransformMethod method);
int minimumPoints(TransformMethod method);

} // namespace tracelle::model
