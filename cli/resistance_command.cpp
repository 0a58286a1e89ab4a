// ntc-beta-cli: `resistance`, the resistance of either model at each temperature given.
#include "calc/b_value.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/model_options.h"
#include "cli/readings.h"

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

// One temperature's line, or what keeps it from one.
void resistanceOf(Session& s, const models::ThermistorModel& model, std::size_t index, const std::string& text,
                  bool kelvin, Findings& found)
{
    const std::string name = "T" + std::to_string(index + 1);
    const auto t = checkedTemperature(s.m, name, text, kelvin, found);
    if (!t) return;
    try {
        const double ohms = models::resistanceAt(model, kelvinOf(*t));
        s.out << "R(" + text + ") = " + calc::fullValueText(ohms) + " Ω\n";
    } catch (const models::ModelFailure& failure) {
        found.push_back({Severity::refused, namedProblem(s.m, name, text, failureText(s.m, failure.kind()))});
    }
}

int resistance(Session& s, const ResistanceOptions& o)
{
    if (o.readings.empty()) throw UnreadableArgument(std::string(s.m.resistanceNeedsValues));
    Findings found;
    const auto model = chosenModel(o.model, s.m, found);
    for (std::size_t i = 0; model && i < o.readings.size(); ++i)
        resistanceOf(s, *model, i, o.readings[i], o.kelvin, found);
    writeFindings(s.err, s.m, found);
    return exitStatus(found);
}

} // namespace

Command addResistanceCommand(CLI::App& app, Session& session)
{
    const auto options = std::make_shared<ResistanceOptions>();
    const Messages& m = session.m;
    CLI::App* command = addSubcommand(app, "resistance", m.resistanceCommand, m);
    command->add_option("readings", options->readings, std::string(m.resistanceValues))
        ->type_name("T ...");
    addKelvinFlag(*command, options->kelvin, m);
    addModelOptions(*command, options->model, m);
    return {command, [&session, options] { return resistance(session, *options); }};
}

} // namespace cli
