// ntc-beta: reading typed numbers, writing results, and checked double arithmetic.
#pragma once

#include <cstddef>
#include <exception>
#include <string>
#include <string_view>

namespace calc {

// Raised by every checked operation below; the calculation catches it at one
// point and never shows its kind to the user.
enum class FailureKind { overflow, divisionByZero, invalidArgument };

class NumericFailure : public std::exception {
public:
    explicit NumericFailure(FailureKind kind) noexcept : kind_(kind) {}
    FailureKind kind() const noexcept { return kind_; }
    const char* what() const noexcept override;

private:
    FailureKind kind_;
};

// What reading a text found. `end` is the index just past the last UTF-16 unit
// that belongs to the number (0 when no number starts); `found` tells whether
// any number starts at all, which is how an empty field differs from a typed 0.
struct NumberRead {
    double value = 0.0;
    std::size_t end = 0;
    bool found = false;
};

// Reads a number from the start of `text`:
//   - blanks, tabs and line feeds are skipped wherever they stand (not CR or
//     other Unicode spaces, the ideographic space U+3000 included);
//   - [+|-] digits [. digits] [E|e|D|d [+|-] digits], the period as the only
//     decimal separator (never the comma, ASCII or full-width); an exponent
//     letter with no digits after it is not part of the number;
//   - the full-width digits, "＋", "－", "．", "Ｅ", "ｅ" (U+FF10-FF19, FF0B,
//     FF0D, FF0E, FF25, FF45) and the ideographic full stop "。" (U+3002) read
//     exactly as their ASCII forms wherever they stand, so "２５。５" is 25.5 and
//     "&H１Ｅ" is 30; no other full-width form is read, so the radix prefixes
//     and the exponent letter D are ASCII only ("１Ｄ３" is 1);
//   - or &H hex digits / &O octal digits: an integer that wraps to 16 bits when
//     it fits 16 bits (&HFFFF is -1), to 32 bits when it fits 32 bits
//     (&HFFFFFFFF is -1), and overflows beyond that;
//   - reading stops at the first unit that cannot continue the number.
// The value is correctly rounded; magnitudes too small for a double read as a
// (signed) zero. Throws NumericFailure(overflow) when the magnitude lies beyond
// the range of a double. `end` counts UTF-16 units, one per full-width form.
// Linear in the text's length, no allocation.
NumberRead readNumber(std::u16string_view text);

// The value of readNumber: 0 when no number starts. Throws only on overflow.
double Val(std::u16string_view text);

// The display text of a number: a leading blank for a number that is not
// negative (negative zero included), "-" otherwise; at most 15 significant
// digits, correctly rounded (except above 1.79769313486231E+308, where the
// last digit is cut so the text still reads back), no trailing zeros, the
// period as separator.
// Magnitudes from 1E-04 up to below 1E+15 are written in fixed form, with a 0
// before the period below 1 (" 0.5"); all others in exponent form with at
// least two exponent digits (" 1.5E+20", " 1E-05"). Never fails; infinities
// and NaN, which no checked operation returns, write as " inf", "-inf", " nan".
std::u16string Str(double value);

// Str's text, which is ASCII, appended to `out` as bytes: for writers that
// fill one buffer.
void appendStr(std::string& out, double value);

// The first `count` UTF-16 units of `text`, or all of it when it is shorter;
// a surrogate pair is never split (the cut then keeps one unit less).
std::u16string Left(std::u16string_view text, std::size_t count);

// Natural logarithm; throws NumericFailure(invalidArgument) unless value > 0.
double Log(double value);

// Double arithmetic that raises instead of returning infinities or NaN:
// overflow when a finite operand pair gives a result beyond a double's range,
// divisionByZero for any division by zero (0/0 included).
double add(double a, double b);
double subtract(double a, double b);
double divide(double a, double b);

} // namespace calc
