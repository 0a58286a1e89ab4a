// ntc-beta-cli: `temperature`, the temperature of either model at each resistance given.
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

struct TemperatureOptions {
    std::vector<std::string> readings;
    ModelOptions model;
};

int temperature(Session& s, const TemperatureOptions& o)
{
    const models::ThermistorModel model = chosenModel(o.model, s.m);
    std::vector<double> ohms;
    for (std::size_t i = 0; i < o.readings.size(); ++i)
        ohms.push_back(resistanceArgument(s.m, "R" + std::to_string(i + 1), o.readings[i]));
    for (std::size_t i = 0; i < ohms.size(); ++i) {
        const double kelvin = models::temperatureAt(model, ohms[i]);
        s.out << "T(" << o.readings[i] << ") = " << calc::fullValueText(kelvin - calc::kCelsiusOffset) << " °C = "
              << calc::fullValueText(kelvin) << " K\n";
    }
    return kExitSuccess;
}

} // namespace

Command addTemperatureCommand(CLI::App& app, Session& session)
{
    const auto options = std::make_shared<TemperatureOptions>();
    const Messages& m = session.m;
    CLI::App* command = addSubcommand(app, "temperature", m.temperatureCommand, m);
    command->add_option("readings", options->readings, std::string(m.temperatureValues))
        ->type_name("R ...")
        ->required();
    addModelOptions(*command, options->model, m);
    return {command, [&session, options] { return temperature(session, *options); }};
}

} // namespace cli
