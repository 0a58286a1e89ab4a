// ntc-beta-cli: readings typed on the command line or found in a CSV cell.
#pragma once

#include "cli/messages/findings.h"
#include "models/quantity.h"
#include "models/thermistor.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace cli {

// A temperature as the formula will take it: °C (a °F value already
// converted) or kelvin.
struct Temperature {
    double value = 0.0;
    bool celsius = true;
};

// A temperature written without a unit: kelvin when `kelvinByDefault`, else °C.
Temperature unitless(double value, bool kelvinByDefault);

// A temperature text through models::parseTemperature; a value without a unit
// is kelvin when `kelvinByDefault`, else °C. std::nullopt when the text is
// no temperature. Throws models::ModelFailure(overflow) when a °F value has no
// °C value in a double.
std::optional<Temperature> readTemperature(std::string_view text, bool kelvinByDefault);

// The same with the unit a value without one takes (a table column's:
// °C, kelvin or °F; TemperatureUnit::unspecified reads as °C).
std::optional<Temperature> readTemperature(std::string_view text, models::TemperatureUnit unitless);

// The temperature in kelvin, through the conversion the B formula takes.
// Throws models::ModelFailure(overflow).
double kelvinOf(Temperature t);

// B from two readings (models::measureB), the window's double for the same
// numbers. Throws models::ModelFailure.
models::MeasuredB betaOf(double r1, Temperature t1, double r2, Temperature t2);

// Why a text is no resistance: "R1 '10x': expected a resistance such as
// ...", "R1 '4k7': write 4.7k (...)" or "R1 '1e999': the number lies beyond
// the range of a double" (1e-999 too).
std::string unreadableResistance(const Messages& m, std::string_view name, std::string_view text);

// Why a text is no temperature, as above; a lower-case k ("1k") is named as
// kilo.
std::string unreadableTemperature(const Messages& m, std::string_view name, std::string_view text);

// The name of the `index`th reading (from 0) of a kind: "T1", "R3".
std::string readingName(char kind, std::size_t index);

// The readers every command and the batch share: each reads the text named
// `name`, applies the rules for values no thermistor gives (plausibility.h)
// and adds what it finds to `found`. The value comes back unless it could
// not be read or was refused; a warning leaves it.

// A resistance; 0 or less is refused.
std::optional<double> checkedResistance(const Messages& m, std::string_view name, std::string_view text,
                                        Findings& found);

// A temperature in kelvin; at or below 0 K is refused, outside the range
// thermistors are used at is warned about.
std::optional<Temperature> checkedTemperature(const Messages& m, std::string_view name, std::string_view text,
                                              bool kelvinByDefault, Findings& found);
std::optional<Temperature> checkedTemperature(const Messages& m, std::string_view name, std::string_view text,
                                              models::TemperatureUnit unitless, Findings& found);

// A temperature in °C (one written in K or °F converted), for a table's
// bounds; checked as checkedTemperature does.
std::optional<double> checkedCelsius(const Messages& m, std::string_view name, std::string_view text,
                                     bool kelvinByDefault, Findings& found);

// B from R1 at T1 and R2 at T2, `texts` and `names` in the order R1 T1 R2 T2:
// each value as above, then the computation (a failure is refused) and the
// B it gives (0 or less is refused, outside the NTC range warned about);
// T1 and T2 without a unit read as °C that both look like kelvin are
// warned about (checkReadAsCelsius).
std::optional<models::MeasuredB> checkedBeta(const Messages& m, const std::array<std::string_view, 4>& names,
                                             const std::array<std::string_view, 4>& texts, bool kelvinByDefault,
                                             Findings& found);

// The same when the four texts are plain numbers already read into
// `numbers` (R1 T1 R2 T2, temperatures without a unit): the checks and the
// findings are checkedBeta's for those texts.
std::optional<models::MeasuredB> checkedBetaOfNumbers(const Messages& m, const std::array<std::string_view, 4>& names,
                                                      const std::array<std::string_view, 4>& texts,
                                                      const std::array<double, 4>& numbers, bool kelvinByDefault,
                                                      Findings& found);

} // namespace cli
