// ntc-beta-cli: `table`, an R/T table from either model as CSV, Markdown or a C array for firmware.
#include "calc/b_value.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/model_options.h"
#include "cli/readings.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

namespace {

struct TableOptions {
    ModelOptions model;
    std::string from = "-40", to = "125", step = "5", format = "csv";
};

std::string cell(double value) { return calc::fullValueText(value); }

// A table bound in °C (one written in K or °F converted), read and checked
// as every temperature is.
std::optional<double> celsiusBound(const Messages& m, std::string_view name, const std::string& text,
                                   Findings& found)
{
    const auto t = checkedTemperature(m, name, text, false, found);
    if (!t) return std::nullopt;
    return t->celsius ? t->value : t->value - calc::kCelsiusOffset;
}

// Every row, or none when the model fails at one temperature (reported on
// `err`): a table with a hole is no use to firmware.
std::optional<std::vector<models::TableRow>> tableRows(const Session& s, const models::ThermistorModel& model,
                                                       const std::vector<double>& temperatures)
{
    std::vector<models::TableRow> rows;
    rows.reserve(temperatures.size());
    for (double celsius : temperatures) {
        try {
            rows.push_back(models::tableRow(model, celsius));
        } catch (const models::ModelFailure& failure) {
            s.err << s.m.errorPrefix << format(s.m.atTemperature, {cell(celsius)}) << failureText(s.m, failure.kind())
                  << '\n';
            return std::nullopt;
        }
    }
    return rows;
}

std::string csvTable(const std::vector<models::TableRow>& rows)
{
    std::string text = "temperature_c,resistance_ohm,alpha_percent_per_k\n";
    for (const auto& r : rows)
        text.append(cell(r.celsius)).append(",").append(cell(r.ohms)).append(",")
            .append(cell(r.alphaPercentPerKelvin)).append("\n");
    return text;
}

std::string markdownTable(const std::vector<models::TableRow>& rows)
{
    std::string text = "| T (°C) | R (Ω) | α (%/K) |\n|---:|---:|---:|\n";
    for (const auto& r : rows)
        text.append("| ").append(cell(r.celsius)).append(" | ").append(cell(r.ohms)).append(" | ")
            .append(cell(r.alphaPercentPerKelvin)).append(" |\n");
    return text;
}

std::string cTable(const std::vector<models::TableRow>& rows, double step, const models::ThermistorModel& model)
{
    const std::string count = std::to_string(rows.size());
    std::string text = "/* NTC thermistor R/T table, ntc-beta-cli " NTC_BETA_VERSION ": " +
                       cell(rows.front().celsius) + " degC to " + cell(rows.back().celsius) + " degC in steps of " +
                       cell(step) + " K, " + count + " rows.\n * " + modelDescription(model) +
                       ".\n * Columns: temperature in degC, resistance in ohm, alpha in %/K. */\n"
                       "static const struct ntc_rt_row {\n    double celsius;\n    double ohms;\n"
                       "    double alpha_percent_per_k;\n} ntc_rt_table[" + count + "] = {\n";
    for (const auto& r : rows)
        text.append("    {").append(cell(r.celsius)).append(", ").append(cell(r.ohms)).append(", ")
            .append(cell(r.alphaPercentPerKelvin)).append("},\n");
    return text.append("};\n");
}

int table(Session& s, const TableOptions& o)
{
    if (o.format != "csv" && o.format != "markdown" && o.format != "c")
        throw UnreadableArgument(namedProblem(s.m, "--format", o.format, s.m.expectedFormat));
    Findings found;
    const auto from = celsiusBound(s.m, "--from", o.from, found);
    const auto to = celsiusBound(s.m, "--to", o.to, found);
    const double step = numberArgument(s.m, "--step", o.step);
    const auto model = chosenModel(o.model, s.m, found);
    writeFindings(s.err, s.m, found);
    if (!from || !to || !model) return exitStatus(found);
    const std::vector<double> temperatures = models::tableTemperatures({*from, *to, step});
    if (temperatures.empty()) throw UnreadableArgument(std::string(s.m.noRange));

    const auto rows = tableRows(s, *model, temperatures);
    if (!rows) return kExitComputationFailed;
    if (o.format == "csv") s.out << csvTable(*rows);
    else if (o.format == "markdown") s.out << markdownTable(*rows);
    else s.out << cTable(*rows, step, *model);
    return exitStatus(found);
}

} // namespace

Command addTableCommand(CLI::App& app, Session& session)
{
    const auto options = std::make_shared<TableOptions>();
    const Messages& m = session.m;
    CLI::App* command = addSubcommand(app, "table", m.tableCommand, m);
    addModelOptions(*command, options->model, m);
    command->add_option("--from", options->from, std::string(m.fromOption))->type_name("T");
    command->add_option("--to", options->to, std::string(m.toOption))->type_name("T");
    command->add_option("--step", options->step, std::string(m.stepOption))->type_name("K");
    command->add_option("--format", options->format, std::string(m.formatOption))
        ->type_name("FORMAT");
    return {command, [&session, options] { return table(session, *options); }};
}

} // namespace cli
