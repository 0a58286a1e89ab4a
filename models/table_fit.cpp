// ntc-beta: least-squares fits of the thermistor models through a whole R/T table.
#include "models/table_fit.h"
#include "models/exact_math.h"

#include "models/least_squares.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace models {

namespace {


// The powers of ln R each model's columns hold, in the order solved.
std::vector<int> powersOf(FitKind kind)
{
    switch (kind) {
    case FitKind::steinhart: return {0, 1, 3};
    case FitKind::steinhart4: return {0, 1, 2, 3};
    case FitKind::beta: return {0, 1};
    }
    return {};
}

void checkPoints(std::span<const TablePoint> points, std::size_t needed)
{
    std::set<double> temperatures;
    for (const TablePoint& p : points) {
        requireAboveAbsoluteZero(p.kelvin);
        if (!(p.ohms > 0) || !std::isfinite(p.ohms)) throw ModelFailure(ModelFailureKind::ratioNotPositive);
        temperatures.insert(p.kelvin);
    }
    if (temperatures.size() < needed) throw ModelFailure(ModelFailureKind::singularFit);
}

// x to a small whole power by multiplication: the same double on every
// standard library, where std::pow(x, 3) is not (glibc's and
// WebAssembly's differ in the last bit for some x, and the page's fit must
// be the command line's digit for digit).
double wholePower(double x, int power)
{
    double result = 1;
    for (int i = 0; i < power; ++i) result *= x;
    return result;
}

SteinhartHart4 solveCurve(std::span<const TablePoint> points, FitKind kind)
{
    const std::vector<int> powers = powersOf(kind);
    Matrix a{points.size(), powers.size(), std::vector<double>(points.size() * powers.size())};
    std::vector<double> b(points.size());
    for (std::size_t r = 0; r < points.size(); ++r) {
        const double weight = points[r].kelvin * points[r].kelvin;
        const double l = logOf(points[r].ohms);
        for (std::size_t c = 0; c < powers.size(); ++c) a.at(r, c) = weight * wholePower(l, powers[c]);
        b[r] = weight / points[r].kelvin;
    }
    const auto x = solveLeastSquares(std::move(a), std::move(b));
    if (!x) throw ModelFailure(ModelFailureKind::singularFit);
    SteinhartHart4 curve;
    curve.a = (*x)[0];
    curve.b = (*x)[1];
    if (kind == FitKind::steinhart) curve.c = (*x)[2];
    if (kind == FitKind::steinhart4) {
        curve.d = (*x)[2];
        curve.c = (*x)[3];
    }
    return curve;
}

// B alone through R0 at T0: one column, ln R − ln R0, against 1/T − 1/T0,
// weighted by T² as the other fits are.
SteinhartHart4 solveKeptR0(std::span<const TablePoint> points, double r0, double t0Kelvin)
{
    Matrix a{points.size(), 1, std::vector<double>(points.size())};
    std::vector<double> b(points.size());
    const double logR0 = logOf(r0);
    for (std::size_t r = 0; r < points.size(); ++r) {
        const double weight = points[r].kelvin * points[r].kelvin;
        a.at(r, 0) = weight * (logOf(points[r].ohms) - logR0);
        b[r] = weight * (1 / points[r].kelvin - 1 / t0Kelvin);
    }
    const auto x = solveLeastSquares(std::move(a), std::move(b));
    if (!x) throw ModelFailure(ModelFailureKind::singularFit);
    SteinhartHart4 curve;
    curve.b = (*x)[0];
    curve.a = 1 / t0Kelvin - curve.b * logR0;
    return curve;
}

bool fallsThroughout(const SteinhartHart4& curve, std::span<const TablePoint> points)
{
    std::vector<double> logs;
    for (const TablePoint& p : points) logs.push_back(logOf(p.ohms));
    std::sort(logs.begin(), logs.end());
    const auto ntcSlope = [&](double l) { return curve.b > 0 ? slopeAt(curve, l) > 0 : false; };
    for (std::size_t i = 0; i < logs.size(); ++i) {
        if (!ntcSlope(logs[i])) return false;
        if (i + 1 < logs.size() && !ntcSlope((logs[i] + logs[i + 1]) / 2)) return false;
    }
    return true;
}

void measureResiduals(TableFit& fit, std::span<const TablePoint> points)
{
    double sumSquares = 0;
    fit.fromKelvin = points.front().kelvin;
    fit.toKelvin = points.front().kelvin;
    for (const TablePoint& p : points) {
        const double residual = temperatureAt(fit.curve, p.ohms) - p.kelvin;
        fit.residualsKelvin.push_back(residual);
        fit.maxErrorKelvin = std::max(fit.maxErrorKelvin, std::fabs(residual));
        sumSquares += residual * residual;
        fit.fromKelvin = std::min(fit.fromKelvin, p.kelvin);
        fit.toKelvin = std::max(fit.toKelvin, p.kelvin);
    }
    fit.rmsErrorKelvin = std::sqrt(sumSquares / double(points.size()));
}

} // namespace

std::size_t pointsNeeded(FitKind kind, bool r0Kept)
{
    return kind == FitKind::beta && r0Kept ? 1 : powersOf(kind).size();
}

std::vector<TablePoint> pointsWithin(std::span<const TablePoint> points, double fromKelvin, double toKelvin)
{
    std::vector<TablePoint> within;
    for (const TablePoint& p : points)
        if (p.kelvin >= fromKelvin && p.kelvin <= toKelvin) within.push_back(p);
    return within;
}

TableFit fitTable(std::span<const TablePoint> points, FitKind kind, double t0Kelvin)
{
    return fitTable(points, FitRequest{kind, t0Kelvin, 0.0});
}

TableFit fitTable(std::span<const TablePoint> points, const FitRequest& request)
{
    const bool kept = request.kind == FitKind::beta && request.keptR0 != 0;
    if (kept && !(request.keptR0 > 0 && std::isfinite(request.keptR0)))
        throw ModelFailure(ModelFailureKind::ratioNotPositive);
    checkPoints(points, pointsNeeded(request.kind, kept));
    requireAboveAbsoluteZero(request.t0Kelvin);
    TableFit fit;
    fit.kind = request.kind;
    fit.curve = kept ? solveKeptR0(points, request.keptR0, request.t0Kelvin) : solveCurve(points, request.kind);
    if (request.kind == FitKind::beta) {
        fit.beta.beta = 1 / fit.curve.b;
        fit.beta.t0Kelvin = request.t0Kelvin;
        fit.beta.r0 = kept ? request.keptR0 : expOf((1 / request.t0Kelvin - fit.curve.a) / fit.curve.b);
        if (!std::isfinite(fit.beta.beta) || !std::isfinite(fit.beta.r0))
            throw ModelFailure(ModelFailureKind::overflow);
    }
    measureResiduals(fit, points);
    fit.monotonic = fallsThroughout(fit.curve, points);
    return fit;
}

} // namespace models
