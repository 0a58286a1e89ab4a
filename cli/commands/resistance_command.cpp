// ntc-beta-cli: `resistance`, the resistance of any model at each temperature given.
#include "calc/number_writing.h"
#include "cli/commands/command.h"
#include "cli/commands/model_options.h"
#include "cli/input/plausibility.h"
#include "cli/input/readings.h"
#include "models/quantity.h"

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

// One temperature's line, or what keeps it from one.
void resistanceOf(Session& s, const models::ThermistorModel& model, std::size_t index, const std::string& text,
                  bool kelvin, Findings& found)
{
    const std::string name = readingName('T', index);
    const auto t = checkedTemperature(s.m, name, text, kelvin, found);
    if (!t) return;
    try {
        const double ohms = models::resistanceAt(model, kelvinOf(*t));
        s.out << "R(" + text + ") = " + calc::fullValueText(ohms) + " Ω\n";
    } catch (const models::ModelFailure& failure) {
        found.push_back({Severity::refused, namedProblem(s.m, name, text, failureText(s.m, failure.kind()))});
    }
}

// The temperatures typed without a unit and read as °C, when every one of
// them looks like kelvin.
void checkReadings(const Messages& m, const std::vector<std::string>& readings, Findings& found)
{
    std::vector<std::string> names;
    std::vector<double> values;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const auto read = models::parseTemperature(readings[i]);
        if (!read || read->unit != models::TemperatureUnit::unspecified) continue;
        names.push_back(named(m, readingName('T', i), readings[i]));
        values.push_back(read->value);
    }
    checkReadAsCelsius(m, names, values, found);
}

int resistance(Session& s, const ResistanceOptions& o)
{
    if (o.readings.empty()) throw UnreadableArgument(std::string(s.m.resistanceNeedsValues));
    refuseFourthCoefficient(s.m, o.model, o.readings);
    Findings found;
    const auto chosen = chosenModel(s, o.model, o.kelvin, ModelUse::values, found);
    for (std::size_t i = 0; chosen && i < o.readings.size(); ++i)
        resistanceOf(s, chosen->model, i, o.readings[i], o.kelvin, found);
    if (chosen && !o.kelvin) checkReadings(s.m, o.readings, found);
    writeFindings(s.err, s.m, found);
    return chosen ? exitStatus(found) : worseStatus(exitStatus(found), kExitComputationFailed);
}

} // namespace

CommandSpec resistanceCommand(Session& session)
{
    const auto o = std::make_shared<ResistanceOptions>();
    const Messages& m = session.m;
    CommandSpec command{m.resistanceCommand,
                     {listOption("readings", m.resistanceValues, "T", o->readings, 0, -1),
                      kelvinFlag(o->kelvin, m)},
                     [&session, o] { return resistance(session, *o); }};
    addModelOptions(command.options, o->model, m, SteinhartValues::three);
    return command;
}

} // namespace cli
