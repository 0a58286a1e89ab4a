// ntc-beta-cli: reading the values typed on the command line, or refusing them as a usage error.
#include "cli/arguments.h"

#include "cli/command.h"
#include "models/quantity.h"

namespace cli {

double resistanceArgument(const Messages& m, std::string_view name, const std::string& text)
{
    if (const auto value = models::parseResistance(text)) return *value;
    throw UnreadableArgument(unreadable(m, name, text, m.expectedResistance));
}

Temperature temperatureArgument(const Messages& m, std::string_view name, const std::string& text,
                                bool kelvinByDefault)
{
    if (const auto value = readTemperature(text, kelvinByDefault)) return *value;
    throw UnreadableArgument(unreadable(m, name, text, m.expectedTemperature));
}

double numberArgument(const Messages& m, std::string_view name, const std::string& text)
{
    if (const auto value = models::parseNumber(text)) return *value;
    throw UnreadableArgument(unreadable(m, name, text, m.expectedNumber));
}

} // namespace cli
