// ntc-beta-cli: what every command shares: its streams and texts, its options as data, how it fails.
#include "cli/commands/command.h"

#include "calc/b_value.h"
#include "calc/number_writing.h"
#include "models/thermistor.h"

#include <array>
#include <ostream>

namespace cli {

namespace {

constexpr std::array<RegisteredCommand, 9> kCommands{{
    {"beta", betaCommand},
    {"steinhart", steinhartCommand},
    {"table", tableCommand},
    {"temperature", temperatureCommand},
    {"resistance", resistanceCommand},
    {"adc", adcCommand},
    {"fit", fitCommand},
    {"pullup", pullupCommand},
    {"budget", budgetCommand},
}};

} // namespace

OptionSpec textOption(std::string names, std::string_view help, std::string_view typeName, std::string& target)
{
    OptionSpec option;
    option.names = std::move(names);
    option.help = help;
    option.typeName = typeName;
    option.target = &target;
    return option;
}

OptionSpec listOption(std::string names, std::string_view help, std::string_view typeName,
                      std::vector<std::string>& target, int least, int most)
{
    OptionSpec option;
    option.names = std::move(names);
    option.help = help;
    option.typeName = typeName;
    option.target = &target;
    option.leastValues = least;
    option.mostValues = most;
    return option;
}

OptionSpec flagOption(std::string names, std::string_view help, bool& target)
{
    OptionSpec option;
    option.names = std::move(names);
    option.help = help;
    option.target = &target;
    return option;
}

std::span<const RegisteredCommand> registeredCommands()
{
    return kCommands;
}

std::string commandNames(const Messages& m)
{
    std::string names;
    for (const RegisteredCommand& command : kCommands)
        names.append(names.empty() ? "" : std::string(m.listSeparator)).append(command.name);
    return names;
}

OptionSpec kelvinFlag(bool& kelvin, const Messages& m)
{
    return flagOption("-k,--kelvin", m.kelvinOption, kelvin);
}

void writeMeasuredB(std::ostream& out, const models::MeasuredB& b)
{
    out << calc::betaName(b.t1Kelvin, b.t2Kelvin) << " = " << calc::fullValueText(b.value) << " K\n";
}

} // namespace cli
