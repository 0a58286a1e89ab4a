// ntc-beta: every number the program writes: the window's result, table cells, coefficients, firmware text.
#include "calc/number_writing.h"

#include "calc/decimal.h"

#include <fmt/compile.h>
#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace calc {

namespace {

// The 15 leading digits of the largest double, rounded toward zero.
constexpr std::string_view kLargestDigits = "179769313486231";

void dropTrailingZeros(DecimalDigits& d)
{
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
}

// Str's digits: 15 significant ones, no trailing zeros. The largest doubles
// round up past the largest double at 15 digits (1.79769313486232E+308
// would not read back); their last digit is rounded toward zero instead.
DecimalDigits strDigits(double magnitude)
{
    DecimalDigits d = significantDigits(magnitude, 15);
    if (d.exponent == 308 && d.digits > kLargestDigits) d.digits = kLargestDigits;
    dropTrailingZeros(d);
    return d;
}

// "0.000123", "1234.5", "100". Inlined: it is most of Str's work, and Str
// writes every B of a batch.
[[gnu::always_inline]] inline void appendFixedForm(std::string& out, const DecimalDigits& s)
{
    if (s.exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-s.exponent - 1), '0');
        out += s.digits;
        return;
    }
    const auto intDigits = static_cast<std::size_t>(s.exponent) + 1;
    if (s.digits.size() <= intDigits) {
        out += s.digits;
        out.append(intDigits - s.digits.size(), '0');
    } else {
        out.append(s.digits, 0, intDigits);
        out += '.';
        out.append(s.digits, intDigits);
    }
}

// "1.5", "1": the digits with a period after the first.
void appendMantissa(std::string& out, const DecimalDigits& s)
{
    out += s.digits[0];
    if (s.digits.size() > 1) {
        out += '.';
        out.append(s.digits, 1);
    }
}

// "e-08", "e+18": C's exponent, a sign and at least two digits.
void appendSmallExponent(std::string& out, int exponent)
{
    std::array<char, 8> buf{};
    const char* end = fmt::format_to(buf.data(), FMT_COMPILE("e{}{:02}"), exponent < 0 ? '-' : '+', std::abs(exponent));
    out.append(buf.data(), static_cast<std::size_t>(end - buf.data()));
}

// The digits of a finite value's magnitude to `count` places; zero has
// `count` zeros and exponent 0, as C writes it.
DecimalDigits digitsOf(double value, int count)
{
    if (value == 0) return DecimalDigits{std::string(static_cast<std::size_t>(count), '0'), 0};
    return significantDigits(std::fabs(value), count);
}

std::string scientificForm(double value, DecimalDigits d)
{
    std::string out = std::signbit(value) ? "-" : "";
    appendMantissa(out, d);
    appendSmallExponent(out, d.exponent);
    return out;
}

// A double's spacing is below 10^-decimals up to this magnitude (2^52
// times 10^-decimals, rounded down): its shortest digits, when they have
// that many decimals at most, are then the rounded ones.
double shortestIsRoundedBelow(int decimals)
{
    return 4.5e15 * std::pow(10.0, -decimals);
}

} // namespace

// Flattened: the batch writes every B through it, and the calls inside
// (the string's appends among them) cost a tenth of its time when not
// inlined.
[[gnu::flatten]] void appendStr(std::string& out, double value)
{
    if (std::isnan(value)) {
        out += " nan";
        return;
    }
    if (std::isinf(value)) {
        out += value > 0 ? " inf" : "-inf";
        return;
    }
    out += value < 0 ? '-' : ' ';
    if (value == 0) {
        out += '0';
        return;
    }
    const DecimalDigits s = strDigits(std::fabs(value));
    if (s.exponent >= -4 && s.exponent < 15) {
        appendFixedForm(out, s);
    } else {
        appendMantissa(out, s);
        out += exponentText(s.exponent);
    }
}

