// ntc-beta: the Steinhart–Hart model, 1/T = A + B·ln R + C·(ln R)³, and its fit through three points.
#include "models/steinhart_hart.h"
#include "models/exact_math.h"

#include "models/thermistor.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace models {

namespace {

double finiteOr(double value, ModelFailureKind kind)
{
    if (!std::isfinite(value)) throw ModelFailure(kind);
    return value;
}

double logOfResistance(double ohms)
{
    if (!(ohms > 0)) throw ModelFailure(ModelFailureKind::ratioNotPositive);
    return logOf(ohms);
}

// A real root of x³ + p·x + q = 0 from Cardano's formula when there is one
// root, or the one of three nearest `guess`; NaN or infinity when the
// coefficients are beyond the formula's reach.
double depressedCubicRoot(double p, double q, double guess)
{
    const double halfQ = q / 2;
    const double thirdP = p / 3;
    const double discriminant = halfQ * halfQ + thirdP * thirdP * thirdP;
    if (discriminant >= 0) {
        // u = cbrt(−q/2 ∓ √Δ) with the sign that adds magnitudes, then the
        // other cube root from u·v = −p/3: no cancellation in either.
        const double root = std::sqrt(discriminant);
        const double u = cubeRootOf(halfQ > 0 ? -halfQ - root : -halfQ + root);
        return u == 0 ? 0.0 : u - thirdP / u;
    }
    // Three real roots (p < 0): the trigonometric form.
    const double m = 2 * std::sqrt(-thirdP);
    const double theta = std::acos(std::clamp(3 * q / (p * m), -1.0, 1.0)) / 3;
    double best = m * std::cos(theta);
    for (int k = 1; k < 3; ++k) {
        const double x = m * std::cos(theta - 2 * std::numbers::pi * k / 3);
        if (std::fabs(x - guess) < std::fabs(best - guess)) best = x;
    }
    return best;
}

// ln R at a temperature in kelvin: the root x of C·x³ + B·x + y = 0, y = A − 1/T.
double logResistanceAt(const SteinhartHart& model, double kelvin)
{
    requireAboveAbsoluteZero(kelvin);
    const double y = model.a - 1 / kelvin;
    if (model.b == 0 && model.c == 0) throw ModelFailure(ModelFailureKind::outsideModel);
    const double linear = model.b != 0 ? -y / model.b : 0.0;
    double x = model.c == 0 ? linear : depressedCubicRoot(model.b / model.c, y / model.c, linear);
    if (!std::isfinite(x)) x = linear;
    // Newton steps bring the closed form's rounding down to the last bits.
    for (int step = 0; step < 4; ++step) {
        const double slope = 3 * model.c * x * x + model.b;
        if (slope == 0) break;
        const double next = x - (model.c * x * x * x + model.b * x + y) / slope;
        if (!std::isfinite(next) || next == x) break;
        x = next;
    }
    // With C < 0 the curve turns back beyond ln R = ±√(B / 3|C|); a root
    // past the turn lies on the branch where the resistance would rise with
    // the temperature, which is no reading of this thermistor.
    const double slope = model.b + 3 * model.c * x * x;
    if (!std::isfinite(x) || (model.b > 0 && !(slope > 0)) || (model.b < 0 && !(slope < 0)))
        throw ModelFailure(ModelFailureKind::outsideModel);
    return x;
}

} // namespace

SteinhartHart fitSteinhartHart(Reading p1, Reading p2, Reading p3)
{
    std::array<Reading, 3> points{p1, p2, p3};
    for (const Reading& p : points) requireAboveAbsoluteZero(p.kelvin);
    std::sort(points.begin(), points.end(), [](const Reading& l, const Reading& r) { return l.kelvin < r.kelvin; });
    if (points[0].kelvin == points[1].kelvin || points[1].kelvin == points[2].kelvin)
        throw ModelFailure(ModelFailureKind::equalTemperatures);

    const double l1 = logOfResistance(points[0].ohms);
    const double l2 = logOfResistance(points[1].ohms);
    const double l3 = logOfResistance(points[2].ohms);
    if (l1 == l2 || l2 == l3 || l1 == l3) throw ModelFailure(ModelFailureKind::equalResistances);
    const double y1 = 1 / points[0].kelvin;
    const double y2 = 1 / points[1].kelvin;
    const double y3 = 1 / points[2].kelvin;

    // First divided differences of 1/T over ln R, then the second, which
    // is C times the sum of the three logarithms.
    const double gamma2 = (y2 - y1) / (l2 - l1);
    const double gamma3 = (y3 - y1) / (l3 - l1);
    // The system's determinant is (L2−L1)(L3−L1)(L3−L2)(L1+L2+L3): a sum of
    // logarithms that is 0 up to its own rounding leaves C undetermined.
    const double logSum = l1 + l2 + l3;
    const double logScale = std::fabs(l1) + std::fabs(l2) + std::fabs(l3);
    if (std::fabs(logSum) <= 8 * std::numeric_limits<double>::epsilon() * logScale)
        throw ModelFailure(ModelFailureKind::singularFit);

    SteinhartHart fit;
    fit.c = finiteOr((gamma3 - gamma2) / (l3 - l2) / logSum, ModelFailureKind::overflow);
    fit.b = finiteOr(gamma2 - fit.c * (l1 * l1 + l1 * l2 + l2 * l2), ModelFailureKind::overflow);
    fit.a = finiteOr(y1 - (fit.b + l1 * l1 * fit.c) * l1, ModelFailureKind::overflow);
    return fit;
}

double temperatureAt(const SteinhartHart& model, double ohms)
{
    const double l = logOfResistance(ohms);
    const double inverse = model.a + model.b * l + model.c * l * l * l;
    if (!(inverse > 0)) throw ModelFailure(ModelFailureKind::outsideModel);
    return finiteOr(1 / inverse, ModelFailureKind::overflow);
}

double resistanceAt(const SteinhartHart& model, double kelvin)
{
    return finiteOr(expOf(logResistanceAt(model, kelvin)), ModelFailureKind::overflow);
}

double alphaAt(const SteinhartHart& model, double kelvin)
{
    const double l = logResistanceAt(model, kelvin);
    const double slope = model.b + 3 * model.c * l * l;
    if (slope == 0) throw ModelFailure(ModelFailureKind::outsideModel);
    return finiteOr(-100 / (kelvin * kelvin * slope), ModelFailureKind::overflow);
}

} // namespace models
