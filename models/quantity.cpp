// ntc-beta: reading resistances and temperatures written with their units.
#include "models/quantity.h"

#include "calc/decimal.h"
#include "calc/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace models {

namespace {

constexpr bool isBlank(char c) { return c == ' ' || c == '\t'; }
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// Exponents are clamped far beyond any double, so no typed exponent or
// prefix can overflow the bookkeeping.
constexpr std::int64_t kExponentClamp = 1'000'000'000;

// The pieces of a plain decimal number found at the start of a text.
struct Scanned {
    std::string_view sign, whole, fraction;
    std::int64_t exponent = 0;
    std::size_t end = 0; // just past the number; 0 when none starts
};

Scanned scanNumber(std::string_view text)
{
    Scanned s;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) s.sign = text.substr(i++, 1);
    const std::size_t wholeStart = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    s.whole = text.substr(wholeStart, i - wholeStart);
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = ++i;
        while (i < text.size() && isDigit(text[i])) ++i;
        s.fraction = text.substr(fractionStart, i - fractionStart);
    }
    if (s.whole.empty() && s.fraction.empty()) return Scanned{};
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) negative = text[j++] == '-';
        if (j == text.size() || !isDigit(text[j])) return Scanned{}; // "1e" is not a number
        std::int64_t exponent = 0;
        for (; j < text.size() && isDigit(text[j]); ++j)
            exponent = std::min(exponent * 10 + (text[j] - '0'), kExponentClamp);
        s.exponent = negative ? -exponent : exponent;
        i = j;
    }
    s.end = i;
    return s;
}

// The double nearest sign.whole.fraction × 10^(exponent + extraExponent).
std::optional<double> valueOf(const Scanned& s, int extraExponent)
{
    const std::int64_t exponent = s.exponent + extraExponent;
    // Written out on the stack when it fits, as most cells do.
    std::array<char, 96> stack;
    std::string heap;
    const std::size_t size = s.whole.size() + s.fraction.size() + 32;
    if (size > stack.size()) heap.resize(size);
    char* const begin = size > stack.size() ? heap.data() : stack.data();
    char* end = begin;
    const auto put = [&end](std::string_view part) { end = std::copy(part.begin(), part.end(), end); };
    put(s.sign == "-" ? "-" : "");
    put(s.whole.empty() ? "0" : s.whole);
    put(".");
    put(s.fraction.empty() ? "0" : s.fraction);
    put("e");
    end = std::to_chars(end, begin + size, exponent).ptr;

    const double value = calc::nearestDouble(std::string_view(begin, std::size_t(end - begin)));
    // Out of range either way: too large, or a non-zero number so small it
    // would read as 0 (an all-zero mantissa reads as 0 and is in range).
    const bool allZero = s.whole.find_first_not_of('0') == std::string_view::npos &&
                         s.fraction.find_first_not_of('0') == std::string_view::npos;
    if (std::isinf(value) || (value == 0.0 && !allZero)) return std::nullopt;
    return value;
}

// The resistance unit after an optional prefix: nothing, Ω, Ω or ohm(s).
bool isOhmUnit(std::string_view unit)
{
    return unit.empty() || unit == "\u03a9" || unit == "\u2126" || equalsIgnoringCase(unit, "ohm") ||
           equalsIgnoringCase(unit, "ohms");
}

// The decimal exponent an SI prefix letter stands for, or nullopt.
std::optional<int> prefixExponent(char c)
{
    switch (c) {
    case 'm': return -3;
    case 'k': case 'K': return 3;
    case 'M': return 6;
    case 'G': return 9;
    default: return std::nullopt;
    }
}

// A lower-case k after a temperature is kilo to every engineer, never kelvin.
bool isKilo(std::string_view unit) { return unit == "k"; }

