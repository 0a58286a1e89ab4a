// ntc-beta-cli: reading the values typed on the command line, or refusing them as a usage error.
#include "cli/input/arguments.h"

#include "calc/number_reading.h"
#include "cli/commands/command.h"
#include "models/quantity.h"

namespace cli {

double resistanceArgument(const Messages& m, std::string_view name, const std::string& text)
{
    if (const auto value = models::parseResistance(text)) return *value;
    throw UnreadableArgument(unreadableResistance(m, name, text));
}

Temperature temperatureArgument(const Messages& m, std::string_view name, const std::string& text,
                                bool kelvinByDefault)
{
    if (const auto value = readTemperature(text, kelvinByDefault)) return *value;
    throw UnreadableArgument(unreadableTemperature(m, name, text));
}

double numberArgument(const Messages& m, std::string_view name, const std::string& text)
{
    if (const auto value = calc::parseNumber(text)) return *value;
    const bool beyond = models::beyondDoubleRange(text);
    throw UnreadableArgument(namedProblem(m, name, text, beyond ? m.beyondRange : m.expectedNumber));
}

} // namespace cli
