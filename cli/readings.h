// ntc-beta-cli: readings typed on the command line or found in a CSV cell.
#pragma once

#include "models/thermistor.h"

#include <optional>
#include <string_view>

namespace cli {

// A temperature as the formula will take it: °C (a °F value already
// converted) or kelvin.
struct Temperature {
    double value = 0.0;
    bool celsius = true;
};

// A temperature text through models::parseTemperature; a value without a unit
// is kelvin when `kelvinByDefault`, else °C. std::nullopt when the text is
// no temperature. Throws models::ModelFailure(overflow) when a °F value has no
// °C value in a double.
std::optional<Temperature> readTemperature(std::string_view text, bool kelvinByDefault);

// The temperature in kelvin, with the same offset step the B formula takes.
// Throws models::ModelFailure(overflow).
double kelvinOf(Temperature t);

// B from two readings: both in °C go through models::measureB's °C path, so
// the value is the window's double; otherwise both in kelvin.
// Throws models::ModelFailure.
models::MeasuredB betaOf(double r1, Temperature t1, double r2, Temperature t2);

} // namespace cli
