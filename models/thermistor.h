// ntc-beta: the beta model of an NTC thermistor and the B measured from two readings.
#pragma once

#include <exception>

namespace models {

// Why a thermistor computation cannot go on; each has its own message in
// the front ends.
enum class ModelFailureKind {
    equalTemperatures,     // two readings at one temperature
    equalResistances,      // two readings of one resistance (a fit needs them apart)
    absoluteZero,          // a temperature of 0 K
    belowAbsoluteZero,     // a temperature below 0 K
    ratioNotPositive,      // R1/R2 <= 0, or a resistance <= 0 where its logarithm is taken
    overflow,              // a step leaves a double's range
    singularFit,           // three points that fix no Steinhart-Hart curve
    outsideModel,          // the model gives no positive temperature or resistance here
};

class ModelFailure : public std::exception {
public:
    explicit ModelFailure(ModelFailureKind kind) noexcept : kind_(kind) {}
    ModelFailureKind kind() const noexcept { return kind_; }
    const char* what() const noexcept override;

private:
    ModelFailureKind kind_;
};

// A B measured from two readings, with the temperatures in kelvin as the
// formula used them (for betaName).
struct MeasuredB {
    double value = 0.0;
    double t1Kelvin = 0.0;
    double t2Kelvin = 0.0;
};

// B from R1 at T1 and R2 at T2 through computeB, so the value is the very
// double the window shows for the same numbers; temperatures in °C when
// `celsius` (273.15 added by computeB's own step), else kelvin. Unlike the
// window it refuses temperatures below 0 K, and it tells the causes apart:
// throws ModelFailure(belowAbsoluteZero, absoluteZero, equalTemperatures,
// ratioNotPositive or overflow).
MeasuredB measureB(double r1, double t1, double r2, double t2, bool celsius);

// The beta model R(T) = R0 · exp(B · (1/T − 1/T0)); R0 in ohms at T0 in
// kelvin (298.15 K, i.e. 25 °C, unless given), B in kelvin.
struct BetaModel {
    double r0 = 0.0;
    double beta = 0.0;
    double t0Kelvin = 298.15;
};

// Resistance in ohms at a temperature in kelvin. Throws ModelFailure:
// absoluteZero / belowAbsoluteZero for T <= 0, ratioNotPositive when
// R0 <= 0, overflow when the exponential leaves a double's range.
double resistanceAt(const BetaModel& model, double kelvin);

// Temperature in kelvin, 1 / (1/T0 + ln(R/R0) / B), at a resistance in
// ohms. Throws ModelFailure: ratioNotPositive when R or R0 <= 0,
// outsideModel when B is 0 or the model gives no positive temperature,
// overflow.
double temperatureAt(const BetaModel& model, double ohms);

// The temperature coefficient α = (1/R)(dR/dT) = −B/T² in %/K at a
// temperature in kelvin. Throws ModelFailure(absoluteZero,
// belowAbsoluteZero) for T <= 0.
double alphaAt(const BetaModel& model, double kelvin);

// Throws ModelFailure(absoluteZero or belowAbsoluteZero) unless kelvin > 0;
// the models' shared guard.
void requireAboveAbsoluteZero(double kelvin);

} // namespace models
