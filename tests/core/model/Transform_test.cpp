// The calibration models against least-squares solutions computed here independently
// (Gauss-Newton on normal equations, in extended precision), and their properties.
#include "model/transform/FittedCalibration.h"

#include <cmath>
#include <complex>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>
#include <random>
#include <string>
#include <vector>

using namespace tracelle::model;

namespace {

using Params = std::vector<Real>;
using Complex = std::complex<Real>;

// A model's real values at a pixel, written once for reals and for complex numbers: the
// Jacobian comes from complex steps, exact to the last digit, unlike finite differences.
template <class T> struct Values {
    T X{};
    T Y{};
};
struct Model {
    std::function<Values<Real>(const std::vector<Real>&, PixelPoint)> real;
    std::function<Values<Complex>(const std::vector<Complex>&, PixelPoint)> complex;
};
#define TRACELLE_MODEL(name)                                                                       \
    Model {                                                                                        \
        name<Real>, name<Complex>                                                                  \
    }

// Pixels brought near the unit square so that the normal equations stay well conditioned;
// the least-squares minimum does not depend on this choice.
PixelPoint unit(PixelPoint p) {
    return {(p.x - 1000) / 1000, (p.y - 750) / 1000};
}

template <class T> Values<T> affine(const std::vector<T>& c, PixelPoint p) {
    const PixelPoint u = unit(p);
    return {c[0] + c[1] * u.x + c[2] * u.y, c[3] + c[4] * u.x + c[5] * u.y};
}

// Rows downwards, Y upwards: the mirrored similarity.
template <class T> Values<T> helmert(const std::vector<T>& c, PixelPoint p) {
    const PixelPoint u = unit(p);
    return {c[0] + c[2] * u.x + c[3] * u.y, c[1] + c[3] * u.x - c[2] * u.y};
}

template <class T> Values<T> projective(const std::vector<T>& c, PixelPoint p) {
    const PixelPoint u = unit(p);
    const T w = T(1) + c[6] * u.x + c[7] * u.y;
    return {(c[0] + c[1] * u.x + c[2] * u.y) / w, (c[3] + c[4] * u.x + c[5] * u.y) / w};
}

template <class T> Values<T> polynomial2(const std::vector<T>& c, PixelPoint p) {
    const PixelPoint u = unit(p);
    const Real terms[6] = {1, u.x, u.y, u.x * u.x, u.x * u.y, u.y * u.y};
    Values<T> r;
    for (std::size_t i = 0; i < 6; ++i) {
        r.X += c[i] * terms[i];
        r.Y += c[i + 6] * terms[i];
    }
    return r;
}

RealPoint at(const Model& model, const Params& c, PixelPoint p) {
    const Values<Real> v = model.real(c, p);
    return {v.X, v.Y};
}

// Solves M d = v by Gaussian elimination with partial pivoting.
Params solve(std::vector<Params> m, Params v) {
    const std::size_t n = v.size();
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t pivot = k;
        for (std::size_t r = k + 1; r < n; ++r)
            if (std::fabs(m[r][k]) > std::fabs(m[pivot][k])) pivot = r;
        std::swap(m[k], m[pivot]);
        std::swap(v[k], v[pivot]);
        for (std::size_t r = k + 1; r < n; ++r) {
            const Real f = m[r][k] / m[k][k];
            for (std::size_t c = k; c < n; ++c)
                m[r][c] -= f * m[k][c];
            v[r] -= f * v[k];
        }
    }
    Params d(n);
    for (std::size_t k = n; k-- > 0;) {
        Real s = v[k];
        for (std::size_t c = k + 1; c < n; ++c)
            s -= m[k][c] * d[c];
        d[k] = s / m[k][k];
    }
    return d;
}

// Gauss-Newton on the normal equations over the used points.
Params leastSquares(const Model& model, Params c, const std::vector<ControlPoint>& points) {
    const std::size_t n = c.size();
    for (int step = 0; step < 40; ++step) {
        std::vector<Params> normal(n, Params(n));
        Params rhs(n);
        for (const ControlPoint& p : points) {
            if (!p.used) continue;
            const RealPoint f = at(model, c, p.pixel);
            std::vector<RealPoint> d(n);
            for (std::size_t j = 0; j < n; ++j) {
                constexpr Real h = 1e-40L;
                std::vector<Complex> step(c.begin(), c.end());
                step[j] += Complex(0, h);
                const Values<Complex> v = model.complex(step, p.pixel);
                d[j] = {v.X.imag() / h, v.Y.imag() / h};
            }
            for (std::size_t i = 0; i < n; ++i) {
                rhs[i] += d[i].X * (p.real.X - f.X) + d[i].Y * (p.real.Y - f.Y);
                for (std::size_t j = 0; j < n; ++j)
                    normal[i][j] += d[i].X * d[j].X + d[i].Y * d[j].Y;
            }
        }
        const Params delta = solve(normal, rhs);
        for (std::size_t j = 0; j < n; ++j)
            c[j] += delta[j];
    }
    return c;
}

