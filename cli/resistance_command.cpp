// ntc-beta-cli: `resistance`, the resistance of either model at each temperature given.
#include "calc/b_value.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/model_options.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

namespace {

struct ResistanceOptions {
    std::vector<std::string> readings;
    bool kelvin = false;
    ModelOptions model;
};

int resistance(Session& s, const ResistanceOptions& o)
{
    const models::ThermistorModel model = chosenModel(o.model, s.m);
    std::vector<double> kelvins;
    for (std::size_t i = 0; i < o.readings.size(); ++i)
        kelvins.push_back(kelvinOf(temperatureArgument(s.m, "T" + std::to_string(i + 1), o.readings[i], o.kelvin)));
    for (std::size_t i = 0; i < kelvins.size(); ++i)
        s.out << "R(" << o.readings[i] << ") = " << calc::fullValueText(models::resistanceAt(model, kelvins[i]))
              << " Ω\n";
    return kExitSuccess;
}

} // namespace

Command addResistanceCommand(CLI::App& app, Session& session)
{
    const auto options = std::make_shared<ResistanceOptions>();
    const Messages& m = session.m;
    CLI::App* command = addSubcommand(app, "resistance", m.resistanceCommand, m);
    command->add_option("readings", options->readings, std::string(m.resistanceValues))
        ->type_name("T ...")
        ->required();
    addKelvinFlag(*command, options->kelvin, m);
    addModelOptions(*command, options->model, m);
    return {command, [&session, options] { return resistance(session, *options); }};
}

} // namespace cli
