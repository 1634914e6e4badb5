#include "model/transform/Transform.h"

#include "model/transform/Models.h"

#include <cmath>

namespace tracelle::model {

std::optional<Real> Transform::localScale(PixelPoint p) const {
    const auto area = areaScale(p);
    if (!area) return std::nullopt;
    return std::sqrt(*area);
}

std::optional<Real> Transform::areaScale(PixelPoint p) const {
    constexpr Real h = 0.5L;
    const auto east = toReal({p.x + h, p.y});
    const auto west = toReal({p.x - h, p.y});
    const auto south = toReal({p.x, p.y + h});
    const auto north = toReal({p.x, p.y - h});
    if (!east || !west || !south || !north) return std::nullopt;
    const Real det =
        (east->X - west->X) * (south->Y - north->Y) - (east->Y - west->Y) * (south->X - north->X);
    return std::fabs(det) / (4 * h * h);
}

std::unique_ptr<Transform> makeTransform(TransformMethod method) {
    switch (method) {
    case TransformMethod::Helmert:
        return makeHelmertTransform();
    case TransformMethod::Projective:
        return makeProjectiveTransform();
    case TransformMethod::Polynomial2:
        return makePolynomial2Transform();
    case TransformMethod::Affine:
        break;
    }
    return makeAffineTransform();
}

int minimumPoints(TransformMethod method) {
    return makeTransform(method)->minimumPoints();
}

Centring Centring::of(const std::vector<PixelPoint>& points) {
    Centring c;
    if (points.empty()) return c;
    for (const PixelPoint& p : points) {
        c.x0 += p.x;
        c.y0 += p.y;
    }
    const Real n = static_cast<Real>(points.size());
    c.x0 /= n;
    c.y0 /= n;
    Real spread = 0;
    for (const PixelPoint& p : points)
        spread += (p.x - c.x0) * (p.x - c.x0) + (p.y - c.y0) * (p.y - c.y0);
    spread = std::sqrt(spread / n);
    if (spread > 0) c.scale = spread;
    return c;
}

std::vector<PixelPoint> usedPixels(std::span<const ControlPoint> points) {
    std::vector<PixelPoint> out;
    for (const ControlPoint& p : points)
        if (p.used) out.push_back(p.pixel);
    return out;
}

std::vector<PixelPoint> usedReals(std::span<const ControlPoint> points) {
    std::vector<PixelPoint> out;
    for (const ControlPoint& p : points)
        if (p.used) out.push_back({p.real.X, p.real.Y});
    return out;
}

} // namespace tracelle::model
