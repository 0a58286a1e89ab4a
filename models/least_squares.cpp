// ntc-beta: linear least squares for the small, badly scaled systems of the thermistor fits.
#include "models/least_squares.h"

#include <algorithm>
#include <cmath>

namespace models {

namespace {

bool allFinite(const std::vector<double>& values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// Divides each column by its length; gives the lengths (0 for a zero column).
std::vector<double> scaleColumns(Matrix& a)
{
    std::vector<double> norms(a.cols, 0.0);
    for (std::size_t c = 0; c < a.cols; ++c) {
        double sum = 0;
        for (std::size_t r = 0; r < a.rows; ++r) sum += a.at(r, c) * a.at(r, c);
        norms[c] = std::sqrt(sum);
        if (norms[c] > 0)
            for (std::size_t r = 0; r < a.rows; ++r) a.at(r, c) /= norms[c];
    }
    return norms;
}

// Reflects column k's part below the diagonal onto the diagonal and applies
// the same reflection to the columns after it and to b.
void reflectColumn(Matrix& a, std::vector<double>& b, std::size_t k)
{
    double norm = 0;
    for (std::size_t r = k; r < a.rows; ++r) norm += a.at(r, k) * a.at(r, k);
    norm = std::sqrt(norm);
    if (norm == 0) return;
    // The sign that adds magnitudes: no cancellation in v's first element.
    const double alpha = a.at(k, k) > 0 ? -norm : norm;
    std::vector<double> v(a.rows - k);
    for (std::size_t r = k; r < a.rows; ++r) v[r - k] = a.at(r, k);
    v[0] -= alpha;
    double vv = 0;
    for (double x : v) vv += x * x;
    const auto apply = [&](auto&& element) {
        double dot = 0;
        for (std::size_t r = k; r < a.rows; ++r) dot += v[r - k] * element(r);
        const double factor = 2 * dot / vv;
        for (std::size_t r = k; r < a.rows; ++r) element(r) -= factor * v[r - k];
    };
    for (std::size_t c = k; c < a.cols; ++c) apply([&](std::size_t r) -> double& { return a.at(r, c); });
    apply([&](std::size_t r) -> double& { return b[r]; });
}

// Row `row` of the scaled matrix solved forward against Rᵀ (R: the reduced
// matrix's upper triangle): z with Rᵀz = aᵢ, whose squared length is the
// row's leverage, since AᵀA = RᵀR.
double leverageOf(const Matrix& reduced, const Matrix& scaled, std::size_t row)
{
    std::vector<double> z(scaled.cols, 0.0);
    double sum = 0;
    for (std::size_t k = 0; k < scaled.cols; ++k) {
        double value = scaled.at(row, k);
        for (std::size_t c = 0; c < k; ++c) value -= reduced.at(c, k) * z[c];
        z[k] = value / reduced.at(k, k);
        sum += z[k] * z[k];
    }
    return sum;
}

// Solves in place: x in `x`, and each row's leverage when `leverages` is
// given.
bool solveInPlace(Matrix& a, std::vector<double>& b, std::vector<double>& x, std::vector<double>* leverages)
{
    if (a.cols == 0 || a.rows < a.cols || b.size() != a.rows || a.values.size() != a.rows * a.cols) return false;
    if (!allFinite(a.values) || !allFinite(b)) return false;
    const std::vector<double> norms = scaleColumns(a);
    const Matrix scaled = leverages ? a : Matrix{};
    for (std::size_t k = 0; k < a.cols; ++k) reflectColumn(a, b, k);

    double largest = 0;
    for (std::size_t k = 0; k < a.cols; ++k) largest = std::max(largest, std::fabs(a.at(k, k)));
    x.assign(a.cols, 0.0);
    for (std::size_t k = a.cols; k-- > 0;) {
        if (!(std::fabs(a.at(k, k)) > 1e-13 * largest) || norms[k] == 0) return false;
        double sum = b[k];
        for (std::size_t c = k + 1; c < a.cols; ++c) sum -= a.at(k, c) * x[c];
        x[k] = sum / a.at(k, k);
    }
    for (std::size_t k = 0; k < a.cols; ++k) x[k] /= norms[k];
    if (!allFinite(x)) return false;
    if (leverages) {
        leverages->resize(a.rows);
        for (std::size_t r = 0; r < a.rows; ++r) (*leverages)[r] = leverageOf(a, scaled, r);
    }
    return true;
}

} // namespace

std::optional<std::vector<double>> solveLeastSquares(Matrix a, std::vector<double> b)
{
    std::vector<double> x;
    if (!solveInPlace(a, b, x, nullptr)) return std::nullopt;
    return x;
}

std::optional<LeastSquaresFit> solveWithLeverages(Matrix a, std::vector<double> b)
{
    LeastSquaresFit fit;
    if (!solveInPlace(a, b, fit.x, &fit.leverages)) return std::nullopt;
    return fit;
}

} // namespace models
