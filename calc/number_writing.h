// ntc-beta: every number the program writes: the window's result, table cells, coefficients, firmware text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace calc {

// Every writer here puts the period as the decimal separator and never a
// digit-group separator, whatever the locale (the digits come from {fmt},
// never from printf or the C++ streams), and gives correctly rounded digits,
// ties to even. None of them fails. An infinity or NaN, which no checked
// operation returns, is written as fullValueText writes it: "inf", "-inf",
// "nan" (Str: " inf", "-inf", " nan").

// ---------------------------------------------------------------------------
// The window's result.

// The display text of a number: a leading blank for a number that is not
// negative (negative zero included), "-" otherwise; at most 15 significant
// digits, correctly rounded (except above 1.79769313486231E+308, where the
// last digit is cut so the text still reads back), no trailing zeros, the
// period as separator.
// Magnitudes from 1E-04 up to below 1E+15 are written in fixed form, with a 0
// before the period below 1 (" 0.5"); all others in exponent form with at
// least two exponent digits (" 1.5E+20", " 1E-05").
std::u16string Str(double value);

// Str's text, which is ASCII, appended to `out` as bytes: for writers that
// fill one buffer.
void appendStr(std::string& out, double value);

// The first `count` UTF-16 units of `text`, or all of it when it is shorter;
// a surrogate pair is never split (the cut then keeps one unit less). The
// result label shows Left(Str(B), 8).
std::u16string Left(std::u16string_view text, std::size_t count);

// An exponent as Str writes it: "E", a sign and at least two digits ("E+05",
// "E-12", "E+308").
std::string exponentText(int exponent);

// A number with all of Str's 15 significant digits and without the blank that
// stands for a sign: "3984.01296410608", "-3415.64467232579", "1.5E+20". How
// the command line writes a B and every value a user may copy whole.
std::string fullValueText(double value);

// The same text appended to `out`, for writers that fill one buffer.
void appendFullValueText(std::string& out, double value);

// ---------------------------------------------------------------------------
// Tables, messages and firmware text.

// A number rounded to `significant` digits (1 to 15), trailing zeros dropped;
// in fixed form for magnitudes from 1e-6 up to below 1e16 after rounding
// (195651.999999997 to 6 digits is "195652", 0.000123456789 to 4 is
// "0.0001235"), in scientificText's form beyond ("2.48277e-08" to 6). Zero,
// negative zero included, is "0".
std::string roundedText(double value, int significant);

// A number with at most `decimals` decimals, trailing zeros and a period
// with nothing after it dropped, "0" for anything that rounds to zero
// (-39.70000000001 to 6 is "-39.7", -0.0000001 to 6 is "0"). Never in
// exponent form.
std::string decimalsText(double value, int decimals);

// A number with exactly `decimals` decimals, as C's "%.*f" writes it in the
// C locale: "120.0", "-0.5", "3".
std::string fixedText(double value, int decimals);

// Exponent form with `significant` digits (1 to 17), all of them kept, as
// C's "%.*e" writes it in the C locale: a lower-case e, a sign and at least
// two exponent digits ("2.48277e-08", "1.00000e+18", "5e-01").
std::string scientificText(double value, int significant);

// scientificText without the trailing zeros of its digits, and without a
// period with nothing after it: "8.64452388422664e-04", "1e+18". How curve
// coefficients are written, with 15 digits.
std::string trimmedScientificText(double value, int significant);

// A curve's coefficient: trimmedScientificText with 15 digits,
// "8.2649517014797e-04".
std::string coefficientText(double value);

// Six significant digits as C's "%g" writes them in the C locale: fixed form
// for exponents from -4 to 5, scientificText's form otherwise, trailing
// zeros dropped ("21", "15.75", "1e+06", "1.5e-05", "-0").
std::string generalText(double value);

// The fewest digits that read back as the same double, as JavaScript reads
// them: fixed form for decimal exponents from -4 to 15, exponent form
// beyond, no ".0" on a whole number ("3950", "0.1", "1e-05", "1.5e+20",
// "0.30000000000000004", "-0"). How the page's workbench hands numbers to
// its script.
std::string shortestText(double value);

// The number written in `text` from `from` on, with `mark` for its period:
// "3415,6" for a spreadsheet whose numbers take the decimal comma.
void useDecimalMark(std::string& text, char mark, std::size_t from = 0);

} // namespace calc
