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

// B from R1 at T1 and R2 at T2 through calc::computeB, so the value is the
// very double the window shows for the same numbers; temperatures in °C
// when `celsius` (through calc::celsiusToKelvin, as the window converts
// them), else kelvin. Unlike the window it refuses temperatures at or below
// 0 K, and it names the cause: throws ModelFailure(belowAbsoluteZero or
// absoluteZero for either temperature, ratioNotPositive unless R1/R2 > 0,
// equalTemperatures when T1 = T2 or their reciprocals are one double,
// overflow when a step leaves a double's range).
MeasuredB measureB(double r1, double t1, double r2, double t2, bool celsius);

// The B values NTC thermistors have, in kelvin. Makers state 2000-6000 K for
// their materials (Exsense's note on the B constant) and catalogues hold
// 3460-5000 K (EPCOS B57885S and B57891: 3560 K at 1.5 kΩ to 5000 K at
// 470 kΩ; the four tables in tests/models/data: 3380-4267 K); a B measured
// between distant temperatures drifts a few hundred kelvin further (the
// Semitec 104GT-2 leaflet's table: 4267 K at 25/85 °C, 4612 K at 250/300 °C).
// Outside 1500-7000 K, a margin of 500 K below and 1000 K above the makers'
// range, a B is far more likely a slip (kelvin read as °C gives 11000 K and
// more) than a part: it is warned about, not refused.
inline constexpr double kLeastNtcB = 1500;
inline constexpr double kGreatestNtcB = 7000;

// Whether `kelvin` lies within kLeastNtcB .. kGreatestNtcB.
bool isNtcB(double kelvin);

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

// A temperature in kelvin: `value` itself, or `value` in °C through
// calc::celsiusToKelvin when `celsius`. Throws ModelFailure(overflow) where
// that conversion fails.
double toKelvin(double value, bool celsius);

} // namespace models
