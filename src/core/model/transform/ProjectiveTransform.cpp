// Projective (a photographed plane). Linear least squares on the equations multiplied out by
// the denominator give the start; Gauss-Newton steps then minimise the real distances
// themselves, which the multiplied-out equations weigh unevenly.
#include "model/transform/LeastSquares.h"
#include "model/transform/Models.h"

#include <array>
#include <cmath>

namespace tracelle::model {

namespace {

using Matrix3 = std::array<Real, 9>;

PixelPoint project(const Matrix3& h, PixelPoint p) {
    const Real w = h[6] * p.x + h[7] * p.y + h[8];
    return {(h[0] * p.x + h[1] * p.y + h[2]) / w, (h[3] * p.x + h[4] * p.y + h[5]) / w};
}

bool finite(PixelPoint p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

class ProjectiveTransform final : public Transform {
public:
    TransformMethod method() const override { return TransformMethod::Projective; }
    int minimumPoints() const override { return 4; }
    bool hasExactInverse() const override { return true; }

    FitStatus fit(std::span<const ControlPoint> points) override {
        fitted_ = false;
        const auto pixels = usedPixels(points);
        if (pixels.size() < 4) return FitStatus::TooFewPoints;
        pixelCentring_ = Centring::of(pixels);
        realCentring_ = Centring::of(usedReals(points));
        DesignMatrix a{8, {}};
        std::vector<Real> values;
        for (const ControlPoint& p : points) {
            if (!p.used) continue;
            const PixelPoint c = pixelCentring_.apply(p.pixel);
            const PixelPoint r = realCentring_.apply({p.real.X, p.real.Y});
            a.addRow({c.x, c.y, 1, 0, 0, 0, -c.x * r.x, -c.y * r.x});
            a.addRow({0, 0, 0, c.x, c.y, 1, -c.x * r.y, -c.y * r.y});
            values.push_back(r.x);
            values.push_back(r.y);
        }
        const auto solution = solveLeastSquares(std::move(a), {values});
        if (!solution) return FitStatus::Degenerate;
        const auto& s = (*solution)[0];
        forward_ = {s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7], 1};
        if (!refine(points)) return FitStatus::Degenerate;
        const Matrix3& h = forward_;
        // The adjugate: the inverse up to a factor, which the division cancels.
        inverse_ = {
            h[4] * h[8] - h[5] * h[7], h[2] * h[7] - h[1] * h[8], h[1] * h[5] - h[2] * h[4],
            h[5] * h[6] - h[3] * h[8], h[0] * h[8] - h[2] * h[6], h[2] * h[3] - h[0] * h[5],
            h[3] * h[7] - h[4] * h[6], h[1] * h[6] - h[0] * h[7], h[0] * h[4] - h[1] * h[3]};
        const Real det = h[0] * inverse_[0] + h[1] * inverse_[3] + h[2] * inverse_[6];
        if (det == 0) return FitStatus::Degenerate;
        fitted_ = true;
        return FitStatus::Fitted;
    }

    std::optional<RealPoint> toReal(PixelPoint p) const override {
        if (!fitted_) return std::nullopt;
        const PixelPoint r = realCentring_.undo(project(forward_, pixelCentring_.apply(p)));
        if (!finite(r)) return std::nullopt; // on the vanishing line
        return RealPoint{r.x, r.y};
    }

    std::optional<PixelPoint> toImage(RealPoint q) const override {
        if (!fitted_) return std::nullopt;
        const PixelPoint p =
            pixelCentring_.undo(project(inverse_, realCentring_.apply({q.X, q.Y})));
        if (!finite(p)) return std::nullopt;
        return p;
    }

private:
    bool refine(std::span<const ControlPoint> points) {
        for (int step = 0; step < 30; ++step) {
            const Matrix3& h = forward_;
            DesignMatrix jacobian{8, {}};
            std::vector<Real> misses;
            for (const ControlPoint& p : points) {
                if (!p.used) continue;
                const PixelPoint c = pixelCentring_.apply(p.pixel);
                const PixelPoint r = realCentring_.apply({p.real.X, p.real.Y});
                const Real w = h[6] * c.x + h[7] * c.y + 1;
                if (w == 0) return false;
                const PixelPoint f = project(h, c);
                jacobian.addRow({c.x / w, c.y / w, 1 / w, 0, 0, 0, -c.x * f.x / w, -c.y * f.x / w});
                jacobian.addRow({0, 0, 0, c.x / w, c.y / w, 1 / w, -c.x * f.y / w, -c.y * f.y / w});
                misses.push_back(r.x - f.x);
                misses.push_back(r.y - f.y);
            }
            const auto solution = solveLeastSquares(std::move(jacobian), {misses});
            if (!solution) return false;
            Real size = 0;
            for (std::size_t i = 0; i < 8; ++i) {
                forward_[i] += (*solution)[0][i];
                size += std::fabs((*solution)[0][i]);
            }
            if (size <= 1e-17L) break;
        }
        return true;
    }

    bool fitted_ = false;
    Centring pixelCentring_;
    Centring realCentring_;
    Matrix3 forward_{};
    Matrix3 inverse_{};
};

} // namespace

std::unique_ptr<Transform> makeProjectiveTransform() {
    return std::make_unique<ProjectiveTransform>();
}

} // namespace tracelle::model
