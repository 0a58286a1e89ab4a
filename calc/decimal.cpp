// ntc-beta: the decimal digits of a double and the double of a decimal text, correctly rounded.
#include "calc/decimal.h"

#include <fast_float/fast_float.h>
#include <fmt/compile.h>
#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

namespace calc {

namespace {

// The exponent fmt writes after its 'e': a sign and digits.
int exponentAfter(const char* sign, const char* end)
{
    int exponent = 0;
    for (const char* p = sign + 1; p < end; ++p) exponent = exponent * 10 + (*p - '0');
    return *sign == '-' ? -exponent : exponent;
}

// The shortest digits that read back as a magnitude (fmt's Dragonbox), no
// trailing zeros: at most 17, within half a unit in the last place of it.
struct Shortest {
    std::array<char, 24> digits{};
    std::size_t size = 0;
    int exponent = 0;
};

Shortest shortestDigits(double magnitude)
{
    std::array<char, 40> buf{};
    const char* end = fmt::format_to(buf.data(), FMT_COMPILE("{}"), magnitude);
    Shortest d;
    int before = 0;       // digits before the point, leading zeros included
    int leadingZeros = 0; // "0.000123" has four
    bool afterPoint = false;
    const char* p = buf.data();
    for (; p != end && *p != 'e'; ++p) {
        if (*p == '.') {
            afterPoint = true;
            continue;
        }
        if (!afterPoint) ++before;
        if (d.size == 0 && *p == '0') ++leadingZeros;
        else d.digits[d.size++] = *p;
    }
    d.exponent = before - leadingZeros - 1 + (p != end ? exponentAfter(p + 1, end) : 0);
    while (d.size > 1 && d.digits[d.size - 1] == '0') --d.size;
    return d;
}

// Whether the shortest digits, cut after `keep`, round up as the magnitude
// itself does; std::nullopt when only its exact value can tell. They lie
// within half a unit in the last place of the magnitude, and up to 15 digits
// a unit in the last kept digit is more than four and a half of those (a
// double holds 15.95 decimal digits): less than 0.12 of a kept unit apart.
// Cut-off digits from .38 to .61 leave the side of the midpoint open; the
// midpoint's nearest double tells it, unless that double is the magnitude.
std::optional<bool> roundsUp(const Shortest& s, std::size_t keep, double magnitude)
{
    const int next = s.digits[keep] - '0';
    const int hundredths = next * 10 + (keep + 1 < s.size ? s.digits[keep + 1] - '0' : 0);
    if (hundredths >= 62) return true;
    if (hundredths <= 37) return false;
    std::array<char, 40> text{};
    char* end = std::copy_n(s.digits.data(), keep, text.data());
    end = fmt::format_to(end, FMT_COMPILE("5e{}"), s.exponent - static_cast<int>(keep));
    const double midpoint = nearestDouble(std::string_view(text.data(), std::size_t(end - text.data())));
    if (midpoint == magnitude) return std::nullopt;
    return magnitude > midpoint;
}

// fmt's own rounding to `count` digits: exact, and slower.
DecimalDigits exactDigits(double magnitude, int count)
{
    std::array<char, 40> buf{};
    const char* begin = buf.data();
    const char* end = fmt::format_to(buf.data(), FMT_COMPILE("{:.{}e}"), magnitude, count - 1);
    const char* e = std::find(begin, end, 'e');
    DecimalDigits d;
    d.digits += buf[0];
    if (count > 1) d.digits.append(begin + 2, e);
    d.exponent = exponentAfter(e + 1, end);
    return d;
}

// One unit more in the last digit, carried: "1299" gives "1300", "999"
// gives "100" a decade up.
void roundUp(DecimalDigits& d)
{
    for (std::size_t i = d.digits.size(); i-- > 0;) {
        if (d.digits[i] != '9') {
            ++d.digits[i];
            return;
        }
        d.digits[i] = '0';
    }
    d.digits.insert(0, 1, '1');
    d.digits.pop_back();
    ++d.exponent;
}

} // namespace

DecimalDigits significantDigits(double magnitude, int count)
{
    // Below the normal range a double holds fewer digits than `count`.
    if (magnitude < std::numeric_limits<double>::min() || count > 15) return exactDigits(magnitude, count);
    const Shortest s = shortestDigits(magnitude);
    const auto keep = static_cast<std::size_t>(count);
    DecimalDigits d{std::string(s.digits.data(), std::min(s.size, keep)), s.exponent};
    if (s.size > keep) {
        // Shortest digits that fit `count` are the rounded ones; longer ones
        // are cut and rounded as the magnitude itself rounds, which fmt
        // works out from the exact value when nothing quicker can tell.
        const std::optional<bool> up = roundsUp(s, keep, magnitude);
        if (!up) return exactDigits(magnitude, count);
        if (*up) roundUp(d);
    }
    d.digits.resize(keep, '0');
    return d;
}

double nearestDouble(std::string_view text)
{
    double value = 0.0;
    fast_float::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

double nearestDouble(bool negative, std::string_view whole, std::string_view fraction, std::int64_t exponent)
{
    // Written out as "-whole.fractione-exponent" for fast_float, on the stack
    // when it fits, as the window's digits always do.
    std::array<char, 900> stack;
    std::string heap;
    const std::size_t size = whole.size() + fraction.size() + 32;
    if (size > stack.size()) heap.resize(size);
    char* const begin = size > stack.size() ? heap.data() : stack.data();
    char* end = begin;
    const auto put = [&end](std::string_view part) { end = std::copy(part.begin(), part.end(), end); };
    put(negative ? "-" : "");
    put(whole.empty() ? "0" : whole);
    put(".");
    put(fraction.empty() ? "0" : fraction);
    end = fmt::format_to(end, FMT_COMPILE("e{}"), exponent);
    return nearestDouble(std::string_view(begin, std::size_t(end - begin)));
}

} // namespace calc
