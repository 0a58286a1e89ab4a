// ntc-beta: the four-term Steinhart–Hart model, 1/T = A + B·ln R + D·(ln R)² + C·(ln R)³.
#include "models/steinhart_hart4.h"
#include "models/exact_math.h"

#include "models/thermistor.h"

#include <cmath>

namespace models {

namespace {


double finiteOr(double value, ModelFailureKind kind)
{
    if (!std::isfinite(value)) throw ModelFailure(kind);
    return value;
}

bool onNtcBranch(const SteinhartHart4& model, double logOhms)
{
    const double slope = slopeAt(model, logOhms);
    return model.b > 0 ? slope > 0 : slope < 0;
}

double logResistanceAt(const SteinhartHart4& model, double kelvin)
{
    requireAboveAbsoluteZero(kelvin);
    if (model.b == 0) throw ModelFailure(ModelFailureKind::outsideModel);
    const double target = 1 / kelvin;
    double x = (target - model.a) / model.b;
    for (int step = 0; step < 60; ++step) {
        const double slope = slopeAt(model, x);
        if (slope == 0 || !std::isfinite(slope)) break;
        const double next = x - (inverseKelvinAt(model, x) - target) / slope;
        if (!std::isfinite(next)) break;
        const bool settled = std::fabs(next - x) <= 1e-15 * (1 + std::fabs(x));
        x = next;
        if (settled) break;
    }
    const double miss = std::fabs(inverseKelvinAt(model, x) - target);
    if (!std::isfinite(x) || !(miss <= 1e-12 * target) || !onNtcBranch(model, x))
        throw ModelFailure(ModelFailureKind::outsideModel);
    return x;
}

} // namespace

double inverseKelvinAt(const SteinhartHart4& model, double logOhms)
{
    const double l = logOhms;
    return model.a + l * (model.b + l * (model.d + l * model.c));
}

double slopeAt(const SteinhartHart4& model, double logOhms)
{
    const double l = logOhms;
    return model.b + l * (2 * model.d + 3 * model.c * l);
}

double temperatureAt(const SteinhartHart4& model, double ohms)
{
    if (!(ohms > 0)) throw ModelFailure(ModelFailureKind::ratioNotPositive);
    const double inverse = inverseKelvinAt(model, logOf(ohms));
    if (!(inverse > 0)) throw ModelFailure(ModelFailureKind::outsideModel);
    return finiteOr(1 / inverse, ModelFailureKind::overflow);
}

double resistanceAt(const SteinhartHart4& model, double kelvin)
{
    return finiteOr(expOf(logResistanceAt(model, kelvin)), ModelFailureKind::overflow);
}

double alphaAt(const SteinhartHart4& model, double kelvin)
{
    const double slope = slopeAt(model, logResistanceAt(model, kelvin));
    return finiteOr(-100 / (kelvin * kelvin * slope), ModelFailureKind::overflow);
}

} // namespace models
