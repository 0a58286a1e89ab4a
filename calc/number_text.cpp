// ntc-beta: reading typed numbers, writing results, and checked double arithmetic.
#include "calc/number_text.h"

#include "calc/decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace calc {

const char* NumericFailure::what() const noexcept
{
    switch (kind_) {
    case FailureKind::overflow: return "numeric overflow";
    case FailureKind::divisionByZero: return "division by zero";
    case FailureKind::invalidArgument: return "invalid argument";
    }
    return "numeric failure";
}

namespace {

constexpr bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }
constexpr bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int hexDigit(char16_t c)
{
    if (isDigit(c)) return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// A full-width input method types U+FF10..FF19, U+FF0B, U+FF0D, U+FF0E,
// U+FF25, U+FF45 (each 0xFEE0 above its ASCII form) and the ideographic full
// stop U+3002 in place of digits, sign, period and exponent letter; they read
// as those ASCII units. Every other unit, the full-width comma, D, H, O and &
// included, stands for itself. All ASCII lies below U+3002, so ASCII text
// pays one comparison.
constexpr char16_t asciiForm(char16_t c)
{
    if (c < 0x3002) return c;
    if (c == 0x3002) return u'.';
    if (c < 0xFF0B || c > 0xFF45) return c;
    const char16_t ascii = static_cast<char16_t>(c - 0xFEE0);
    const bool mapped = isDigit(ascii) || ascii == u'+' || ascii == u'-' || ascii == u'.' || ascii == u'E' ||
                        ascii == u'e';
    return mapped ? ascii : c;
}

// Walks the text unit by unit, stepping over blanks as if they were not there
// and handing out full-width forms as their ASCII units.
class Cursor {
public:
    explicit Cursor(std::u16string_view text) : text_(text) {}

    // The next unit that is not a blank, in its ASCII form, or 0 past the end.
    // Every unit above the space is no blank: digits, signs and letters take
    // one test before their ASCII form.
    char16_t peek()
    {
        for (; pos_ < text_.size(); ++pos_) {
            const char16_t c = text_[pos_];
            if (c > u' ') [[likely]] return asciiForm(c);
            if (!isBlank(c)) return c;
        }
        return u'\0';
    }
    // Takes the unit that peek() returned as part of the number.
    void take() { end_ = ++pos_; }
    std::size_t end() const { return end_; }

private:
    std::u16string_view text_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
};

// Enough significant digits to round any decimal text to the nearest double;
// a digit further on only matters by being non-zero, which one sticky digit
// records.
constexpr std::size_t kMaxDigits = 800;

// Exponents are clamped far beyond any double so that no digit count or typed
// exponent can overflow the 64-bit bookkeeping.
constexpr std::int64_t kExponentClamp = 1'000'000'000'000'000;

struct Decimal {
    std::array<char, kMaxDigits + 1> digits; // only the first `count` are set
    std::size_t count = 0;    // significant digits kept in `digits`
    bool sticky = false;      // a non-zero digit was dropped past kMaxDigits
    std::int64_t scale = 0;   // value = digits × 10^scale
    bool anyDigit = false;
};

void readDigits(Cursor& cur, Decimal& dec, bool fraction)
{
    for (char16_t c = cur.peek(); isDigit(c); c = cur.peek()) {
        cur.take();
        dec.anyDigit = true;
        const bool leadingZero = dec.count == 0 && c == u'0';
        if (leadingZero) {
            if (fraction) --dec.scale;
        } else if (dec.count < kMaxDigits) {
            dec.digits[dec.count++] = static_cast<char>(c);
            if (fraction) --dec.scale;
        } else {
            dec.sticky |= c != u'0';
            if (!fraction) ++dec.scale;
        }
    }
}

// Reads "E[+|-]digits" if it is there in full; otherwise leaves the cursor.
std::int64_t readExponent(Cursor& cur)
{
    const char16_t letter = cur.peek();
    if (letter != u'E' && letter != u'e' && letter != u'D' && letter != u'd') return 0;
    Cursor ahead = cur;
    ahead.take();
    bool negative = false;
    if (const char16_t s = ahead.peek(); s == u'+' || s == u'-') {
        negative = s == u'-';
        ahead.take();
    }
    if (!isDigit(ahead.peek())) return 0;
    std::int64_t exponent = 0;
    for (char16_t c = ahead.peek(); isDigit(c); c = ahead.peek()) {
        ahead.take();
        if (exponent < kExponentClamp) exponent = exponent * 10 + (c - u'0');
    }
    cur = ahead;
    return negative ? -exponent : exponent;
}

// Up to 15 digits times an exact power of ten up to 1e22 is one correctly
// rounded IEEE operation: the usual case, without a text round trip.
bool isExactProduct(const Decimal& dec, std::int64_t scale)
{
    return !dec.sticky && dec.count <= 15 && scale >= -22 && scale <= 22;
}

double exactProduct(const Decimal& dec, std::int64_t scale)
{
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    std::uint64_t mantissa = 0;
    for (std::size_t i = 0; i < dec.count; ++i) mantissa = mantissa * 10 + std::uint64_t(dec.digits[i] - '0');
    const double value = static_cast<double>(mantissa);
    return scale < 0 ? value / kPowers[-scale] : value * kPowers[scale];
}

// Any other decimal: its digits (a sticky 1 after them) and scale as text,
// rounded once.
double roundedDecimal(const Decimal& dec, std::int64_t scale, bool negative)
{
    std::array<char, kMaxDigits + 32> text;
    char* out = text.data();
    if (negative) *out++ = '-';
    out = std::copy_n(dec.digits.data(), dec.count, out);
    if (dec.sticky) {
        *out++ = '1';
        --scale;
    }
    *out++ = 'e';
    out = std::to_chars(out, text.data() + text.size(), scale).ptr;

    const double value = nearestDouble(std::string_view(text.data(), std::size_t(out - text.data())));
    if (std::isinf(value)) throw NumericFailure(FailureKind::overflow);
    return value;
}

double decimalValue(const Decimal& dec, std::int64_t exponent, bool negative)
{
    const double zero = negative ? -0.0 : 0.0;
    if (dec.count == 0) return zero;

    const std::int64_t scale = dec.scale + exponent;
    // The decimal point stands `point` digits after the first significant one.
    const std::int64_t point = static_cast<std::int64_t>(dec.count) + scale;
    if (point > 310) throw NumericFailure(FailureKind::overflow);
    if (point < -330) return zero;

    if (!isExactProduct(dec, scale)) return roundedDecimal(dec, scale, negative);
    const double value = exactProduct(dec, scale);
    return negative ? -value : value;
}

// &H / &O integers. Returns false (nothing read) when no digit follows.
bool readRadixInteger(Cursor& cur, double& value)
{
    Cursor ahead = cur;
    ahead.take(); // the '&'
    const char16_t letter = ahead.peek();
    int radix = 0;
    if (letter == u'H' || letter == u'h') radix = 16;
    else if (letter == u'O' || letter == u'o') radix = 8;
    else return false;
    ahead.take();

    std::uint64_t magnitude = 0;
    bool tooLarge = false;
    bool anyDigit = false;
    for (;;) {
        const int d = hexDigit(ahead.peek());
        if (d < 0 || d >= radix) break;
        ahead.take();
        anyDigit = true;
        magnitude = magnitude * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(d);
        tooLarge |= magnitude > 0xFFFF'FFFFu;
        if (tooLarge) magnitude = 0xFFFF'FFFFu + 1;
    }
    if (!anyDigit) return false;
    if (tooLarge) throw NumericFailure(FailureKind::overflow);

    cur = ahead;
    if (magnitude <= 0xFFFFu)
        value = static_cast<std::int16_t>(static_cast<std::uint16_t>(magnitude));
    else
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
    return true;
}

// The 15 leading digits of the largest double, rounded toward zero.
constexpr std::string_view kLargestDigits = "179769313486231";

std::u16string widen(std::string_view ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

// Str's digits: 15 significant ones, no trailing zeros. The largest doubles
// round up past the largest double at 15 digits (1.79769313486232E+308
// would not read back); their last digit is rounded toward zero instead.
DecimalDigits strDigits(double magnitude)
{
    DecimalDigits d = significantDigits(magnitude, 15);
    if (d.exponent == 308 && d.digits > kLargestDigits) d.digits = kLargestDigits;
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

// "0.000123", "1234.5", "100".
void appendFixedForm(std::string& out, const DecimalDigits& s)
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

// "1.5E+20", "1E-05": a sign and at least two exponent digits.
void appendExponentForm(std::string& out, const DecimalDigits& s)
{
    out += s.digits[0];
    if (s.digits.size() > 1) {
        out += '.';
        out.append(s.digits, 1);
    }
    out += exponentText(s.exponent);
}

} // namespace

NumberRead readNumber(std::u16string_view text)
{
    Cursor cur(text);
    NumberRead result;

    if (cur.peek() == u'&') {
        if (readRadixInteger(cur, result.value)) {
            result.found = true;
            result.end = cur.end();
        }
        return result;
    }

    bool negative = false;
    if (const char16_t s = cur.peek(); s == u'+' || s == u'-') {
        negative = s == u'-';
        cur.take();
    }
    Decimal dec;
    readDigits(cur, dec, false);
    if (cur.peek() == u'.') {
        cur.take();
        readDigits(cur, dec, true);
    }
    if (!dec.anyDigit) return result;

    const std::int64_t exponent = readExponent(cur);
    result.value = decimalValue(dec, exponent, negative);
    result.found = true;
    result.end = cur.end();
    return result;
}

double Val(std::u16string_view text)
{
    return readNumber(text).value;
}

void appendStr(std::string& out, double value)
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
    if (s.exponent >= -4 && s.exponent < 15) appendFixedForm(out, s);
    else appendExponentForm(out, s);
}

std::u16string Str(double value)
{
    std::string out;
    appendStr(out, value);
    return widen(out);
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

double Log(double value)
{
    if (!(value > 0)) throw NumericFailure(FailureKind::invalidArgument);
    return std::log(value);
}

namespace {
double checked(double result)
{
    if (std::isinf(result)) throw NumericFailure(FailureKind::overflow);
    if (std::isnan(result)) throw NumericFailure(FailureKind::invalidArgument);
    return result;
}
} // namespace

double add(double a, double b) { return checked(a + b); }
double subtract(double a, double b) { return checked(a - b); }

double divide(double a, double b)
{
    if (b == 0) throw NumericFailure(FailureKind::divisionByZero);
    return checked(a / b);
}

} // namespace calc
