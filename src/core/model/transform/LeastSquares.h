// Linear least squares by Householder QR in extended precision: the fits' only algebra.
#pragma once

#include "model/Real.h"

#include <optional>
#include <vector>

namespace tracelle::model {

// Row-major design matrix with one row per equation.
struct DesignMatrix {
    int columns = 0;
    std::vector<Real> cells;

    int rows() const { return columns == 0 ? 0 : static_cast<int>(cells.size()) / columns; }
    void addRow(std::initializer_list<Real> row) { cells.insert(cells.end(), row); }
};

// The coefficients minimising |A c - b|² for each right-hand side b (one per element of
// `sides`, each with A.rows() values); nothing when A's columns are dependent.
std::optional<std::vector<std::vector<Real>>>
solveLeastSquares(DesignMatrix a, std::vector<std::vector<Real>> sides);

} // namespace tracelle::model
