// ntc-beta: every number the program reads: typed into the window, given on the command line, found in a table.
#include "calc/number_reading.h"

#include "calc/decimal.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace calc {

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

// Any other decimal: its digits (a sticky 1 after them) rounded once.
double roundedDecimal(Decimal& dec, std::int64_t scale, bool negative)
{
    std::size_t count = dec.count;
    if (dec.sticky) {
        dec.digits[count++] = '1';
        --scale;
    }
    const double value = nearestDouble(negative, std::string_view(dec.digits.data(), count), {}, scale);
    if (std::isinf(value)) throw NumericFailure(FailureKind::overflow);
    return value;
}

double typedValue(Decimal& dec, std::int64_t exponent, bool negative)
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
    result.value = typedValue(dec, exponent, negative);
    result.found = true;
    result.end = cur.end();
    return result;
}

double Val(std::u16string_view text)
{
    return readNumber(text).value;
}

DecimalText scanDecimal(std::string_view text)
{
    // Exponents are clamped far beyond any double, so no typed exponent or
    // prefix can overflow the bookkeeping.
    constexpr std::int64_t kClamp = 1'000'000'000;
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto digitsFrom = [&](std::size_t i) {
        while (i < text.size() && isDigit(text[i])) ++i;
        return i;
    };
    DecimalText d;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) d.negative = text[i++] == '-';
    std::size_t next = digitsFrom(i);
    d.whole = text.substr(i, next - i);
    i = next;
    if (i < text.size() && text[i] == '.') {
        next = digitsFrom(++i);
        d.fraction = text.substr(i, next - i);
        i = next;
    }
    if (d.whole.empty() && d.fraction.empty()) return DecimalText{};
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) negative = text[j++] == '-';
        if (j == text.size() || !isDigit(text[j])) return DecimalText{}; // "1e" is not a number
        std::int64_t exponent = 0;
        for (; j < text.size() && isDigit(text[j]); ++j) exponent = std::min(exponent * 10 + (text[j] - '0'), kClamp);
        d.exponent = negative ? -exponent : exponent;
        i = j;
    }
    d.end = i;
    return d;
}

std::optional<double> decimalValue(const DecimalText& d, int extraExponent)
{
    const double value = nearestDouble(d.negative, d.whole, d.fraction, d.exponent + extraExponent);
    // Out of range either way: too large, or a non-zero number so small it
    // would read as 0 (an all-zero mantissa reads as 0 and is in range).
    const bool allZero = d.whole.find_first_not_of('0') == std::string_view::npos &&
                         d.fraction.find_first_not_of('0') == std::string_view::npos;
    if (std::isinf(value) || (value == 0.0 && !allZero)) return std::nullopt;
    return value;
}

std::optional<double> parseNumber(std::string_view text)
{
    text = trimBlanks(text);
    const DecimalText d = scanDecimal(text);
    if (d.end == 0 || d.end != text.size()) return std::nullopt;
    return decimalValue(d);
}

std::optional<double> plainNumber(std::string_view cell, char mark)
{
    // fast_float's fixed form is [-] digits [mark digits], or inf and nan.
    double value = 0.0;
    const char* end = cell.data() + cell.size();
    const auto read = fast_float::from_chars_advanced(cell.data(), end, value,
                                                      fast_float::parse_options(fast_float::chars_format::fixed, mark));
    if (read.ec != std::errc() || read.ptr != end || !std::isfinite(value)) return std::nullopt;
    // A non-zero number so small it reads as 0 lies beyond the range too.
    if (value == 0.0 && cell.find_first_of("123456789") != std::string_view::npos) return std::nullopt;
    return value;
}

} // namespace calc