std::optional<TemperatureUnit> temperatureUnit(std::string_view unit)
{
    if (isKilo(unit)) return std::nullopt;
    struct Spelling { std::string_view text; TemperatureUnit unit; };
    static constexpr std::array<Spelling, 9> kSpellings{{
        {"", TemperatureUnit::unspecified},
        {"c", TemperatureUnit::celsius},
        {"\u00b0c", TemperatureUnit::celsius},
        {"\u2103", TemperatureUnit::celsius},
        {"k", TemperatureUnit::kelvin},
        {"\u212a", TemperatureUnit::kelvin},
        {"f", TemperatureUnit::fahrenheit},
        {"\u00b0f", TemperatureUnit::fahrenheit},
        {"\u2109", TemperatureUnit::fahrenheit},
    }};
    for (const Spelling& s : kSpellings)
        if (equalsIgnoringCase(unit, s.text)) return s.unit;
    return std::nullopt;
}

} // namespace

std::optional<double> parseNumber(std::string_view text)
{
    text = trimmed(text);
    const Scanned s = scanNumber(text);
    if (s.end == 0 || s.end != text.size()) return std::nullopt;
    return valueOf(s, 0);
}

std::optional<double> parseResistance(std::string_view text)
{
    text = trimmed(text);
    const Scanned s = scanNumber(text);
    if (s.end == 0) return std::nullopt;
    std::string_view rest = trimmed(text.substr(s.end));
    int exponent = 0;
    if (!rest.empty()) {
        if (const auto prefix = prefixExponent(rest.front()); prefix && isOhmUnit(rest.substr(1))) {
            exponent = *prefix;
            rest.remove_prefix(1);
        }
    }
    if (!isOhmUnit(rest)) return std::nullopt;
    return valueOf(s, exponent);
}

std::optional<TemperatureText> parseTemperature(std::string_view text)
{
    text = trimmed(text);
    const Scanned s = scanNumber(text);
    if (s.end == 0) return std::nullopt;
    const auto unit = temperatureUnit(trimmed(text.substr(s.end)));
    if (!unit) return std::nullopt;
    const auto value = valueOf(s, 0);
    if (!value) return std::nullopt;
    return TemperatureText{*value, *unit};
}

bool beyondDoubleRange(std::string_view text)
{
    text = trimmed(text);
    const Scanned s = scanNumber(text);
    if (s.end == 0) return false;
    const std::string_view rest = trimmed(text.substr(s.end));
    int exponent = 0;
    const auto prefix = rest.empty() ? std::nullopt : prefixExponent(rest.front());
    if (prefix && isOhmUnit(rest.substr(1))) exponent = *prefix;
    else if (!isOhmUnit(rest) && !temperatureUnit(rest)) return false;
    return !valueOf(s, exponent);
}

bool kiloOnTemperature(std::string_view text)
{
    text = trimmed(text);
    const Scanned s = scanNumber(text);
    return s.end != 0 && isKilo(trimmed(text.substr(s.end)));
}

std::optional<std::string> resistorMarking(std::string_view text)
{
    // digits, one of R m k K M G standing for the decimal point, digits:
    // "4k7", "4R7", "R47", "2M2" (IEC 60062's letter-and-digit code).
    text = trimmed(text);
    const std::size_t letter = text.find_first_of("RmkKMG");
    if (letter == std::string_view::npos || text.size() < 2) return std::nullopt;
    const std::string_view whole = text.substr(0, letter), fraction = text.substr(letter + 1);
    const auto allDigits = [](std::string_view d) {
        return std::all_of(d.begin(), d.end(), [](char c) { return isDigit(c); });
    };
    if (fraction.empty() || !allDigits(whole) || !allDigits(fraction)) return std::nullopt;
    std::string spelled = std::string(whole.empty() ? "0" : whole) + "." + std::string(fraction);
    if (text[letter] != 'R') spelled += text[letter];
    return spelled;
}

bool looksLikeKelvin(double value)
{
    if (!(value >= 173.15 - 1e-9 && value <= 773.15 + 1e-9)) return false;
    const double hundredths = value * 100;
    const double whole = std::round(hundredths);
    return std::fabs(hundredths - whole) < 1e-6 && std::fmod(whole, 100) == 15;
}

double fahrenheitToCelsius(double fahrenheit)
{
    const double above = calc::subtract(fahrenheit, 32);
    const double scaled = above * 5;
    if (!std::isfinite(scaled)) throw calc::NumericFailure(calc::FailureKind::overflow);
    return calc::divide(scaled, 9);
}

} // namespace models
