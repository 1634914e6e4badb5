// Second-degree polynomial (a warped scan). Its inverse has no closed form: an inverse
// polynomial fitted to the same points gives the start, Newton's method the pixel.
#include "model/transform/LeastSquares.h"
#include "model/transform/Models.h"

#include <array>
#include <cmath>

namespace tracelle::model {

namespace {

using Coefficients = std::array<Real, 6>;

struct Polynomial {
    Coefficients x{};
    Coefficients y{};

    static Real value(const Coefficients& c, PixelPoint p) {
        return c[0] + c[1] * p.x + c[2] * p.y + c[3] * p.x * p.x + c[4] * p.x * p.y +
               c[5] * p.y * p.y;
    }
    PixelPoint apply(PixelPoint p) const { return {value(x, p), value(y, p)}; }

    // Fitted from centred `from` to `to`, over the same used points.
    static std::optional<Polynomial> fit(const std::vector<PixelPoint>& from,
                                         const std::vector<PixelPoint>& to) {
        DesignMatrix a{6, {}};
        std::vector<Real> xs, ys;
        for (std::size_t i = 0; i < from.size(); ++i) {
            const PixelPoint p = from[i];
            a.addRow({1, p.x, p.y, p.x * p.x, p.x * p.y, p.y * p.y});
            xs.push_back(to[i].x);
            ys.push_back(to[i].y);
        }
        const auto s = solveLeastSquares(std::move(a), {xs, ys});
        if (!s) return std::nullopt;
        Polynomial result;
        std::copy((*s)[0].begin(), (*s)[0].end(), result.x.begin());
        std::copy((*s)[1].begin(), (*s)[1].end(), result.y.begin());
        return result;
    }
};

class Polynomial2Transform final : public Transform {
public:
    TransformMethod method() const override { return TransformMethod::Polynomial2; }
    int minimumPoints() const override { return 6; }
    bool hasExactInverse() const override { return false; }

    FitStatus fit(std::span<const ControlPoint> points) override {
        fitted_ = false;
        auto pixels = usedPixels(points);
        if (pixels.size() < 6) return FitStatus::TooFewPoints;
        auto reals = usedReals(points);
        pixelCentring_ = Centring::of(pixels);
        realCentring_ = Centring::of(reals);
        for (auto& p : pixels)
            p = pixelCentring_.apply(p);
        for (auto& r : reals)
            r = realCentring_.apply(r);
        const auto forward = Polynomial::fit(pixels, reals);
        const auto backward = Polynomial::fit(reals, pixels);
        if (!forward || !backward) return FitStatus::Degenerate;
        forward_ = *forward;
        backward_ = *backward;
        fitted_ = true;
        return FitStatus::Fitted;
    }

    std::optional<RealPoint> toReal(PixelPoint p) const override {
        if (!fitted_) return std::nullopt;
        const PixelPoint r = realCentring_.undo(forward_.apply(pixelCentring_.apply(p)));
        return RealPoint{r.x, r.y};
    }

    std::optional<PixelPoint> toImage(RealPoint q) const override {
        if (!fitted_) return std::nullopt;
        const PixelPoint target = realCentring_.apply({q.X, q.Y});
        PixelPoint p = backward_.apply(target);
        const Coefficients& cx = forward_.x;
        const Coefficients& cy = forward_.y;
        for (int step = 0; step < 50; ++step) {
            const PixelPoint f = forward_.apply(p);
            const Real ex = f.x - target.x;
            const Real ey = f.y - target.y;
            const Real j11 = cx[1] + 2 * cx[3] * p.x + cx[4] * p.y;
            const Real j12 = cx[2] + cx[4] * p.x + 2 * cx[5] * p.y;
            const Real j21 = cy[1] + 2 * cy[3] * p.x + cy[4] * p.y;
            const Real j22 = cy[2] + cy[4] * p.x + 2 * cy[5] * p.y;
            const Real det = j11 * j22 - j12 * j21;
            if (det == 0 || !std::isfinite(det)) return std::nullopt;
            const Real dx = (j22 * ex - j12 * ey) / det;
            const Real dy = (j11 * ey - j21 * ex) / det;
            p.x -= dx;
            p.y -= dy;
            if (std::fabs(dx) + std::fabs(dy) <= 1e-16L * (1 + std::fabs(p.x) + std::fabs(p.y)))
                return pixelCentring_.undo(p);
        }
        return std::nullopt; // the fold of the surface or too far from the control points
    }

private:
    bool fitted_ = false;
    Centring pixelCentring_;
    Centring realCentring_;
    Polynomial forward_;
    Polynomial backward_;
};

} // namespace

std::unique_ptr<Transform> makePolynomial2Transform() {
    return std::make_unique<Polynomial2Transform>();
}

} // namespace tracelle::model
