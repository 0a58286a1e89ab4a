// ntc-beta: reading resistances and temperatures written with their units.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace models {

// These readers are strict, unlike the window's Val: the whole text must be
// one quantity, or nothing is read. Blanks and tabs around the text and
// between the number and its unit are allowed; nothing else is skipped.
// The number is calc::scanDecimal's plain decimal with the period, read by
// calc::decimalValue (correctly rounded; beyond a double's range either way
// it is no value); the readers here add the units.

// A resistance in ohms: a number, then an optional SI prefix m (milli),
// k or K (kilo), M (mega), G (giga), then an optional unit "Ω" (U+03A9),
// "Ω" (U+2126), "ohm" or "ohms" (any case), UTF-8: "10000", "10k", "4.7M",
// "680Ω", "10 kohm". The prefix scales the decimal exponent before rounding,
// so "4.7M" is exactly the double nearest 4700000. The sign is kept (the
// B formula takes the ratio of two readings); the models reject R <= 0.
// std::nullopt when the text is anything else.
std::optional<double> parseResistance(std::string_view text);

enum class TemperatureUnit { unspecified, celsius, kelvin, fahrenheit };

struct TemperatureText {
    double value = 0.0;
    TemperatureUnit unit = TemperatureUnit::unspecified;
};

// A temperature: a number, then optionally "C", "°C", "℃", "K", "K" (the
// kelvin sign U+212A), "F", "°F" or "℉" (C and F in either case; kelvin is
// upper case only, "25k" being kilo to an engineer), UTF-8: "25", "25C",
// "25°C", "298.15K", "77°F". The number is returned as written,
// with the unit it carried; the caller decides what an unspecified unit is.
// std::nullopt when the text is anything else.
std::optional<TemperatureText> parseTemperature(std::string_view text);

// Whether `text` has the form of a number, resistance or temperature but
// its number lies beyond a double's range ("1e999", "1e306G", "-1e400°C"):
// the readers above give std::nullopt for it as for any other text; this
// tells the two apart for the message.
bool beyondDoubleRange(std::string_view text);

// Whether `text` is a number with a lower-case k after it ("1k", "25 k"),
// which parseTemperature refuses: the message can then say why.
bool kiloOnTemperature(std::string_view text);

// The resistance a resistor's printed marking stands for, spelled as the
// readers above take it: "4k7" gives "4.7k", "4R7" "4.7", "R47" "0.47",
// "2M2" "2.2M". std::nullopt for any other text. The markings themselves are
// not read (a letter as the decimal point is too easily a typing slip); this
// lets the message say what to write.
std::optional<std::string> resistorMarking(std::string_view text);

// Whether a temperature written without a unit and read as °C looks like
// kelvin instead: it ends in .15 (as 0 °C = 273.15 K makes every whole °C
// value in kelvin) and, as kelvin, lies where thermistors are used
// (173.15 K to 773.15 K, −100 °C to 500 °C). A Celsius table or reading
// with every value ending in .15 is no one's; kelvin read as °C is an
// easy slip.
bool looksLikeKelvin(double value);

// Degrees Fahrenheit in degrees Celsius, (f - 32) * 5 / 9, each step rounded
// once (77 °F is exactly 25 °C). Throws calc::NumericFailure(overflow) when a step
// leaves a double's range.
double fahrenheitToCelsius(double fahrenheit);

} // namespace models