void expectNear(Real expected, Real actual, Real scale, const char* what) {
    const Real tolerance = 1e-9L * scale;
    EXPECT_LE(std::fabs(actual - expected), tolerance)
        << what << ": expected " << static_cast<double>(expected) << ", actual "
        << static_cast<double>(actual) << ", difference " << static_cast<double>(actual - expected);
}

// Over and around the picture, `fit` gives what `model` gives with `c`, and inverts it.
void expectMapsAndInverts(const FittedCalibration& fit, const Model& model, const Params& c) {
    for (Real x = -200; x <= 2200; x += 150) {
        for (Real y = -200; y <= 1700; y += 130) {
            const RealPoint expected = at(model, c, {x, y});
            const auto real = fit.toReal({x, y});
            ASSERT_TRUE(real);
            expectNear(expected.X, real->X, std::fabs(expected.X), "X");
            expectNear(expected.Y, real->Y, std::fabs(expected.Y), "Y");
            const auto back = fit.toImage(*real);
            ASSERT_TRUE(back);
            expectNear(x, back->x, 2000, "x back");
            expectNear(y, back->y, 2000, "y back");
        }
    }
}

struct ModelCase {
    const char* name;
    TransformMethod method;
    Model model;
    Params truth; // generates the data, and starts the independent solution
    int count;
};

const std::vector<ModelCase>& modelCases() {
    using enum TransformMethod;
    static const std::vector<ModelCase> cases = {
        {"affine", Affine, TRACELLE_MODEL(affine), {452000, 1800, 350, 5400000, -250, -2100}, 9},
        {"Helmert", Helmert, TRACELLE_MODEL(helmert), {452000, 5400000, 1800, 300}, 7},
        {"projective",
         Projective,
         TRACELLE_MODEL(projective),
         {452000, 1800, 350, 5400000, -250, -2100, 0.08L, -0.12L},
         11},
        {"polynomial 2",
         Polynomial2,
         TRACELLE_MODEL(polynomial2),
         {452000, 1800, 350, 40, -25, 12, 5400000, -250, -2100, -18, 33, 9},
         14},
    };
    return cases;
}

// Control points of a case spread over a 2000 × 1500 picture, real values off by up to half
// a unit, the second one left out of the fit.
std::vector<ControlPoint> noisyPoints(const ModelCase& c) {
    std::mt19937 random(1234);
    std::uniform_real_distribution<double> pixel(0, 1), noise(-0.5, 0.5);
    std::vector<ControlPoint> points;
    for (int i = 0; i < c.count; ++i) {
        const PixelPoint p{std::round(2000 * pixel(random)), std::round(1500 * pixel(random))};
        RealPoint r = at(c.model, c.truth, p);
        r.X += noise(random);
        r.Y += noise(random);
        points.push_back({p, r, i != 1});
    }
    return points;
}

TEST(Transform, EachModelFitsAsAnIndependentLeastSquaresSolutionAndInverts) {
    for (const ModelCase& c : modelCases()) {
        SCOPED_TRACE(c.name);
        const auto points = noisyPoints(c);
        const Params solution = leastSquares(c.model, c.truth, points);
        FittedCalibration fit(c.method);
        ASSERT_EQ(fit.fit(points), FitStatus::Fitted);

        Real sum = 0;
        int used = 0;
        for (std::size_t i = 0; i < points.size(); ++i) {
            SCOPED_TRACE("control point " + std::to_string(i + 1));
            const RealPoint expected = at(c.model, solution, points[i].pixel);
            const Residual& r = fit.residuals().at(i);
            const Real dX = expected.X - points[i].real.X;
            const Real dY = expected.Y - points[i].real.Y;
            expectNear(dX, r.dX, 1, "dX");
            expectNear(dY, r.dY, 1, "dY");
            expectNear(std::hypot(dX, dY), r.distance, 1, "distance");
            if (points[i].used) {
                sum += dX * dX + dY * dY;
                ++used;
            }
        }
        expectNear(std::sqrt(sum / used), fit.rms(), 1, "RMS");
        expectMapsAndInverts(fit, c.model, solution);
    }
}

