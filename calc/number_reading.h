// ntc-beta: every number the program reads: typed into the window, given on the command line, found in a table.
#pragma once

#include "calc/arithmetic.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace calc {

// ---------------------------------------------------------------------------
// The window's fields, read leniently: what the user typed is read as far as
// it goes.

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

// ---------------------------------------------------------------------------
// The command line and tables, read strictly: the whole text must be the
// number (or the number and a unit the caller reads), or nothing is read.
// All of them read the period (or the mark given) whatever the locale, and
// give the correctly rounded double.

// `text` without the blanks and tabs around it; nothing else is skipped.
// Inline: the batch trims every cell with a unit through it.
inline std::string_view trimBlanks(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// The plain decimal number that starts `text`: [+|-] digits [. digits]
// [e|E [+|-] digits], at least one digit before or after the period ("0.5",
// ".5", "5.", "1e4"). No blank inside, no grouping, no comma, no hex, no
// "inf"/"nan"; an exponent letter without digits after it makes no number.
// `end` is 0 when no number starts, else just past it; the exponent is
// clamped at a billion either way.
struct DecimalText {
    bool negative = false;
    std::string_view whole, fraction; // the digits before and after the period
    std::int64_t exponent = 0;
    std::size_t end = 0;
};
DecimalText scanDecimal(std::string_view text);

// The double nearest the number scanned times 10^extraExponent (an SI
// prefix scales it before rounding, so "4.7" with 6 is exactly the double
// nearest 4700000). std::nullopt when it lies beyond a double's range either
// way: too large, or a non-zero number so small it would read as 0
// ("1e-999"). Zero itself reads as (signed) zero. Never throws.
std::optional<double> decimalValue(const DecimalText& d, int extraExponent = 0);

// A whole text that is one plain decimal number, blanks and tabs around it
// allowed: scanDecimal's form, read by decimalValue. std::nullopt for any
// other text ("3435K", "10k", "-", "1e+") and beyond the range.
std::optional<double> parseNumber(std::string_view text);

// A table cell that is a plain decimal number written with `mark` ('.' or
// ','): digits with at most one mark, perhaps a '-' before them, no blank,
// sign '+', exponent or unit, read to the nearest double as parseNumber
// reads it. std::nullopt for any other text, and beyond the range: the
// caller then reads the cell the full way, which says what is wrong with it.
// The batch's quick path: no allocation.
std::optional<double> plainNumber(std::string_view cell, char mark);

} // namespace calc
