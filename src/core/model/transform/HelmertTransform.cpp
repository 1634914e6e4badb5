// Helmert: a rotation, one scale and a translation. The picture's rows run downwards while
// a map's or a graph's Y usually runs upwards, so the mirrored similarity is fitted too and
// the closer of the two kept.
#include "model/transform/LeastSquares.h"
#include "model/transform/Models.h"

namespace tracelle::model {

namespace {

class HelmertTransform final : public Transform {
public:
    TransformMethod method() const override { return TransformMethod::Helmert; }
    int minimumPoints() const override { return 2; }
    bool hasExactInverse() const override { return true; }

    FitStatus fit(std::span<const ControlPoint> points) override {
        fitted_ = false;
        const auto pixels = usedPixels(points);
        if (pixels.size() < 2) return FitStatus::TooFewPoints;
        centring_ = Centring::of(pixels);
        Real best = -1;
        for (const Real mirror : {-1.0L, 1.0L}) {
            DesignMatrix a{4, {}};
            std::vector<Real> values;
            for (const ControlPoint& p : points) {
                if (!p.used) continue;
                const PixelPoint c = centring_.apply(p.pixel);
                a.addRow({1, 0, c.x, -mirror * c.y});
                a.addRow({0, 1, mirror * c.y, c.x});
                values.push_back(p.real.X);
                values.push_back(p.real.Y);
            }
            const auto solution = solveLeastSquares(std::move(a), {values});
            if (!solution) continue;
            const auto& s = (*solution)[0];
            const Params candidate{s[0], s[1], s[2], s[3], mirror};
            Real sum = 0;
            for (const ControlPoint& p : points) {
                if (!p.used) continue;
                const RealPoint r = candidate.apply(centring_.apply(p.pixel));
                sum += (r.X - p.real.X) * (r.X - p.real.X) + (r.Y - p.real.Y) * (r.Y - p.real.Y);
            }
            if (best < 0 || sum < best) {
                best = sum;
                params_ = candidate;
            }
        }
        if (best < 0) return FitStatus::Degenerate;
        fitted_ = true;
        return FitStatus::Fitted;
    }

    std::optional<RealPoint> toReal(PixelPoint p) const override {
        if (!fitted_) return std::nullopt;
        return params_.apply(centring_.apply(p));
    }

    std::optional<PixelPoint> toImage(RealPoint q) const override {
        if (!fitted_) return std::nullopt;
        const Params& k = params_;
        const Real norm = k.a * k.a + k.b * k.b;
        if (norm == 0) return std::nullopt;
        const Real dX = q.X - k.tx;
        const Real dY = q.Y - k.ty;
        return centring_.undo(
            {(k.a * dX + k.b * dY) / norm, k.mirror * (k.a * dY - k.b * dX) / norm});
    }

private:
    struct Params {
        Real tx = 0, ty = 0, a = 0, b = 0, mirror = 1;
        RealPoint apply(PixelPoint c) const {
            return {tx + a * c.x - mirror * b * c.y, ty + b * c.x + mirror * a * c.y};
        }
    };

    bool fitted_ = false;
    Centring centring_;
    Params params_;
};

} // namespace

std::unique_ptr<Transform> makeHelmertTransform() {
    return std::make_unique<HelmertTransform>();
}

} // namespace tracelle::model
