// ntc-beta-cli: reading the values typed on the command line, or refusing them as a usage error.
#pragma once

#include "cli/input/readings.h"
#include "cli/messages/messages.h"

#include <string>
#include <string_view>

namespace cli {

// Each reads one argument `text`, named `name` in the message ("R1",
// "--r25"), and throws UnreadableArgument with unreadable()'s message when
// the text is not what is expected.

// A resistance in ohms (models::parseResistance: "10k", "4.7M", "680Ω").
double resistanceArgument(const Messages& m, std::string_view name, const std::string& text);

// A temperature (readTemperature); one without a unit is kelvin when
// `kelvinByDefault`, else °C. Throws models::ModelFailure(overflow) as
// readTemperature does.
Temperature temperatureArgument(const Messages& m, std::string_view name, const std::string& text,
                                bool kelvinByDefault);

// A plain number (calc::parseNumber).
double numberArgument(const Messages& m, std::string_view name, const std::string& text);

} // namespace cli
