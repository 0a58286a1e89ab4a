// ntc-beta: the beta model of an NTC thermistor and the B measured from two readings.
#include "models/thermistor.h"

#include "calc/b_value.h"
#include "calc/number_text.h"

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

MeasuredB measureB(double r1, double t1, double r2, double t2, bool celsius)
{
    MeasuredB measured;
    try {
        // The same offset step computeB takes, so the name and the value see
        // one and the same kelvin temperature.
        measured.t1Kelvin = celsius ? calc::add(t1, calc::kCelsiusOffset) : t1;
        measured.t2Kelvin = celsius ? calc::add(t2, calc::kCelsiusOffset) : t2;
        if (measured.t1Kelvin < 0 || measured.t2Kelvin < 0)
            throw ModelFailure(ModelFailureKind::belowAbsoluteZero);
        measured.value = calc::computeB(r1, r2, t1, t2, celsius);
    } catch (const calc::NumericFailure& failure) {
        // computeB's steps in order: R1/R2, its logarithm, 1/T1, 1/T2, the
        // difference, the quotient; a failure's kind and the inputs tell
        // which step stopped.
        switch (failure.kind()) {
        case calc::FailureKind::overflow: throw ModelFailure(ModelFailureKind::overflow);
        case calc::FailureKind::invalidArgument: throw ModelFailure(ModelFailureKind::ratioNotPositive);
        case calc::FailureKind::divisionByZero:
            if (r2 == 0) throw ModelFailure(ModelFailureKind::ratioNotPositive);
            if (measured.t1Kelvin == 0 || measured.t2Kelvin == 0)
                throw ModelFailure(ModelFailureKind::absoluteZero);
            throw ModelFailure(ModelFailureKind::equalTemperatures);
        }
        throw;
    }
    return measured;
}

double resistanceAt(const BetaModel& model, double kelvin)
{
    requireAboveAbsoluteZero(kelvin);
    if (!(model.r0 > 0)) throw ModelFailure(ModelFailureKind::ratioNotPositive);
    const double exponent = finiteOrOverflow(model.beta * (1 / kelvin - 1 / model.t0Kelvin));
    return finiteOrOverflow(model.r0 * std::exp(exponent));
}

double temperatureAt(const BetaModel& model, double ohms)
{
    if (!(ohms > 0) || !(model.r0 > 0)) throw ModelFailure(ModelFailureKind::ratioNotPositive);
    if (model.beta == 0) throw ModelFailure(ModelFailureKind::outsideModel);
    // ln(R) − ln(R0) rather than ln(R/R0): the quotient may leave the range
    // where both logarithms are fine.
    const double inverse = 1 / model.t0Kelvin + (std::log(ohms) - std::log(model.r0)) / model.beta;
    if (!(inverse > 0)) throw ModelFailure(ModelFailureKind::outsideModel);
    return finiteOrOverflow(1 / inverse);
}

double alphaAt(const BetaModel& model, double kelvin)
{
    requireAboveAbsoluteZero(kelvin);
    return finiteOrOverflow(-model.beta / (kelvin * kelvin) * 100);
}

} // namespace models
