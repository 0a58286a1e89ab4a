// ntc-beta: the four-term Steinhart–Hart model, 1/T = A + B·ln R + D·(ln R)² + C·(ln R)³.
#pragma once

namespace models {

// Coefficients for T in kelvin and R in ohms. A, B and C mean what they
// mean in the three-term model (SteinhartHart); D is the (ln R)² term
// that the three-term model leaves out (0 makes the two the same curve).
struct SteinhartHart4 {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    double d = 0.0;
};

// 1/T at a given ln R, in 1/K.
double inverseKelvinAt(const SteinhartHart4& model, double logOhms);

// d(1/T)/d(ln R) at a given ln R; the curve describes an NTC thermistor
// where this has the sign of B.
double slopeAt(const SteinhartHart4& model, double logOhms);

// Temperature in kelvin at a resistance in ohms. Throws ModelFailure:
// ratioNotPositive for R <= 0, outsideModel when 1/T comes out <= 0,
// overflow.
double temperatureAt(const SteinhartHart4& model, double ohms);

// Resistance in ohms at a temperature in kelvin: the ln R where the
// polynomial meets 1/T, found by Newton steps from the B-only solution and
// accepted only on the branch where the slope keeps B's sign. Throws
// ModelFailure: absoluteZero / belowAbsoluteZero for T <= 0,
// outsideModel when B is 0 or no such ln R is found, overflow.
double resistanceAt(const SteinhartHart4& model, double kelvin);

// α = (1/R)(dR/dT) in %/K at a temperature in kelvin. Throws as resistanceAt.
double alphaAt(const SteinhartHart4& model, double kelvin);

} // namespace models