std::u16string Str(double value)
{
    std::string out;
    appendStr(out, value);
    return std::u16string(out.begin(), out.end());
}

std::u16string Left(std::u16string_view text, std::size_t count)
{
    if (text.size() <= count) return std::u16string(text);
    std::size_t cut = count;
    const auto isHigh = [](char16_t c) { return c >= 0xD800 && c <= 0xDBFF; };
    const auto isLow = [](char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; };
    if (cut > 0 && isHigh(text[cut - 1]) && isLow(text[cut])) --cut;
    return std::u16string(text.substr(0, cut));
}

std::string exponentText(int exponent)
{
    std::array<char, 8> buf{};
    const char* end = fmt::format_to(buf.data(), FMT_COMPILE("E{}{:02}"), exponent < 0 ? '-' : '+', std::abs(exponent));
    return std::string(buf.data(), static_cast<std::size_t>(end - buf.data()));
}

std::string fullValueText(double value)
{
    std::string text;
    appendFullValueText(text, value);
    return text;
}

void appendFullValueText(std::string& out, double value)
{
    const std::size_t at = out.size();
    appendStr(out, value);
    if (out[at] == ' ') out.erase(at, 1);
}

std::string roundedText(double value, int significant)
{
    if (!std::isfinite(value)) return fullValueText(value);
    if (value == 0) return "0";
    DecimalDigits d = significantDigits(std::fabs(value), significant);
    if (d.exponent < -6 || d.exponent > 15) return scientificForm(value, d);
    dropTrailingZeros(d);
    std::string out = value < 0 ? "-" : "";
    appendFixedForm(out, d);
    return out;
}

std::string decimalsText(double value, int decimals)
{
    if (!std::isfinite(value)) return fullValueText(value);
    std::string text;
    if (std::fabs(value) < shortestIsRoundedBelow(decimals)) {
        text = fmt::format(FMT_COMPILE("{}"), value);
        const auto point = text.find('.');
        const bool fits = text.find('e') == std::string::npos &&
                          (point == std::string::npos || text.size() - point - 1 <= std::size_t(decimals));
        if (!fits) text.clear();
    }
    if (text.empty()) {
        text = fixedText(value, decimals);
        if (text.find('.') != std::string::npos) {
            while (text.back() == '0') text.pop_back();
            if (text.back() == '.') text.pop_back();
        }
    }
    return text == "-0" ? "0" : text;
}

std::string fixedText(double value, int decimals)
{
    if (!std::isfinite(value)) return fullValueText(value);
    return fmt::format(FMT_COMPILE("{:.{}f}"), value, decimals);
}

std::string scientificText(double value, int significant)
{
    if (!std::isfinite(value)) return fullValueText(value);
    return scientificForm(value, digitsOf(value, significant));
}

std::string trimmedScientificText(double value, int significant)
{
    if (!std::isfinite(value)) return fullValueText(value);
    DecimalDigits d = digitsOf(value, significant);
    dropTrailingZeros(d);
    return scientificForm(value, d);
}

std::string coefficientText(double value)
{
    return trimmedScientificText(value, 15);
}

std::string generalText(double value)
{
    if (!std::isfinite(value)) return fullValueText(value);
    if (value == 0) return std::signbit(value) ? "-0" : "0";
    DecimalDigits d = significantDigits(std::fabs(value), 6);
    dropTrailingZeros(d);
    if (d.exponent < -4 || d.exponent >= 6) return scientificForm(value, d);
    std::string out = value < 0 ? "-" : "";
    appendFixedForm(out, d);
    return out;
}

std::string shortestText(double value)
{
    if (!std::isfinite(value)) return fullValueText(value);
    return fmt::format(FMT_COMPILE("{}"), value);
}

void useDecimalMark(std::string& text, char mark, std::size_t from)
{
    if (from < text.size()) std::replace(text.begin() + std::ptrdiff_t(from), text.end(), '.', mark);
}

} // namespace calc
