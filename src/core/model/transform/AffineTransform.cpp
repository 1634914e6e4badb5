// Affine: X and Y each a first-degree function of the pixel. Three points give the frame the
// program has always computed, with the same arithmetic, so that files keep their bytes.
#include "model/transform/LeastSquares.h"
#include "model/transform/Models.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace tracelle::model {

namespace {

class AffineTransform final : public Transform {
public:
    TransformMethod method() const override { return TransformMethod::Affine; }
    int minimumPoints() const override { return 3; }
    bool hasExactInverse() const override { return true; }

    FitStatus fit(std::span<const ControlPoint> points) override {
        fitted_ = false;
        three_.clear();
        for (const ControlPoint& p : points)
            if (p.used) three_.push_back(p);
        if (three_.size() < 3) return FitStatus::TooFewPoints;
        if (three_.size() == 3) {
            const ControlPoint& p1 = three_[0];
            const ControlPoint& p2 = three_[1];
            const ControlPoint& p3 = three_[2];
            const Real det = (p1.pixel.y - p2.pixel.y) * (p3.pixel.x - p2.pixel.x) -
                             (p3.pixel.y - p2.pixel.y) * (p1.pixel.x - p2.pixel.x);
            if (det == 0) return FitStatus::Degenerate;
            fitted_ = true;
            return FitStatus::Fitted;
        }
        three_.clear();
        const auto pixels = usedPixels(points);
        centring_ = Centring::of(pixels);
        DesignMatrix a{3, {}};
        std::vector<Real> xs, ys;
        for (const ControlPoint& p : points) {
            if (!p.used) continue;
            const PixelPoint c = centring_.apply(p.pixel);
            a.addRow({1, c.x, c.y});
            xs.push_back(p.real.X);
            ys.push_back(p.real.Y);
        }
        const auto solution = solveLeastSquares(std::move(a), {xs, ys});
        if (!solution) return FitStatus::Degenerate;
        for (std::size_t i = 0; i < 3; ++i) {
            ax_[i] = (*solution)[0][i];
            ay_[i] = (*solution)[1][i];
        }
        fitted_ = true;
        return FitStatus::Fitted;
    }

    std::optional<RealPoint> toReal(PixelPoint p) const override {
        if (!fitted_) return std::nullopt;
        if (!three_.empty()) return threePointReal(p);
        const PixelPoint c = centring_.apply(p);
        return RealPoint{ax_[0] + ax_[1] * c.x + ax_[2] * c.y,
                         ay_[0] + ay_[1] * c.x + ay_[2] * c.y};
    }

    std::optional<PixelPoint> toImage(RealPoint q) const override {
        if (!fitted_) return std::nullopt;
        if (!three_.empty()) return threePointImage(q);
        const Real det = ax_[1] * ay_[2] - ax_[2] * ay_[1];
        if (det == 0) return std::nullopt;
        const Real dX = q.X - ax_[0];
        const Real dY = q.Y - ay_[0];
        return centring_.undo(
            {(ay_[2] * dX - ax_[2] * dY) / det, (ax_[1] * dY - ay_[1] * dX) / det});
    }

    // Three points: the ratio of the triangles' areas, with the pixel arithmetic wrapping at
    // 32 bits as it always has.
    std::optional<Real> areaScale(PixelPoint) const override {
        if (!fitted_) return std::nullopt;
        if (three_.empty())
            return std::fabs(ax_[1] * ay_[2] - ax_[2] * ay_[1]) /
                   (centring_.scale * centring_.scale);
        const ControlPoint& p1 = three_[0];
        const ControlPoint& p2 = three_[1];
        const ControlPoint& p3 = three_[2];
        const Real sr = std::fabs(((p2.real.X - p1.real.X) * (p3.real.Y - p1.real.Y) -
                                   (p3.real.X - p1.real.X) * (p2.real.Y - p1.real.Y)) /
                                  2);
        const auto u = [](Real v) {
            return static_cast<std::uint32_t>(static_cast<std::int32_t>(v));
        };
        const auto twice = static_cast<std::int32_t>(
            (u(p2.pixel.x) - u(p1.pixel.x)) * (u(p3.pixel.y) - u(p1.pixel.y)) -
            (u(p3.pixel.x) - u(p1.pixel.x)) * (u(p2.pixel.y) - u(p1.pixel.y)));
        const Real sp = std::fabs(static_cast<Real>(twice) / 2);
        return sp == 0 ? 1 : sr / sp;
    }

private:
    // The pixel as a combination of the two sides of the triangle that meet at point 2.
    RealPoint threePointReal(PixelPoint p) const {
        const ControlPoint& p1 = three_[0];
        const ControlPoint& p2 = three_[1];
        const ControlPoint& p3 = three_[2];
        const Real a = p1.pixel.x - p2.pixel.x;
        const Real b = p1.pixel.y - p2.pixel.y;
        const Real c = p3.pixel.x - p2.pixel.x;
        const Real d = p3.pixel.y - p2.pixel.y;
        const Real det = b * c - d * a;
        const Real dx = p.x - p2.pixel.x;
        const Real dy = p.y - p2.pixel.y;
        const Real u = (c * dy - d * dx) / det;
        const Real w = (b * dx - a * dy) / det;
        return {p2.real.X + u * (p1.real.X - p2.real.X) + w * (p3.real.X - p2.real.X),
                p2.real.Y + u * (p1.real.Y - p2.real.Y) + w * (p3.real.Y - p2.real.Y)};
    }

    std::optional<PixelPoint> threePointImage(RealPoint q) const {
        const ControlPoint& p1 = three_[0];
        const ControlPoint& p2 = three_[1];
        const ControlPoint& p3 = three_[2];
        const Real A = p1.real.X - p2.real.X;
        const Real B = p1.real.Y - p2.real.Y;
        const Real C = p3.real.X - p2.real.X;
        const Real D = p3.real.Y - p2.real.Y;
        const Real det = B * C - D * A;
        if (det == 0) return std::nullopt;
        const Real dX = q.X - p2.real.X;
        const Real dY = q.Y - p2.real.Y;
        const Real u = (C * dY - D * dX) / det;
        const Real w = (B * dX - A * dY) / det;
        return PixelPoint{
            p2.pixel.x + u * (p1.pixel.x - p2.pixel.x) + w * (p3.pixel.x - p2.pixel.x),
            p2.pixel.y + u * (p1.pixel.y - p2.pixel.y) + w * (p3.pixel.y - p2.pixel.y)};
    }

    bool fitted_ = false;
    std::vector<ControlPoint> three_; // the three used points, when there are exactly three
    Centring centring_;
    std::array<Real, 3> ax_{};
    std::array<Real, 3> ay_{};
};

} // namespace

std::unique_ptr<Transform> makeAffineTransform() {
    return std::make_unique<AffineTransform>();
}

} // namespace tracelle::model