TEST(Transform, ExactDataIsReproducedAndInvertedByEveryModel) {
    // A mirrored similarity belongs to every model's family.
    const Params similarity = {452000, 5400000, 1800, 300};
    for (const ModelCase& c : modelCases()) {
        SCOPED_TRACE(c.name);
        std::vector<ControlPoint> points;
        for (const PixelPoint p : {PixelPoint{10, 20}, PixelPoint{1900, 40}, PixelPoint{1000, 1400},
                                   PixelPoint{30, 1450}, PixelPoint{1950, 1300},
                                   PixelPoint{700, 600}, PixelPoint{1300, 900}})
            points.push_back({p, at(TRACELLE_MODEL(helmert), similarity, p), true});
        FittedCalibration fit(c.method);
        ASSERT_EQ(fit.fit(points), FitStatus::Fitted);
        EXPECT_LE(fit.rms(), 1e-7L);
        expectMapsAndInverts(fit, TRACELLE_MODEL(helmert), similarity);
        const auto scale = fit.localScale({500, 500});
        ASSERT_TRUE(scale);
        expectNear(std::hypot(1800.0L, 300.0L) / 1000, *scale, 1, "local scale");
    }
}

TEST(Transform, RefusesTooFewAndCollinearPoints) {
    for (const ModelCase& c : modelCases()) {
        SCOPED_TRACE(c.name);
        std::vector<ControlPoint> line, fewer;
        for (int i = 0; i < 8; ++i) {
            const PixelPoint p{100.0L + 50 * i, 200.0L + 30 * i};
            line.push_back({p, {p.x * 2, p.y * 3 + i * i}, true});
            if (i < minimumPoints(c.method) - 1)
                fewer.push_back({{p.x, p.y + i * i}, {p.x, -p.y}, true});
        }
        FittedCalibration fit(c.method);
        EXPECT_EQ(fit.fit(fewer), FitStatus::TooFewPoints);
        EXPECT_FALSE(fit.toReal({0, 0}));
        // Enough points once a left-out one counts no more.
        fewer.push_back({{7, 900}, {3, 4}, false});
        EXPECT_EQ(fit.fit(fewer), FitStatus::TooFewPoints);
        if (c.method != TransformMethod::Helmert) {
            EXPECT_EQ(fit.fit(line), FitStatus::Degenerate);
        }
    }
}

// The three-point frame as the program has always computed it.
RealPoint historicFrame(const ControlPoint (&k)[3], std::int32_t x, std::int32_t y) {
    const auto& [p1, p2, p3] = k;
    const std::int64_t a = static_cast<std::int64_t>(p1.pixel.x - p2.pixel.x);
    const std::int64_t b = static_cast<std::int64_t>(p1.pixel.y - p2.pixel.y);
    const std::int64_t c = static_cast<std::int64_t>(p3.pixel.x - p2.pixel.x);
    const std::int64_t d = static_cast<std::int64_t>(p3.pixel.y - p2.pixel.y);
    const Real det = static_cast<Real>(b) * c - static_cast<Real>(d) * a;
    const Real dx = static_cast<Real>(x - static_cast<std::int64_t>(p2.pixel.x));
    const Real dy = static_cast<Real>(y - static_cast<std::int64_t>(p2.pixel.y));
    const Real u = (c * dy - d * dx) / det;
    const Real w = (b * dx - a * dy) / det;
    return {p2.real.X + u * (p1.real.X - p2.real.X) + w * (p3.real.X - p2.real.X),
            p2.real.Y + u * (p1.real.Y - p2.real.Y) + w * (p3.real.Y - p2.real.Y)};
}

TEST(Transform, ThreeAffinePointsKeepTheHistoricFrameBitForBit) {
    const ControlPoint k[3] = {{{137, 52}, {4512345.5L, 712000.25L}, true},
                               {{90, 1810}, {4511000, 711250.75L}, true},
                               {{2400, 1700}, {4511500.125L, 713999}, true}};
    FittedCalibration fit;
    ASSERT_EQ(fit.fit(k), FitStatus::Fitted);
    EXPECT_EQ(fit.rms(), 0);
    for (std::int32_t x = -50; x < 3000; x += 97) {
        for (std::int32_t y = -50; y < 2500; y += 89) {
            const RealPoint expected = historicFrame(k, x, y);
            const auto actual = fit.toReal({static_cast<Real>(x), static_cast<Real>(y)});
            ASSERT_TRUE(actual);
            ASSERT_EQ(expected.X, actual->X) << x << ' ' << y;
            ASSERT_EQ(expected.Y, actual->Y) << x << ' ' << y;
        }
    }
}

