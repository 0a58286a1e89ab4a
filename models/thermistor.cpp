// ntc-beta: the beta model of an NTC thermistor and the B measured from two readings.
#include "models/thermistor.h"
#include "models/exact_math.h"

#include "calc/b_value.h"
#include "calc/arithmetic.h"

#include <cmath>

namespace models {

const char* ModelFailure::what() const noexcept
{
    switch (kind_) {
    case ModelFailureKind::equalTemperatures: return "equal temperatures";
    case ModelFailureKind::equalResistances: return "equal resistances";
    case ModelFailureKind::absoluteZero: return "temperature of 0 K";
    case ModelFailureKind::belowAbsoluteZero: return "temperature below 0 K";
    case ModelFailureKind::ratioNotPositive: return "resistance ratio not positive";
    case ModelFailureKind::overflow: return "numeric overflow";
    case ModelFailureKind::singularFit: return "no curve through these points";
    case ModelFailureKind::outsideModel: return "outside the model";
    }
    return "model failure";
}

namespace {

double finiteOrOverflow(double value)
{
    if (!std::isfinite(value)) throw ModelFailure(ModelFailureKind::overflow);
    return value;
}

} // namespace

void requireAboveAbsoluteZero(double kelvin)
{
    if (kelvin == 0) throw ModelFailure(ModelFailureKind::absoluteZero);
    if (!(kelvin > 0)) throw ModelFailure(ModelFailureKind::belowAbsoluteZero);
}

double toKelvin(double value, bool celsius)
{
    if (!celsius) return value;
    try {
        return calc::celsiusToKelvin(value);
    } catch (const calc::NumericFailure&) {
        throw ModelFailure(ModelFailureKind::overflow);
    }
}

MeasuredB measureB(double r1, double t1, double r2, double t2, bool celsius)
{
    MeasuredB measured{0.0, toKelvin(t1, celsius), toKelvin(t2, celsius)};
    requireAboveAbsoluteZero(measured.t1Kelvin);
    requireAboveAbsoluteZero(measured.t2Kelvin);
    if (r2 == 0 || !(r1 / r2 > 0)) throw ModelFailure(ModelFailureKind::ratioNotPositive);
    if (measured.t1Kelvin == measured.t2Kelvin) throw ModelFailure(ModelFailureKind::equalTemperatures);
    try {
        measured.value = calc::computeB(r1, r2, measured.t1Kelvin, measured.t2Kelvin, false);
    } catch (const calc::NumericFailure& failure) {
        // With the inputs checked, the only division by zero left is
        // 1/T1 − 1/T2 for two temperatures a step of a double apart, whose
        // reciprocals round to one double.
        if (failure.kind() == calc::FailureKind::divisionByZero)
            throw ModelFailure(ModelFailureKind::equalTemperatures);
        throw ModelFailure(ModelFailureKind::overflow);
    }
    return measured;
}

bool isNtcB(double kelvin)
{
    return kelvin >= kLeastNtcB && kelvin <= kGreatestNtcB;
}

double resistanceAt(const BetaModel& model, double kelvin)
{
    requireAboveAbsoluteZero(kelvin);
    if (!(model.r0 > 0)) throw ModelFailure(ModelFailureKind::ratioNotPositive);
    const double exponent = finiteOrOverflow(model.beta * (1 / kelvin - 1 / model.t0Kelvin));
    return finiteOrOverflow(model.r0 * expOf(exponent));
}

double temperatureAt(const BetaModel& model, double ohms)
{
    if (!(ohms > 0) || !(model.r0 > 0)) throw ModelFailure(ModelFailureKind::ratioNotPositive);
    if (model.beta == 0) throw ModelFailure(ModelFailureKind::outsideModel);
    // ln(R) − ln(R0) rather than ln(R/R0): the quotient may leave the range
    // where both logarithms are fine.
    const double inverse = 1 / model.t0Kelvin + (logOf(ohms) - logOf(model.r0)) / model.beta;
    if (!(inverse > 0)) throw ModelFailure(ModelFailureKind::outsideModel);
    return finiteOrOverflow(1 / inverse);
}

double alphaAt(const BetaModel& model, double kelvin)
{
    requireAboveAbsoluteZero(kelvin);
    return finiteOrOverflow(-model.beta / (kelvin * kelvin) * 100);
}

} // namespace models
