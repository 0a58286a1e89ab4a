// ntc-beta: the B constant of an NTC thermistor from two readings.
#pragma once

#include "calc/arithmetic.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace calc {

// The two messages the result label can show instead of a number.
inline constexpr std::u16string_view kFillInMessage = u"请填入数值";
inline constexpr std::u16string_view kInvalidMessage = u"输入数值无效";

// The kelvin offset added to temperatures typed in degrees Celsius.
inline constexpr double kCelsiusOffset = 273.15;

// A temperature in °C in kelvin, celsius + kCelsiusOffset, and one in kelvin
// in °C, kelvin − kCelsiusOffset: the one conversion the window, the models
// and the command line share, each a checked step of the arithmetic. Throw
// NumericFailure (overflow, invalid argument) when the result is not finite,
// which only an infinite or NaN temperature gives.
double celsiusToKelvin(double celsius);
double kelvinToCelsius(double kelvin);

// B = ln(R1/R2) / (1/T1 - 1/T2), from the texts of the R1, R2, T1 and T2
// fields (read with Val) and the "absolute temperature" check state
// (0 clear: temperatures are °C; 1 ticked or 2 greyed: they are kelvin).
// The units of R1 and R2 are free, only their ratio counts.
// Gives the text the result label shows:
//   - kFillInMessage when a field holds no number at all (a typed 0 is a
//     number and goes through the formula);
//   - kInvalidMessage when any step overflows, divides by zero or takes the
//     logarithm of a ratio that is not positive, and when a field's number
//     lies beyond a double's range, whatever the other fields hold;
//   - otherwise resultText(B).
// Never throws, holds no state.
std::u16string evaluate(std::u16string_view text1, std::u16string_view text2,
                        std::u16string_view text3, std::u16string_view text4,
                        std::int16_t check);

// The evaluation with what the label's text leaves out: B itself and the two
// temperatures in kelvin as the formula used them, present only when a B was
// computed (`text` is then resultText(*b)). evaluate gives `text` alone.
struct Evaluation {
    std::u16string text;
    std::optional<double> b;
    double t1Kelvin = 0.0;
    double t2Kelvin = 0.0;
};
Evaluation evaluateInFull(std::u16string_view text1, std::u16string_view text2, std::u16string_view text3,
                          std::u16string_view text4, std::int16_t check);

// The evaluation's arithmetic on numbers already read, step for step:
// T1 and T2 go through celsiusToKelvin when `celsius`, then q = R1 / R2,
// L = Log(q), a = 1 / T1, b = 1 / T2, d = a - b, B = L / d, each step checked.
// Temperatures in kelvin (or °C when `celsius`); the resistances' unit is free.
// Throws NumericFailure (division by zero for equal temperatures or 0 K,
// invalid argument for a ratio that is not positive, overflow).
double computeB(double r1, double r2, double t1, double t2, bool celsius);

// The name engineers give a B measured between two temperatures, from the
// temperatures in kelvin as the formula used them: each in °C rounded to two
// decimals without trailing zeros, "B25/85", "B25.5/85", "B-40/25" (298.15 K
// names 25). ASCII. Throws NumericFailure for a temperature that is not
// finite, which no computed B comes with.
std::string betaName(double t1Kelvin, double t2Kelvin);

// B written for the 8-character result label: the first 8 characters of
// Str(value) when that cut drops nothing but digits after the period
// (" 3415.64"); otherwise exponent form with its mantissa rounded to fit
// 8 characters (" 2.0E+08", "-1.5E-07", " 1E+100"), so the label never shows
// a number other than B.
std::u16string resultText(double value);

} // namespace calc
