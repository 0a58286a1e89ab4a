// ntc-beta: reading resistances and temperatures written with their units.
#include "models/quantity.h"

#include "calc/arithmetic.h"
#include "calc/number_reading.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace models {

namespace {

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

using calc::trimBlanks;

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
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

std::optional<double> parseResistance(std::string_view text)
{
    text = trimBlanks(text);
    const calc::DecimalText s = calc::scanDecimal(text);
    if (s.end == 0) return std::nullopt;
    std::string_view rest = trimBlanks(text.substr(s.end));
    int exponent = 0;
    if (!rest.empty()) {
        if (const auto prefix = prefixExponent(rest.front()); prefix && isOhmUnit(rest.substr(1))) {
            exponent = *prefix;
            rest.remove_prefix(1);
        }
    }
    if (!isOhmUnit(rest)) return std::nullopt;
    return calc::decimalValue(s, exponent);
}

std::optional<TemperatureText> parseTemperature(std::string_view text)
{
    text = trimBlanks(text);
    const calc::DecimalText s = calc::scanDecimal(text);
    if (s.end == 0) return std::nullopt;
    const auto unit = temperatureUnit(trimBlanks(text.substr(s.end)));
    if (!unit) return std::nullopt;
    const auto value = calc::decimalValue(s, 0);
    if (!value) return std::nullopt;
    return TemperatureText{*value, *unit};
}

bool beyondDoubleRange(std::string_view text)
{
    text = trimBlanks(text);
    const calc::DecimalText s = calc::scanDecimal(text);
    if (s.end == 0) return false;
    const std::string_view rest = trimBlanks(text.substr(s.end));
    int exponent = 0;
    const auto prefix = rest.empty() ? std::nullopt : prefixExponent(rest.front());
    if (prefix && isOhmUnit(rest.substr(1))) exponent = *prefix;
    else if (!isOhmUnit(rest) && !temperatureUnit(rest)) return false;
    return !calc::decimalValue(s, exponent);
}

bool kiloOnTemperature(std::string_view text)
{
    text = trimBlanks(text);
    const calc::DecimalText s = calc::scanDecimal(text);
    return s.end != 0 && isKilo(trimBlanks(text.substr(s.end)));
}

std::optional<std::string> resistorMarking(std::string_view text)
{
    // digits, one of R m k K M G standing for the decimal point, digits:
    // "4k7", "4R7", "R47", "2M2" (IEC 60062's letter-and-digit code).
    text = trimBlanks(text);
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