struct AxesCase {
    const char* name;
    AxisKinds axes;
    std::vector<ControlPoint> points;
    PixelPoint probe;
    RealPoint expected;
    RealPoint refused; // as the first control point's values
    FitStatus refusal;
};

TEST(Transform, LogarithmicAndPolarAxesGiveTheGraphsValues) {
    const Real pi = std::numbers::pi_v<Real>;
    const Real s = 100 / std::sqrt(2.0L);
    // Log: x = 100 log10(X) + 50 on a decade graph; polar: origin at (500, 500), 10 pixels a
    // unit of r, the picture's rows downwards.
    const std::vector<AxesCase> cases = {
        {"log X",
         {AxisScale::Log10, AxisScale::Linear},
         {{{50, 400}, {1, 0}, true}, {{250, 400}, {100, 0}, true}, {{50, 0}, {1, 40}, true}},
         {200, 300},
         {std::pow(10.0L, 1.5L), 10},
         {0, 0},
         FitStatus::NotPositiveOnLogAxis},
        {"log X and Y",
         {AxisScale::Log10, AxisScale::Log10},
         {{{0, 300}, {0.01L, 1}, true},
          {{300, 300}, {10, 1}, true},
          {{0, 0}, {0.01L, 1000}, true},
          {{300, 0}, {10, 1000}, true}},
         {150, 150},
         {std::pow(10.0L, -0.5L), std::pow(10.0L, 1.5L)},
         {0.01L, -5},
         FitStatus::NotPositiveOnLogAxis},
        {"polar, degrees, counter-clockwise",
         {AxisScale::Linear, AxisScale::Linear, true},
         {{{500, 500}, {0, 0}, true}, {{600, 500}, {10, 0}, true}, {{500, 400}, {10, 90}, true}},
         {500 - s, 500 + s},
         {10, 225},
         {-1, 0},
         FitStatus::RadiusBelowOrigin},
        {"polar, radians, clockwise",
         {AxisScale::Linear, AxisScale::Linear, true, AngleUnit::Radians, true},
         {{{500, 500}, {0, 0}, true},
          {{600, 500}, {10, 0}, true},
          {{500, 600}, {10, pi / 2}, true}},
         {500 - s, 500 - s},
         {10, 5 * pi / 4},
         {-0.5L, 1},
         FitStatus::RadiusBelowOrigin},
        {"polar, logarithmic radius",
         {AxisScale::Log10, AxisScale::Linear, true},
         {{{500, 500}, {1, 0}, true}, {{600, 500}, {10, 0}, true}, {{500, 300}, {100, 90}, true}},
         {400, 500},
         {10, 180},
         {0.5L, 0},
         FitStatus::RadiusBelowOrigin},
        // A centre given as the third control point, of radius 20, then 0.1 on a log radius.
        {"polar, centre at a control point",
         {AxisScale::Linear, AxisScale::Linear, true, AngleUnit::Degrees, false, 3},
         {{{600, 500}, {30, 0}, true}, {{500, 400}, {30, 90}, true}, {{500, 500}, {20, 0}, true}},
         {500 - s, 500 + s},
         {30, 225},
         {15, 0},
         FitStatus::RadiusBelowOrigin},
        {"polar, logarithmic radius, centre at a control point",
         {AxisScale::Log10, AxisScale::Linear, true, AngleUnit::Degrees, false, 3},
         {{{600, 500}, {1, 0}, true}, {{500, 300}, {10, 90}, true}, {{500, 500}, {0.1L, 0}, true}},
         {400, 500},
         {1, 180},
         {0.05L, 0},
         FitStatus::RadiusBelowOrigin},
    };
    for (const AxesCase& c : cases) {
        SCOPED_TRACE(c.name);
        FittedCalibration fit(TransformMethod::Affine, c.axes);
        ASSERT_EQ(fit.fit(c.points), FitStatus::Fitted);
        const auto value = fit.toReal(c.probe);
        ASSERT_TRUE(value);
        expectNear(c.expected.X, value->X, std::fabs(c.expected.X), "X");
        expectNear(c.expected.Y, value->Y, std::fabs(c.expected.Y), "Y");
        const auto pixel = fit.toImage(c.expected);
        ASSERT_TRUE(pixel);
        expectNear(c.probe.x, pixel->x, 1000, "x");
        expectNear(c.probe.y, pixel->y, 1000, "y");

        auto refused = c.points;
        refused[0].real = c.refused;
        EXPECT_EQ(fit.fit(refused), c.refusal);
        EXPECT_FALSE(fit.toReal(c.probe));
    }
}

} // namespace
