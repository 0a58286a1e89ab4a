// ntc-beta-cli: `temperature`, the temperature of either model at each resistance given.
#include "calc/b_value.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/model_options.h"
#include "cli/plausibility.h"
#include "cli/readings.h"

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

// One reading's line, or what keeps it from one.
void temperatureOf(Session& s, const models::ThermistorModel& model, std::size_t index, const std::string& text,
                   Findings& found)
{
    const std::string name = "R" + std::to_string(index + 1);
    const auto ohms = checkedResistance(s.m, name, text, found);
    if (!ohms) return;
    try {
        const double kelvin = models::temperatureAt(model, *ohms);
        checkUseRange(s.m, name, text, kelvin, found);
        s.out << "T(" + text + ") = " + calc::fullValueText(kelvin - calc::kCelsiusOffset) + " °C = " +
                     calc::fullValueText(kelvin) + " K\n";
    } catch (const models::ModelFailure& failure) {
        found.push_back({Severity::refused, namedProblem(s.m, name, text, failureText(s.m, failure.kind()))});
    }
}

int temperature(Session& s, const TemperatureOptions& o)
{
    if (o.readings.empty()) throw UnreadableArgument(std::string(s.m.temperatureNeedsValues));
    Findings found;
    const auto model = chosenModel(o.model, s.m, found);
    for (std::size_t i = 0; model && i < o.readings.size(); ++i) temperatureOf(s, *model, i, o.readings[i], found);
    writeFindings(s.err, s.m, found);
    return exitStatus(found);
}

} // namespace

Command addTemperatureCommand(CLI::App& app, Session& session)
{
    const auto options = std::make_shared<TemperatureOptions>();
    const Messages& m = session.m;
    CLI::App* command = addSubcommand(app, "temperature", m.temperatureCommand, m);
    command->add_option("readings", options->readings, std::string(m.temperatureValues))
        ->type_name("R ...");
    addModelOptions(*command, options->model, m);
    return {command, [&session, options] { return temperature(session, *options); }};
}

} // namespace cli
