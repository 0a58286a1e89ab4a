// ntc-beta: linear least squares for the small, badly scaled systems of the thermistor fits.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace models {

// A tall matrix in row-major order: rows × cols, rows >= cols.
struct Matrix {
    std::size_t rows = 0;
    std::size_t cols = 0;
    std::vector<double> values; // rows * cols
    double& at(std::size_t r, std::size_t c) { return values[r * cols + c]; }
    double at(std::size_t r, std::size_t c) const { return values[r * cols + c]; }
};

// The x that minimises |A·x − b|₂. The columns are scaled to unit length
// and A is reduced by Householder reflections (QR), so the accuracy follows
// the condition of the scaled columns, not its square as the normal
// equations' would: a fit in 1, ln R, (ln R)², (ln R)³ keeps its digits
// although the coefficients lie five orders of magnitude apart.
// std::nullopt when rows < cols, b's length is not rows, a value is not
// finite, or the columns are linearly dependent up to rounding (a diagonal
// of R below 1e-13 of the largest).
std::optional<std::vector<double>> solveLeastSquares(Matrix a, std::vector<double> b);

// The solution with each row's leverage h_i = a_i·(AᵀA)⁻¹·a_iᵀ (0 to 1): how
// much the row pulls the fit towards itself. With it the residual a row
// would have in a fit without it is e_i / (1 − h_i), for every row at once
// and without refitting. std::nullopt as solveLeastSquares gives it.
struct LeastSquaresFit {
    std::vector<double> x;
    std::vector<double> leverages;
};
std::optional<LeastSquaresFit> solveWithLeverages(Matrix a, std::vector<double> b);

} // namespace models
