// ntc-beta-cli: what every command shares: its streams and texts, how it joins the command line, how it fails.
#include "cli/command.h"

#include "calc/b_value.h"
#include "models/thermistor.h"

#include <CLI/CLI.hpp>

#include <ostream>
#include <string>

namespace cli {

CLI::App* addSubcommand(CLI::App& app, const char* name, std::string_view description, const Messages& m)
{
    CLI::App* command = app.add_subcommand(name, std::string(description));
    command->group(std::string(m.commandsGroup));
    command->get_help_ptr()->group(std::string(m.optionsGroup));
    return command;
}

void addKelvinFlag(CLI::App& command, bool& kelvin, const Messages& m)
{
    command.add_flag("-k,--kelvin", kelvin, std::string(m.kelvinOption));
}

void writeMeasuredB(std::ostream& out, const models::MeasuredB& b)
{
    out << calc::betaName(b.t1Kelvin, b.t2Kelvin) << " = " << calc::fullValueText(b.value) << " K\n";
}

} // namespace cli
