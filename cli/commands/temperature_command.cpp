// ntc-beta-cli: `temperature`, the temperature of any model at each resistance given.
#include "calc/b_value.h"
#include "calc/number_writing.h"
#include "cli/commands/command.h"
#include "cli/commands/model_options.h"
#include "cli/input/plausibility.h"
#include "cli/input/readings.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

namespace {

struct TemperatureOptions {
    std::vector<std::string> readings;
    bool kelvin = false;
    ModelOptions model;
};

// One reading's line, or what keeps it from one.
void temperatureOf(Session& s, const models::ThermistorModel& model, std::size_t index, const std::string& text,
                   Findings& found)
{
    const std::string name = readingName('R', index);
    const auto ohms = checkedResistance(s.m, name, text, found);
    if (!ohms) return;
    try {
        const double kelvin = models::temperatureAt(model, *ohms);
        checkUseRange(s.m, name, text, kelvin, found);
        s.out << "T(" + text + ") = " + calc::fullValueText(calc::kelvinToCelsius(kelvin)) + " °C = " +
                     calc::fullValueText(kelvin) + " K\n";
    } catch (const models::ModelFailure& failure) {
        found.push_back({Severity::refused, namedProblem(s.m, name, text, failureText(s.m, failure.kind()))});
    }
}

int temperature(Session& s, const TemperatureOptions& o)
{
    if (o.readings.empty()) throw UnreadableArgument(std::string(s.m.temperatureNeedsValues));
    refuseFourthCoefficient(s.m, o.model, o.readings);
    Findings found;
    const auto chosen = chosenModel(s, o.model, o.kelvin, ModelUse::values, found);
    for (std::size_t i = 0; chosen && i < o.readings.size(); ++i)
        temperatureOf(s, chosen->model, i, o.readings[i], found);
    writeFindings(s.err, s.m, found);
    return chosen ? exitStatus(found) : worseStatus(exitStatus(found), kExitComputationFailed);
}

} // namespace

CommandSpec temperatureCommand(Session& session)
{
    const auto o = std::make_shared<TemperatureOptions>();
    const Messages& m = session.m;
    CommandSpec command{m.temperatureCommand,
                     {listOption("readings", m.temperatureValues, "R", o->readings, 0, -1),
                      kelvinFlag(o->kelvin, m)},
                     [&session, o] { return temperature(session, *o); }};
    addModelOptions(command.options, o->model, m, SteinhartValues::three);
    return command;
}

} // namespace cli
