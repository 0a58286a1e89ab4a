// ntc-beta: the Steinhart–Hart model, 1/T = A + B·ln R + C·(ln R)³, and its fit through three points.
#pragma once

namespace models {

// Coefficients for T in kelvin and R in ohms: A in 1/K, B and C in 1/K per
// power of ln(Ω).
struct SteinhartHart {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
};

// One reading: a resistance in ohms at a temperature in kelvin.
struct Reading {
    double ohms = 0.0;
    double kelvin = 0.0;
};

// The curve through three readings, in any order. Solved in closed form
// with divided differences of 1/T over ln R, taken in order of temperature,
// which keeps the coefficients accurate although they span five orders of
// magnitude (a general 3 × 3 solve on ln R, (ln R)³ loses digits).
// Throws ModelFailure: ratioNotPositive for a resistance <= 0,
// absoluteZero / belowAbsoluteZero for T <= 0, equalTemperatures,
// equalResistances, singularFit when ln R1 + ln R2 + ln R3 = 0 up to
// rounding (the product of the resistances is 1 Ω³: no curve of this form
// passes through the points), overflow.
// The fit does not judge the result: C <= 0 or resistances that do not
// fall as the temperature rises are for the caller to warn about.
SteinhartHart fitSteinhartHart(Reading p1, Reading p2, Reading p3);

// Temperature in kelvin at a resistance in ohms. Throws ModelFailure:
// ratioNotPositive for R <= 0, outsideModel when 1/T comes out <= 0,
// overflow.
double temperatureAt(const SteinhartHart& model, double ohms);

// Resistance in ohms at a temperature in kelvin: ln R is the real root of
// C·x³ + B·x + (A − 1/T) = 0 (Cardano's form, polished by Newton steps);
// with C <= 0 the root nearest the B-only solution, and only on the branch
// where 1/T keeps the direction B gives it. Throws ModelFailure:
// absoluteZero / belowAbsoluteZero for T <= 0, outsideModel when B and C
// are both 0 or no root lies on that branch, overflow.
double resistanceAt(const SteinhartHart& model, double kelvin);

// α = (1/R)(dR/dT) = −1 / (T² · (B + 3C·(ln R)²)) in %/K at a temperature
// in kelvin. Throws as resistanceAt, and outsideModel where dT/dR is 0.
double alphaAt(const SteinhartHart& model, double kelvin);

} // namespace models
