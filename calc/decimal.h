// ntc-beta: the decimal digits of a double and the double of a decimal text, correctly rounded.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

// A magnitude written as d1.d2d3... × 10^exponent: `digits` holds d1, d2, ...
// (no leading zero), `exponent` the power of ten of d1.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

// A finite magnitude > 0 rounded to `count` significant digits (1 to 15),
// correctly rounded with ties to even, as printf rounds; `digits` is exactly
// `count` long, trailing zeros included (1.5 to 3 digits is "150", exponent
// 0; 999.96 to 4 is "1000", exponent 3). The same digits on every standard
// library and in every locale. Never fails.
DecimalDigits significantDigits(double magnitude, int count);

// The double nearest a decimal text that is all of the form
// "[-]digits[.digits][e[+|-]digits]" (the period whatever the locale), ties
// to even: correctly rounded however many digits it has. A magnitude beyond
// a double's range gives infinity, one too small for a double a signed
// zero; a text of any other form gives 0. Never fails.
double nearestDouble(std::string_view text);

// The double nearest ±whole.fraction × 10^exponent, where `whole` and
// `fraction` are decimal digits (either may be empty), as above: correctly
// rounded however many digits, infinity beyond the range, a signed zero
// below it. No allocation up to 800 digits.
double nearestDouble(bool negative, std::string_view whole, std::string_view fraction, std::int64_t exponent);

} // namespace calc
