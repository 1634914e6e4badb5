#include "model/transform/LeastSquares.h"

#include <algorithm>
#include <cmath>

namespace tracelle::model {

namespace {

// Below this ratio of a pivot to the largest, the columns are taken as dependent: collinear
// or repeated control points.
constexpr Real kRankTolerance = 1e-12L;

} // namespace

std::optional<std::vector<std::vector<Real>>>
solveLeastSquares(DesignMatrix a, std::vector<std::vector<Real>> sides) {
    const int m = a.rows();
    const int n = a.columns;
    if (m < n || n == 0) return std::nullopt;
    const auto at = [&a, n](int r, int c) -> Real& {
        return a.cells[static_cast<std::size_t>(r) * n + c];
    };
    Real largest = 0;
    std::vector<Real> diagonal(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        Real norm = 0;
        for (int r = k; r < m; ++r)
            norm = std::hypot(norm, at(r, k));
        if (norm == 0) return std::nullopt;
        const Real alpha = at(k, k) > 0 ? -norm : norm;
        // v = column - alpha e_k, kept in place of the column below the diagonal.
        at(k, k) -= alpha;
        Real vv = 0;
        for (int r = k; r < m; ++r)
            vv += at(r, k) * at(r, k);
        const auto reflect = [&](auto&& element) {
            Real dot = 0;
            for (int r = k; r < m; ++r)
                dot += at(r, k) * element(r);
            const Real f = 2 * dot / vv;
            for (int r = k; r < m; ++r)
                element(r) -= f * at(r, k);
        };
        for (int c = k + 1; c < n; ++c)
            reflect([&](int r) -> Real& { return at(r, c); });
        for (auto& b : sides)
            reflect([&](int r) -> Real& { return b[static_cast<std::size_t>(r)]; });
        diagonal[static_cast<std::size_t>(k)] = alpha;
        largest = std::max(largest, std::fabs(alpha));
    }
    for (const Real d : diagonal)
        if (std::fabs(d) <= kRankTolerance * largest) return std::nullopt;

    std::vector<std::vector<Real>> solutions;
    for (const auto& b : sides) {
        std::vector<Real> c(static_cast<std::size_t>(n));
        for (int k = n - 1; k >= 0; --k) {
            Real s = b[static_cast<std::size_t>(k)];
            for (int j = k + 1; j < n; ++j)
                s -= at(k, j) * c[static_cast<std::size_t>(j)];
            c[static_cast<std::size_t>(k)] = s / diagonal[static_cast<std::size_t>(k)];
        }
        solutions.push_back(std::move(c));
    }
    return solutions;
}

} // namespace tracelle::model
